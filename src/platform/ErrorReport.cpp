#include "platform/ErrorReport.h"

#include "platform/Ui.h"

#include <QStringList>

namespace rp {

QString DatabaseAccessMessageText(const QString& databasePath) {
    // A file copied from a CD keeps the CD's read-only mode; the advice is the file's owner and its
    // write permission (and its folder's, where the database writes its journal).
    const QStringList lines{
        QStringLiteral("The database file cannot be accessed.       "),
        QStringLiteral("The file's properties may be set to 'Read-only'.   "),
        QStringLiteral("This can happen as a result of using a CD to "),
        QStringLiteral("copy or transfer the file.  "),
        QString(),
        QStringLiteral("To check the file's owner and write permission: "),
        QString(),
        QStringLiteral("The file's name and path is %1.   ").arg(databasePath),
        QStringLiteral("It must belong to your user, who needs write "),
        QStringLiteral("permission on the file and on its folder. In a "),
        QStringLiteral("terminal, ls -l shows the owner and permissions; "),
        QStringLiteral("chmod u+w gives the owner write permission. "),
        QString(),
        QStringLiteral("If the file belongs to another user, ask your system "),
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
