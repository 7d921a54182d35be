#pragma once

#include <memory>
#include <string>

#include "platform/posix/local_socket_bus.h"

class CMainDialog;
class QtBusWatcher;
class QWidget;

// The main window's place in the copy-data exchange: owns the local bus, hands each incoming
// message to the main dialog, and lets the event loop answer requests under the window's title.
class QtCopyDataBus {
  public:
    // Neither window nor dialog is owned; both must outlive this object.
    QtCopyDataBus(QWidget& window, CMainDialog& dialog);
    ~QtCopyDataBus();
    QtCopyDataBus(const QtCopyDataBus&) = delete;
    QtCopyDataBus& operator=(const QtCopyDataBus&) = delete;

    // Joins the bus in directory, the user's default when empty. 0 joined, else
    // LocalSocketBus::Open's code; the program then runs without the exchange ("ZEL" finds no
    // partner and nobody can reach this window).
    int Open(const std::string& directory = std::string());

    // For CMainDialog::SetCopyDataBus.
    LocalSocketBus& Bus() { return bus_; }

  private:
    QWidget& window_;
    LocalSocketBus bus_;
    // Declared after the bus, so it stops watching before the socket is closed.
    std::unique_ptr<QtBusWatcher> watcher_;
};
