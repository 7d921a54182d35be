#include "platform/qt/screenshot_request.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

void ScheduleScreenshotFromEnvironment(QWidget& window) {
    const QString path = qEnvironmentVariable("ZORIVAN_SCREENSHOT");
    if (path.isEmpty()) {
        return;
    }
    bool valid = false;
    int delayMs = qEnvironmentVariableIntValue("ZORIVAN_SCREENSHOT_DELAY_MS", &valid);
    if (!valid || delayMs < 0) {
        delayMs = 2000;
    }
    QPointer<QWidget> target(&window);
    QTimer::singleShot(delayMs, &window, [target, path] {
        if (target != nullptr && !target->grab().save(path, "PNG")) {
            qWarning("zorivan: cannot write the screenshot %s", qPrintable(path));
        }
    });
}
