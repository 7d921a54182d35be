#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "platform/posix/local_socket_bus.h"

class CMainDialog;
class QSocketNotifier;
class QWidget;

// Makes the main window take part in the copy-data exchange: joins the local bus under the
// window's title (and follows every change of it), and hands each incoming message to the main
// dialog from the event loop, like any other window message.
class QtCopyDataBus : public QObject {
    Q_OBJECT

  public:
    // Neither window nor dialog is owned; both must outlive this object.
    QtCopyDataBus(QWidget& window, CMainDialog& dialog, QObject* parent = nullptr);
    ~QtCopyDataBus() override;

    // Joins the bus in directory, the user's default when empty. 0 joined, else
    // LocalSocketBus::Open's code; the program then runs without the exchange.
    int Open(const std::string& directory = std::string());

    // For CMainDialog::SetCopyDataBus.
    LocalSocketBus& Bus() { return bus_; }

  private:
    LocalSocketBus bus_;
    // Declared after the bus, so it goes before the socket it watches is closed.
    std::unique_ptr<QSocketNotifier> notifier_;
};
