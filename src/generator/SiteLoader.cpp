#include "generator/SiteLoader.h"

#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "model/SlotLetters.h"
#include "platform/ErrorReport.h"
#include "platform/Text.h"
#include "platform/Ui.h"

#include <algorithm>
#include <optional>

namespace rp {

namespace {

const QString kTitle = QStringLiteral("RPRtnsMsbrSitesOpen");

struct SiteRecord {
    QString pattern;
    QString closed; // canonical, expanded date list
    bool hasClosed = false;
};

// Position of a (letter, weekday) group in the fill order.
int fillRank(QChar letter, QChar weekday) {
    const int l = letter.unicode() - 'A';
    const int w = weekday.digitValue();
    if (w == 1)
        return l;
    if (w == 7)
        return 8 + l;
    static const int weekdayGroup[8] = {5, 6, 7, 2, 3, 4, 0, 1}; // A..H -> G, H, D, E, F, A, B, C order
    return 16 + weekdayGroup[l] * 5 + (w - 2);
}

} // namespace

QString WeeklyPattern(const std::array<std::array<qint64, 8>, 3>& counts) {
    QString pattern;
    for (int w = 1; w <= 7; ++w) {
        const QString digit = QString::number(w);
        const QString letters =
            LettersInUse(counts[0][size_t(w)], counts[1][size_t(w)], counts[2][size_t(w)]);
        for (QChar letter : letters)
            pattern += letter + digit;
    }
    return pattern;
}

void SortIntoFillOrder(std::vector<int>& open, const MonthTokens& month) {
    std::array<int, kMaxMonthSlots> rank{};
    for (int i : open)
        rank[size_t(i)] = fillRank(month.letterOf(i), month.weekdayOf(i));
    std::stable_sort(open.begin(), open.end(),
                     [&](int x, int y) { return rank[size_t(x)] < rank[size_t(y)]; });
}

bool LoadSites(Program& program, GenerationTables& tables) {
    Ui& ui = program.ui;
    std::array<SiteRecord, 10> records{};
    for (auto& s : tables.sites)
        s = SiteSlots{};
    bool opened = false;
    try {
        auto rs = tables.office(program.paths.DatabasePath).openTable(QStringLiteral("Sites"));
        opened = true;
        if (rs->recordCount() == 0) {
            program.schedule.SiteCount = 0;
            ui.message(QStringLiteral("Database reports having no sites entered."), kTitle, Icon::None,
                       Buttons::Ok);
            return true;
        }
        program.schedule.SiteCount = kMaxSites;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
            const QVariant number = rs->field(QStringLiteral("fdSNum"));
            if (number.isNull())
                throw Error::runtime(err::InvalidUseOfNull);
            const std::optional<qint64> n = numberField(*rs, QStringLiteral("fdSNum"));
            if (!n || *n < 1 || *n > kMaxSites)
                throw Error::runtime(err::SubscriptOutOfRange);
            std::array<std::array<qint64, 8>, 3> counts{};
            static const char* const periods[] = {"fdAM", "fdPM", "fdEV"};
            for (int p = 0; p < 3; ++p) {
                for (int w = 1; w <= 7; ++w)
                    counts[size_t(p)][size_t(w)] =
                        numberField(*rs, QLatin1String(periods[p]) + QString::number(w)).value_or(0);
            }
            SiteRecord& r = records[size_t(*n)];
            r.pattern = WeeklyPattern(counts);
            const QString closed = textField(*rs, QStringLiteral("fdSClose"));
            r.hasClosed = !closed.isEmpty();
            r.closed = r.hasClosed ? ExpandDateRanges(CanonicaliseDateList(closed)) : QString();
            SiteSlots& site = tables.sites[size_t(*n)];
            site.name = textField(*rs, QStringLiteral("fdSName"));
            site.numberText = trimBlanks(number.toString());
            site.link = textField(*rs, QStringLiteral("fdLink")).left(1);
        }
    } catch (const Error& e) {
        ReportError(ui, e, kTitle, program.paths.DatabasePath);
        if (!opened)
            return false;
    }

    const MonthTokens& month = tables.month;
    std::vector<bool> seen(size_t(kMaxMonthSlots), false);
    for (int s = 1; s <= kMaxSites; ++s) {
        SiteSlots& site = tables.sites[size_t(s)];
        const SiteRecord& r = records[size_t(s)];
        if (site.name.isEmpty() || site.numberText.isEmpty())
            continue;
        // The pattern is a list of letter and weekday pairs; a table of them answers for each token.
        std::array<std::array<bool, 8>, 8> opens{};
        for (qsizetype k = 0; k + 2 <= r.pattern.size(); k += 2) {
            const int letter = r.pattern[k].unicode() - 'A', weekday = r.pattern[k + 1].digitValue();
            if (letter >= 0 && letter < 8 && weekday >= 1 && weekday <= 7)
                opens[size_t(letter)][size_t(weekday)] = true;
        }
        for (int i = 0; i < month.count(); ++i) {
            const int letter = month.letterOf(i).unicode() - 'A', weekday = month.weekdayOf(i).digitValue();
            if (letter >= 0 && letter < 8 && weekday >= 1 && weekday <= 7 &&
                opens[size_t(letter)][size_t(weekday)])
                site.open.push_back(i);
        }
        if (r.hasClosed) {
            const QString keys = DateListToDayKeys(r.closed, QStringLiteral("ABCDEFGH"));
            for (qsizetype k = 0; k + 3 <= keys.size(); k += 3) {
                const int i = month.indexOfKey(keys.mid(k, 3));
                if (i >= 0)
                    removeIndex(site.open, i);
            }
        }
        SortIntoFillOrder(site.open, month);
        for (int i : site.open) {
            if (!seen[size_t(i)]) {
                seen[size_t(i)] = true;
                tables.combined.push_back(i);
            }
        }
    }
    return true;
}

} // namespace rp
