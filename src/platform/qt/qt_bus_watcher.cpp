#include "platform/qt/qt_bus_watcher.h"

#include <QSocketNotifier>
#include <QWidget>

#include "platform/posix/local_socket_bus.h"

QtBusWatcher::QtBusWatcher(LocalSocketBus& bus, QWidget& window) : bus_(bus) {
    bus_.SetTitle(window.windowTitle().toStdString());
    connect(&window, &QWidget::windowTitleChanged, this,
            [this](const QString& title) { bus_.SetTitle(title.toStdString()); });
    if (bus_.IsOpen()) {
        notifier_ = new QSocketNotifier(bus_.Fd(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            // Should anything the handler does run a nested event loop, the bus is not served
            // from inside its own handler.
            notifier_->setEnabled(false);
            bus_.ProcessPending();
            notifier_->setEnabled(true);
        });
    }
}
