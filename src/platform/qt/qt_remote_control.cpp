#include "platform/qt/qt_remote_control.h"

#include <QLabel>
#include <QSocketNotifier>
#include <set>

#include "controller/receiver_controller.h"
#include "remote/remote_status_text.h"

namespace {

// A notifier may be the one whose signal is being handled: it is switched off at once and
// deleted once the event loop is back.
void Retire(std::unique_ptr<QSocketNotifier>& notifier) {
    notifier->setEnabled(false);
    notifier.release()->deleteLater();
}

}  // namespace

QtRemoteControl::QtRemoteControl(CReceiverController& controller, QLabel& status)
    : controller_(controller), status_(status), radio_(controller), server_(radio_) {}

QtRemoteControl::~QtRemoteControl() {
    server_.Close();
    for (auto& [fd, notifier] : readers_) notifier->setEnabled(false);
    for (auto& [fd, notifier] : writers_) notifier->setEnabled(false);
}

bool QtRemoteControl::Enabled() const {
    return controller_.Settings().RemoteEnabled == 1;
}

void QtRemoteControl::SetEnabled(bool on) {
    controller_.SetRemoteEnabled(on ? 1 : 0);
    Apply();
}

void QtRemoteControl::Apply() {
    const ProfileSettings& settings = controller_.Settings();
    if (settings.RemoteEnabled == 1) {
        openResult_ = server_.Open(settings.RemoteAddress, settings.RemotePort);
    } else {
        server_.Close();
    }
    Follow();
}

void QtRemoteControl::Follow() {
    std::set<int> reading;
    std::set<int> writing;
    for (const TcpRemoteServer::Watch& watch : server_.Watches()) {
        if (watch.read) reading.insert(watch.fd);
        if (watch.write) writing.insert(watch.fd);
    }
    const auto follow = [this](std::map<int, std::unique_ptr<QSocketNotifier>>& notifiers,
                               const std::set<int>& wanted, QSocketNotifier::Type type) {
        for (auto it = notifiers.begin(); it != notifiers.end();) {
            if (wanted.count(it->first) != 0) {
                ++it;
                continue;
            }
            Retire(it->second);
            it = notifiers.erase(it);
        }
        for (int fd : wanted) {
            if (notifiers.count(fd) != 0) continue;
            auto notifier = std::make_unique<QSocketNotifier>(fd, type);
            connect(notifier.get(), &QSocketNotifier::activated, this, [this, fd, type] {
                if (type == QSocketNotifier::Read) {
                    server_.OnReadable(fd);
                } else {
                    server_.OnWritable(fd);
                }
                Follow();
            });
            notifiers.emplace(fd, std::move(notifier));
        }
    };
    follow(readers_, reading, QSocketNotifier::Read);
    follow(writers_, writing, QSocketNotifier::Write);
    ShowStatus();
}

void QtRemoteControl::ShowStatus() {
    const ProfileSettings& settings = controller_.Settings();
    const std::string text = RemoteStatusText(
        settings.RemoteEnabled == 1, openResult_, settings.RemoteAddress,
        server_.IsOpen() ? server_.Port() : settings.RemotePort, server_.ClientCount());
    status_.setText(QString::fromStdString(text));
    status_.setVisible(!text.empty());
}
