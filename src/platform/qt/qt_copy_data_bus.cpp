#include "platform/qt/qt_copy_data_bus.h"

#include <QWidget>

#include "platform/posix/bus_directory.h"
#include "platform/qt/qt_bus_watcher.h"
#include "ui/main_dialog.h"

QtCopyDataBus::QtCopyDataBus(QWidget& window, CMainDialog& dialog) : window_(window) {
    bus_.SetCopyDataHandler(
        [&dialog](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
            return static_cast<std::int32_t>(dialog.OnCopyData(value, data, size));
        });
}

QtCopyDataBus::~QtCopyDataBus() = default;

int QtCopyDataBus::Open(const std::string& directory) {
    watcher_.reset();
    const int status = bus_.Open(directory.empty() ? DefaultBusDirectory() : directory);
    // Watched only once open: the watcher takes the socket as it finds it.
    if (status == 0) watcher_ = std::make_unique<QtBusWatcher>(bus_, window_);
    return status;
}
