// The checks the editors run when a date list or a manual slot list field is left.
#include "TestFolder.h"
#include "model/EntrySyntax.h"

using namespace rp;

namespace {

const QString kDateTitle = QStringLiteral("Date entry error");
const QString kManualTitle = QStringLiteral("can ONLY work Error");

struct CheckResult {
    bool passed = false;
    QString field;
    std::vector<ScriptedUi::Message> messages;
};

template <class Check> CheckResult run(Check check, const QString& text) {
    ScriptedUi ui;
    CheckResult r;
    r.field = text;
    r.passed = check(r.field, ui);
    r.messages = ui.messages();
    test::expectNoUnexpectedPrompts(ui);
    return r;
}

CheckResult dateCheck(const QString& text) {
    return run(CheckDateList, text);
}
CheckResult manualCheck(const QString& text) {
    return run(CheckManualList, text);
}

} // namespace

TEST(DateListCheck, AcceptsDaysUpTo31AndRejects32WithItsMessage) {
    for (const char* ok : {"31", "1 15 31", "5-31", "005", "3 2"}) {
        const auto r = dateCheck(QString::fromLatin1(ok));
        EXPECT_TRUE(r.passed) << ok;
        EXPECT_TRUE(r.messages.empty()) << ok;
        EXPECT_EQ(r.field, QString::fromLatin1(ok)); // a passing field is left as typed
    }
    for (const char* bad : {"32", "1 32", "1-32", "312", "5 99x"}) {
        const auto r = dateCheck(QString::fromLatin1(bad));
        EXPECT_FALSE(r.passed) << bad;
        ASSERT_EQ(r.messages.size(), 1u) << bad;
        test::expectMessage(r.messages[0], "Check the dates entered", kDateTitle, Icon::None, Buttons::Ok);
        EXPECT_EQ(r.field, QString::fromLatin1(bad));
    }
}

TEST(DateListCheck, LettersAreNotRejected) {
    EXPECT_TRUE(dateCheck(QStringLiteral("5x")).passed);
    EXPECT_TRUE(dateCheck(QStringLiteral("x40")).passed); // no leading digits: read as 0
}

TEST(DateListCheck, AnEmptyFieldBecomesOneBlankAndPasses) {
    for (const char* empty : {"", "   "}) {
        const auto r = dateCheck(QString::fromLatin1(empty));
        EXPECT_TRUE(r.passed);
        EXPECT_EQ(r.field, QStringLiteral(" "));
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST(ManualListCheck, AcceptsDaysWithSlotLetters) {
    for (const char* ok : {"1A 12G 26C", "1A12G26C", " 31H ", "1 A", "10B 20D 30F"}) {
        const auto r = manualCheck(QString::fromLatin1(ok));
        EXPECT_TRUE(r.passed) << ok;
        EXPECT_TRUE(r.messages.empty()) << ok;
    }
}

TEST(ManualListCheck, AnEmptyFieldBecomesOneBlankAndPasses) {
    const auto r = manualCheck(QStringLiteral("  "));
    EXPECT_TRUE(r.passed);
    EXPECT_EQ(r.field, QStringLiteral(" "));
}

TEST(ManualListCheck, RejectsEveryBrokenRule) {
    const char* const broken[] = {
        "1a",      // lower-case letter is no slot letter
        "40A",     // first digit beyond 3
        "32A",     // day beyond 31
        "0A",      // day 0
        "1A 12",   // last character is no slot letter
        "A1",      // letter before the date
        "123A",    // three-digit day
        "1I",      // letter beyond H
        "5A 6B 7", // last entry without a letter
    };
    for (const char* bad : broken) {
        const auto r = manualCheck(QString::fromLatin1(bad));
        EXPECT_FALSE(r.passed) << bad;
        ASSERT_EQ(r.messages.size(), 1u) << bad;
        test::expectMessage(r.messages[0], {.title = kManualTitle, .buttons = Buttons::Ok});
        EXPECT_EQ(r.field, QString::fromLatin1(bad));
    }
}

TEST(ManualListCheck, MessageTextLineByLine) {
    const auto r = manualCheck(QStringLiteral("1a"));
    ASSERT_EQ(r.messages.size(), 1u);
    const QStringList lines = r.messages[0].text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("       CHECK THE FOLLOWING:"), QString(),
                                  QStringLiteral("1. Each Date needs a Letter Slot.  "),
                                  QStringLiteral("2. The Letter follows the Date.  "),
                                  QStringLiteral("3. Only Dates between 1 and 31.  "),
                                  QStringLiteral("4. Separate entries with a space. "), QString(),
                                  QStringLiteral("       [Example: 1A 12G 26C]")}));
}
