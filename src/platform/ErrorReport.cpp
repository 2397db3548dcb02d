#include "platform/ErrorReport.h"

#include "platform/Ui.h"

#include <QStringList>

namespace rp {

QString DatabaseAccessMessageText(const QString& databasePath) {
    const QStringList lines{
        QStringLiteral("The database file cannot be accessed.       "),
        QStringLiteral("The file's properties may be set to 'Read-only'.   "),
        QStringLiteral("This can happen as a result of using a CD to "),
        QStringLiteral("copy or transfer the file.  "),
        QString(),
        QStringLiteral("To check and remove the 'Read-only' property: "),
        QString(),
        QStringLiteral("The file's name and path is %1.   ").arg(databasePath),
        QStringLiteral("Locate the file, right click on the file, choose "),
        QStringLiteral("'Properties', then uncheck the 'Read-only' box. "),
        QString(),
        QStringLiteral("If the file is not read only, ask your system "),
        QStringLiteral("administrator about your permissions to access "),
        QStringLiteral("this file, or contact us using the help menu."),
        QString(),
        QStringLiteral("This program will now exit."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void ShowDatabaseAccessMessage(Ui& ui, const QString& databasePath) {
    ui.setBusy(false);
    ui.message(DatabaseAccessMessageText(databasePath), kDatabaseAccessTitle, Icon::Critical, Buttons::Ok);
    ui.endProgram();
    throw ProgramEnded{};
}

QString ErrorReportText(const Error& e) {
    return QStringLiteral("Error: %1. #%2.").arg(e.description).arg(e.number);
}

void ReportError(Ui& ui, const Error& e, const QString& title, const QString& databasePath) {
    ui.setBusy(false);
    if (e.number == err::CannotAccessDatabase)
        ShowDatabaseAccessMessage(ui, databasePath);
    ui.message(ErrorReportText(e), title, Icon::Critical);
}

} // namespace rp
