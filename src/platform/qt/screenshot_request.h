#pragma once

class QWidget;

// For the demo and the documentation: when ZORIVAN_SCREENSHOT names a PNG file, the window is
// saved to it once, ZORIVAN_SCREENSHOT_DELAY_MS (default 2000) milliseconds after this call, so
// that the first receiver answers have been shown. Without the variable nothing happens.
void ScheduleScreenshotFromEnvironment(QWidget& window);
