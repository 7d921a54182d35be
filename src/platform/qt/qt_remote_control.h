#pragma once

#include <QObject>
#include <map>
#include <memory>

#include "platform/posix/tcp_remote_server.h"
#include "remote/controller_remote_radio.h"

class CReceiverController;
class QLabel;
class QSocketNotifier;

// Network control in the Qt event loop: the rigctld-protocol server over the controller, its
// sockets watched by notifiers (nothing here ever waits), and the status line kept current.
class QtRemoteControl : public QObject {
    Q_OBJECT

  public:
    // Neither is owned; both must outlive this object.
    QtRemoteControl(CReceiverController& controller, QLabel& status);
    ~QtRemoteControl() override;

    // Listens or stops as the profile's "Remote" section says.
    void Apply();
    bool Enabled() const;
    // The user's switch: kept in the profile, applied at once.
    void SetEnabled(bool on);

  private:
    // Brings the notifiers in line with what the server watches now, and the status line.
    void Follow();
    void ShowStatus();

    CReceiverController& controller_;
    QLabel& status_;
    ControllerRemoteRadio radio_;
    TcpRemoteServer server_;
    int openResult_ = 0;
    std::map<int, std::unique_ptr<QSocketNotifier>> readers_;
    std::map<int, std::unique_ptr<QSocketNotifier>> writers_;
};
