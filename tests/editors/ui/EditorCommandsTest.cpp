// What the agent and site editors share: their commands after a first draw that failed, the check of
// the box that has the focus before any command, and a click into a box that selects its text.
#include "EditorFixture.h"

using namespace rp;
using namespace rp::test;

namespace {

enum class Editor { Agents, Sites };

const char* tableOf(Editor e) {
    return e == Editor::Agents ? "Agents" : "Sites";
}

} // namespace

class EditorCommandsTest : public EditorTest {
protected:
    QDialog& openEditor(Editor e) {
        if (e == Editor::Agents)
            return agents();
        return sites();
    }
    // The commands that move through, add or remove records, with their mnemonics.
    static QList<std::pair<QPushButton*, Qt::Key>> recordCommands(QDialog& d) {
        QList<std::pair<QPushButton*, Qt::Key>> out;
        const std::pair<const char*, Qt::Key> commands[] = {{"add", Qt::Key_A},  {"delete", Qt::Key_D},
                                                            {"find", Qt::Key_F}, {"prev", Qt::Key_P},
                                                            {"next", Qt::Key_N}, {"cancel", Qt::Key_C}};
        for (const auto& [name, key] : commands) {
            for (QPushButton* b : d.findChildren<QPushButton*>()) {
                if (b->objectName().contains(QLatin1String(name), Qt::CaseInsensitive))
                    out.append({b, key});
            }
        }
        return out;
    }
};

// ---------------------------------------------------------------------------------------------------------
// A first draw that fails: the message once, no record commands, and the window still closes.

enum class Breakage { MissingFile, NotADatabase, MissingTable };
[[maybe_unused]] void PrintTo(Editor e, std::ostream* os) {
    *os << tableOf(e);
}
[[maybe_unused]] void PrintTo(Breakage b, std::ostream* os) {
    *os << (b == Breakage::MissingFile    ? "MissingFile"
            : b == Breakage::NotADatabase ? "NotADatabase"
                                          : "MissingTable");
}

class BrokenOfficeTest : public EditorCommandsTest,
                         public ::testing::WithParamInterface<std::tuple<Editor, Breakage>> {
protected:
    void breakOffice(Editor e, Breakage b) {
        const QString path = officePath();
        if (b == Breakage::MissingFile)
            ASSERT_TRUE(QFile::remove(path));
        else if (b == Breakage::NotADatabase)
            folder.write(QStringLiteral("floor.mdb"), QByteArray(4096, 'x'));
        else
            sql(QStringLiteral("DROP TABLE %1;").arg(QLatin1String(tableOf(e))));
    }
};

