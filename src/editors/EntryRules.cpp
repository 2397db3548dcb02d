#include "editors/EntryRules.h"

#include "model/EntrySyntax.h"
#include "platform/Text.h"

#include <algorithm>

namespace rp {

namespace {

bool isDigit(QChar c, char low = '0') {
    return c >= QLatin1Char(low) && c <= QLatin1Char('9');
}
bool isEnter(QChar c) {
    return c == QChar(kEnterChar);
}
bool isQuote(QChar c) {
    return c == QLatin1Char('\'') || c == QLatin1Char('"');
}

} // namespace

KeyOutcome AgentNameKey(QChar c) {
    return isQuote(c) ? KeyOutcome::blank() : KeyOutcome::pass(c);
}

KeyOutcome AgentInitialsKey(QChar c) {
    return AgentNameKey(c);
}

KeyOutcome AgentSitesKey(QChar c) {
    return isDigit(c, '1') || c == QLatin1Char(' ') || isEnter(c) ? KeyOutcome::pass(c)
                                                                  : KeyOutcome::refuse(c);
}

KeyOutcome MaxTimesKey(QChar c) {
    return isDigit(c) || isEnter(c) ? KeyOutcome::pass(c) : KeyOutcome::refuse(c);
}

KeyOutcome DateListKey(QChar c) {
    return isDigit(c) || c == QLatin1Char(' ') || c == QLatin1Char('-') || isEnter(c) ? KeyOutcome::pass(c)
                                                                                      : KeyOutcome::refuse(c);
}

KeyOutcome ManualOnKey(QChar c) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('h'))
        return KeyOutcome::pass(c.toUpper());
    if (isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('H')) || c == QLatin1Char(' ') || isEnter(c))
        return KeyOutcome::pass(c);
    return KeyOutcome::refuse(c);
}

KeyOutcome ManualSiteKey(QChar c) {
    return MaxTimesKey(c);
}

KeyOutcome AnyKey(QChar c) {
    return KeyOutcome::pass(c);
}

KeyOutcome SiteNameKey(QChar c) {
    return IsSiteNameCharacter(c) ? KeyOutcome::pass(c) : KeyOutcome::blank();
}

KeyOutcome SiteLinkKey(QChar c) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return KeyOutcome::pass(c.toUpper());
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || isEnter(c) ? KeyOutcome::pass(c)
                                                                          : KeyOutcome::refuse(c);
}

KeyOutcome SlotCountKey(QChar c) {
    return MaxTimesKey(c);
}

FilteredText FilterInsertion(const QString& inserted, KeyRule rule, int room) {
    FilteredText out;
    for (QChar c : inserted) {
        // A pasted line feed counts as the Enter key.
        const QChar key = c == QLatin1Char('\n') ? QChar(kEnterChar) : c;
        const KeyOutcome o = rule(key);
        if (o.kind == KeyOutcome::Kind::Refuse) {
            out.refused = true;
            continue;
        }
        if (o.kind == KeyOutcome::Kind::Replace)
            out.replaced = true;
        else if (isEnter(o.ch))
            continue;
        if (room >= 0 && out.text.size() >= room) {
            out.cut = true;
            break;
        }
        out.text += o.ch;
    }
    return out;
}

QString StoredFormOfEmptied(const QString& text, const QString& storedForm) {
    return text.isEmpty() ? storedForm : text;
}

bool IsBlankText(const QString& text) {
    return trimBlanks(text).isEmpty();
}

int LowestFreeSiteNumber(const QList<int>& numbers) {
    int n = 1;
    while (numbers.contains(n))
        ++n;
    return n;
}

QString AgentListEntry(const QString& name, const QString& initials) {
    return name + QStringLiteral(" (") + initials + QLatin1Char(')');
}

QString AgentNameOfEntry(const QString& entry) {
    const qsizetype at = entry.indexOf(QStringLiteral(" ("));
    return at < 0 ? entry : entry.left(at);
}

QString SiteListEntry(const QString& number, const QString& name) {
    return number + QStringLiteral(" - ") + name;
}

std::optional<QChar> SiteDigitOfEntry(const QString& entry) {
    if (entry.isEmpty() || entry[0] < QLatin1Char('1') || entry[0] > QLatin1Char('9'))
        return std::nullopt;
    return entry[0];
}

std::optional<QString> SitesAfterListClick(const QString& sites, const QString& entry) {
    const auto digit = SiteDigitOfEntry(entry);
    if (!digit || sites.size() > kAgentSitesClickRoom)
        return std::nullopt;
    return sites + QLatin1Char(' ') + *digit;
}

QString SiteTimesEntry(const QString& number, const QString& name) {
    QString n = number;
    n.remove(QLatin1Char(' '));
    return n + QLatin1Char('_') + name;
}

QString SiteNameOfTimesEntry(const QString& entry) {
    return entry.mid(2);
}

QString SlotColumn(int box) {
    static const char* const periods[] = {"fdAM", "fdPM", "fdEV"};
    if (box < 0 || box >= kSlotBoxes)
        return {};
    return QLatin1String(periods[box % 3]) + QString::number(box / 3 + 1);
}

bool NeedsDashTip(bool alreadyShown, const QString& text) {
    return !alreadyShown && text.size() > kDashTipLength;
}

} // namespace rp
