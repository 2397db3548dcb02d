#pragma once

#include "platform/Error.h"

#include <QStringList>
#include <QUrl>

namespace rp {

// The lines of a help text, whether its lines end with CR LF or LF. A missing file throws Error 53, one
// that cannot be read 70 or 75.
QStringList ReadHelpLines(const QString& path);

// The message of a help text that cannot be read.
QString HelpReadErrorText(const QString& path, const Error& error);

// A plain help text as a page of the web help: its lines as they are, its first line as the title.
QString HelpTextPage(const QStringList& lines);

// Where an address of the web help leads. Only files of the help folder are shown; web and mail
// addresses go to the desktop's own programs; anything else is refused.
struct HelpLink {
    enum Kind { Page, External, Refused };
    Kind kind = Refused;
    QUrl url;
};
// A link of a help page, already resolved against the page.
HelpLink ResolveHelpLink(const QUrl& url, const QString& helpFolder);
// An address typed into the address box: a web address, or a file name or path taken relative to the
// help folder.
HelpLink ResolveHelpAddress(const QString& typed, const QString& helpFolder);

} // namespace rp