TEST_P(BrokenOfficeTest, ShowsTheFailureOnceAndOffersOnlyClosing) {
    const auto [editor, breakage] = GetParam();
    const int number = breakage == Breakage::MissingFile    ? err::FileNotFoundDb
                       : breakage == Breakage::NotADatabase ? err::UnrecognizedFormat
                                                            : err::TableNotFound;
    open(QStringLiteral("OneOffice"));
    breakOffice(editor, breakage);
    enum class Close { Exit, Escape, FrameButton };
    for (Close way : {Close::Exit, Close::Escape, Close::FrameButton}) {
        ui.clear();
        QDialog& d = openEditor(editor);
        ASSERT_TRUE(d.isVisible());
        ASSERT_EQ(ui.messages().size(), 1u) << ui.texts().join(QLatin1Char('\n'));
        expectMessage(ui.lastMessage(), {.title = editor == Editor::Agents ? "frmAgt_Paint" : "frmSite_Paint",
                                         .icon = Icon::Critical});
        EXPECT_TRUE(ui.lastMessage().text.endsWith(QStringLiteral(". #%1.").arg(number)))
            << ui.lastMessage().text;
        for (const auto& [button, mnemonic] : recordCommands(d)) {
            EXPECT_FALSE(button->isEnabled()) << button->objectName();
            pressMnemonic(d, mnemonic);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        EXPECT_EQ(ui.messages().size(), 1u) << ui.texts().join(QLatin1Char('\n'));
        if (way == Close::Exit)
            pressMnemonic(d, Qt::Key_E);
        else if (way == Close::Escape)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(ui.messages().size(), 1u);
    }
}

std::string brokenOfficeName(const ::testing::TestParamInfo<std::tuple<Editor, Breakage>>& info) {
    static const char* const breakages[] = {"MissingFile", "NotADatabase", "MissingTable"};
    return std::string(tableOf(std::get<0>(info.param))) + breakages[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Editors, BrokenOfficeTest,
                         ::testing::Combine(::testing::Values(Editor::Agents, Editor::Sites),
                                            ::testing::Values(Breakage::MissingFile, Breakage::NotADatabase,
                                                              Breakage::MissingTable)),
                         brokenOfficeName);

// ---------------------------------------------------------------------------------------------------------
// The box that has the focus is checked before any command, however the command is started.

struct PendingCheck {
    friend void PrintTo(const PendingCheck& p, std::ostream* os) { *os << p.box << " " << p.refused; }
    Editor editor;
    const char* box;
    const char* refused;
    const char* title;
    const char* accepted;
};

class PendingCheckTest : public EditorCommandsTest, public ::testing::WithParamInterface<PendingCheck> {};

TEST_P(PendingCheckTest, RefusesEveryWayOfStartingACommand) {
    const PendingCheck& c = GetParam();
    open(QStringLiteral("OneOffice"));
    const QString table = QLatin1String(tableOf(c.editor));
    const QStringList before = rows(table);
    QDialog& d = openEditor(c.editor);
    auto* box = d.findChild<EntryBox*>(QLatin1String(c.box));
    ASSERT_NE(box, nullptr);
    auto* ok = d.findChild<QPushButton*>(c.editor == Editor::Agents ? "cmdAgtOk" : "cmdSiteOk");
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"mnemonic", [&] { pressMnemonic(d, Qt::Key_E); }},
        {"mouse", [&] { QTest::mouseClick(ok, Qt::LeftButton); }},
        {"frame button", [&] { d.close(); }},
    };
    for (const auto& [way, start] : ways) {
        ui.clear();
        clickInto(box);
        retype(box, QLatin1String(c.refused));
        start();
        QCoreApplication::processEvents();
        ASSERT_EQ(ui.messages().size(), 1u) << way;
        EXPECT_EQ(ui.lastMessage().title, QLatin1String(c.title)) << way;
        EXPECT_TRUE(d.isVisible()) << way;
        EXPECT_TRUE(box->hasFocus()) << way;
        EXPECT_EQ(rows(table), before) << way;
        // Leaving the box later keeps the focus there without the message again.
        QTest::keyClick(box, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(box->hasFocus()) << way;
        EXPECT_EQ(ui.messages().size(), 1u) << way;
    }
    retype(box, QLatin1String(c.accepted));
    pressMnemonic(d, Qt::Key_E);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(rows(table).first().contains(QLatin1String(c.accepted)));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, PendingCheckTest,
    ::testing::Values(PendingCheck{Editor::Agents, "txtAOn1", "1A 32B", "can ONLY work Error", "1A 12G"},
                      PendingCheck{Editor::Sites, "txtHoliday", "25 40", "Date entry error", "25 29-31"}),
    [](const ::testing::TestParamInfo<PendingCheck>& info) { return std::string(info.param.box); });

// ---------------------------------------------------------------------------------------------------------
// A click into a box selects what typing then replaces.

TEST_F(EditorCommandsTest, AClickIntoABoxSelectsWhatTypingReplaces) {
    open(QStringLiteral("OneOffice"),
         QStringLiteral("UPDATE Agents SET fdManSite1 = 0, fdManSite2 = 0, fdMaxTimes = 99;"
                        "UPDATE Sites SET fdLink = 'A', fdAM2 = 1;"));
    const struct {
        Editor editor;
        const char* box;
        const char* shown;
        const char* typed;
    } cases[] = {
        {Editor::Agents, "txtASite1", "0", "2"}, {Editor::Agents, "txtASite2", "0", "3"},
        {Editor::Agents, "txtMax", "99", "12"},  {Editor::Sites, "txtSLink", "A", "B"},
        {Editor::Sites, "txtSlot_3", "1", "2"},
    };
    for (const auto& c : cases) {
        QDialog& d = openEditor(c.editor);
        auto* box = d.findChild<EntryBox*>(QLatin1String(c.box));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->text(), QLatin1String(c.shown));
        clickInto(box);
        QTest::keyClicks(box, QLatin1String(c.typed));
        EXPECT_EQ(box->text(), QLatin1String(c.typed)) << c.box;
        pressMnemonic(d, Qt::Key_E);
        ASSERT_FALSE(d.isVisible());
    }
    EXPECT_EQ(ui.beeps(), 0);
}
