#include "workspace/PrintNames.h"

#include "workspace/ProductInfo.h"

namespace rp {

QString PrintTitleSuffix() {
    if (kProductWebAddress.isEmpty() || kProductWebAddress.endsWith(QLatin1String(".example")))
        return QString();
    return QString(20, QLatin1Char(' ')) + kProductWebAddress;
}

QString PrintDocumentName(const QString& heading, int month, int year) {
    QString name = heading;
    for (QChar& c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
              c == QLatin1Char('&')))
            c = QLatin1Char(' ');
    }
    name = name.simplified();
    const QString date =
        QStringLiteral("%1-%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
    return name.isEmpty() ? date : name + QLatin1Char(' ') + date;
}

} // namespace rp
