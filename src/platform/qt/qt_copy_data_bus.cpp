#include "platform/qt/qt_copy_data_bus.h"

#include <QSocketNotifier>
#include <QWidget>

#include "platform/posix/bus_directory.h"
#include "ui/main_dialog.h"

QtCopyDataBus::QtCopyDataBus(QWidget& window, CMainDialog& dialog, QObject* parent)
    : QObject(parent) {
    bus_.SetTitle(window.windowTitle().toStdString());
    bus_.SetCopyDataHandler(
        [&dialog](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
            return static_cast<std::int32_t>(dialog.OnCopyData(value, data, size));
        });
    // The partner finds the window by its title, which says whether the receiver answers.
    connect(&window, &QWidget::windowTitleChanged, this,
            [this](const QString& title) { bus_.SetTitle(title.toStdString()); });
}

QtCopyDataBus::~QtCopyDataBus() = default;

int QtCopyDataBus::Open(const std::string& directory) {
    notifier_.reset();
    const int status = bus_.Open(directory.empty() ? DefaultBusDirectory() : directory);
    if (status != 0) return status;
    notifier_ =
        std::make_unique<QSocketNotifier>(static_cast<qintptr>(bus_.Fd()), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { bus_.ProcessPending(); });
    return 0;
}
