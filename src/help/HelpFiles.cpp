#include "help/HelpFiles.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <QDir>
#include <QFileInfo>

namespace rp {

QStringList ReadHelpLines(const QString& path) {
    const auto text = readExistingTextFile(path);
    if (!text)
        throw Error::runtime(err::FileNotFound);
    return splitLines(*text);
}

QString HelpReadErrorText(const QString& path, const Error& error) {
    return QStringLiteral("The help text %1 cannot be read.\r\n%2 #%3.")
        .arg(path, error.description)
        .arg(error.number);
}

QString HelpTextPage(const QStringList& lines) {
    const QString title = lines.isEmpty() ? QString() : lines.first().trimmed();
    return QStringLiteral("<html><head><title>%1</title></head><body><pre>%2</pre></body></html>")
        .arg(title.toHtmlEscaped(), lines.join(QLatin1Char('\n')).toHtmlEscaped());
}

HelpLink ResolveHelpLink(const QUrl& url, const QString& helpFolder) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        return {HelpLink::External, url};
    if (!url.isLocalFile())
        return {HelpLink::Refused, url};
    // Compared as canonical paths, so that neither ".." nor a symbolic link leads out of the folder.
    const QFileInfo file(url.toLocalFile());
    const QString folder = QFileInfo(helpFolder).canonicalFilePath();
    if (!file.isFile() || folder.isEmpty() || !file.canonicalFilePath().startsWith(folder + QLatin1Char('/')))
        return {HelpLink::Refused, url};
    QUrl page = QUrl::fromLocalFile(file.canonicalFilePath());
    page.setFragment(url.fragment());
    return {HelpLink::Page, page};
}

HelpLink ResolveHelpAddress(const QString& typed, const QString& helpFolder) {
    const QString text = typed.trimmed();
    if (text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("mailto:")))
        return ResolveHelpLink(QUrl(text), helpFolder);
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return ResolveHelpLink(QUrl(QStringLiteral("https://") + text), helpFolder);
    return ResolveHelpLink(QUrl::fromLocalFile(QDir(helpFolder).absoluteFilePath(text)), helpFolder);
}

} // namespace rp
