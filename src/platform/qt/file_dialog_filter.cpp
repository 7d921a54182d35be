#include "platform/qt/file_dialog_filter.h"

#include <QString>

QStringList QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.isEmpty()) {
            break;  // the empty pair that ends the list
        }
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString listed = QStringLiteral("(%1)").arg(patterns);
        result << (description.endsWith(listed) ? description
                                                : QStringLiteral("%1 %2").arg(description, listed));
    }
    return result;
}
