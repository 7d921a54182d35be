#pragma once

#include <QObject>

class LocalSocketBus;
class QSocketNotifier;
class QWidget;

// Keeps the copy-data bus in step with the Qt event loop: whenever the bus has work (a caller,
// bytes of a request, a deadline) the loop lets it go on, and the bus tells partners the window's
// current title (the partner program finds this one by its title).
class QtBusWatcher : public QObject {
    Q_OBJECT

  public:
    // Neither is owned; both must outlive the watcher. The bus must be open for requests to
    // be watched; the title is followed either way.
    QtBusWatcher(LocalSocketBus& bus, QWidget& window);

  private:
    LocalSocketBus& bus_;
    QSocketNotifier* notifier_ = nullptr;
};
