#include "platform/qt/empty_window_title.h"

#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Qt writes the application's name for an empty title into _NET_WM_NAME only; the older
// WM_NAME already holds the empty title.
void ClearShownTitle(QWidget& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t name = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    if (name == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE) return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), name, utf8, 8, 0, nullptr);
    xcb_flush(connection);
}

class EmptyTitleKeeper : public QObject {
  public:
    explicit EmptyTitleKeeper(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The show event comes after the native window is made and before it is mapped, so the
        // window manager never sees the substitute; a title change comes after Qt wrote it.
        const bool written =
            event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange;
        if (watched == &window_ && written && window_.windowTitle().isEmpty() &&
            window_.testAttribute(Qt::WA_WState_Created))
            ClearShownTitle(window_);
        return false;
    }

  private:
    QWidget& window_;
};

}  // namespace

void KeepEmptyTitleEmpty(QWidget& window) {
    window.installEventFilter(new EmptyTitleKeeper(window));
}
