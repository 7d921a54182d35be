#pragma once

class QWidget;

// On X11 Qt shows the application's name where a window has no title. The main window has none
// until the receiver has been checked, and must not seem to have one; this clears the name Qt
// puts in its place whenever the window is shown or its title becomes empty. Elsewhere it does
// nothing. The window is not owned; what this installs goes with it.
void KeepEmptyTitleEmpty(QWidget& window);
