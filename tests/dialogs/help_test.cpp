// The help window's pages and buttons, and the copyright year of the help and about windows.
#include "dialogs/aboutform.h"
#include "dialogs/helpform.h"
#include "platform/opener.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QString firstLine(const QTextEdit* page) { return page->toPlainText().section(QLatin1Char('\n'), 0, 0); }

} // namespace

TEST(HelpWindow, EachButtonBringsItsPageForwardUnderItsCaption)
{
    Thelp help;
    help.show();
    auto* caption = help.findChild<QLabel*>("label_caption");
    EXPECT_EQ(help.windowTitle(), "Tilvaro - Help File");
    EXPECT_EQ(caption->text(), "Overview");
    EXPECT_EQ(help.currentPage()->objectName(), "memo1");

    const std::pair<const char*, const char*> buttons[] = {
        {"Connecting", "memo2"}, {"Game Play", "memo3"}, {"Scoring", "memo4"}, {"Documentation", "memo5"},
        {"License", "memo6"},    {"The Lobby", "memo11"}, {"Overview", "memo1"}};
    for (const auto& [text, memo] : buttons) {
        QPushButton* chosen = nullptr;
        for (QPushButton* button : help.findChildren<QPushButton*>())
            if (button->text() == text)
                chosen = button;
        ASSERT_NE(chosen, nullptr) << text;
        QTest::mouseClick(chosen, Qt::LeftButton);
        EXPECT_EQ(caption->text(), text);
        EXPECT_EQ(help.currentPage()->objectName(), memo);
        EXPECT_TRUE(help.currentPage()->isVisible()) << memo;
        EXPECT_TRUE(help.currentPage()->isReadOnly()) << memo;
        if (text == QString("Documentation")) {
            EXPECT_EQ(firstLine(help.currentPage()), "History");
        }
    }
}

TEST(HelpWindow, GamePlayDealsAsTheHostDealsAndAboutAndDoneWork)
{
    Thelp help;
    help.show();
    const QString rules = help.findChild<QTextEdit*>("memo3")->toPlainText();
    // Players and bones each, one table row to a line.
    for (const char* row : {"2\n16", "3\n14", "4\n11", "5\n9", "6\n7"})
        EXPECT_TRUE(rules.contains(row)) << row;
    EXPECT_TRUE(rules.contains("double 9") && rules.contains("double 8"));
    EXPECT_TRUE(help.findChild<QTextEdit*>("memo4")->toPlainText().contains("-20"));
    // The history lists the newest version first.
    const QString history = help.findChild<QTextEdit*>("memo5")->toPlainText();
    EXPECT_LT(history.indexOf("1.0.4"), history.indexOf("1.0.3"));
    EXPECT_LT(history.indexOf("1.0.1"), history.indexOf("1.0.0"));
    EXPECT_TRUE(help.findChild<QTextEdit*>("memo6")->toPlainText().contains("GNU General Public License"));

    int aboutShown = 0;
    help.setShowAbout([&] { ++aboutShown; });
    QTest::mouseClick(help.findChild<QPushButton*>("button_about"), Qt::LeftButton);
    EXPECT_EQ(aboutShown, 1);
    EXPECT_TRUE(help.isVisible());
    QTest::mouseClick(help.findChild<QPushButton*>("button_done"), Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindow, ThePagesStateTheRulesTheGameKeeps)
{
    Thelp help;
    const auto page = [&](const char* memo) {
        return help.findChild<QTextEdit*>(memo)->toPlainText().simplified();
    };
    const QString connecting = page("memo2"), play = page("memo3"), scoring = page("memo4");
    // The port a host must open, and only that one anywhere.
    EXPECT_TRUE(connecting.contains("TCP port 7772")) << connecting.toStdString();
    for (const char* memo : {"memo1", "memo2", "memo3", "memo4", "memo5", "memo6", "memo11"}) {
        const QRegularExpression port("port\\D{0,12}(\\d+)", QRegularExpression::CaseInsensitiveOption);
        for (auto found = port.globalMatch(page(memo)); found.hasNext();)
            EXPECT_EQ(found.next().captured(1), "7772") << memo;
    }
    EXPECT_TRUE(connecting.contains("When the host leaves or loses the connection, the game ends for everyone"))
        << connecting.toStdString();
    // Three toes off every spinner, a played double's included, before any is built on.
    EXPECT_TRUE(play.contains("Three lines of bones, the toes, grow out of the spinner"));
    EXPECT_TRUE(play.contains("All three toes must be started before anyone may build on them"));
    EXPECT_TRUE(play.contains("A double played on the end of a toe becomes the new spinner"));
    EXPECT_TRUE(play.contains("three new toes have to be started from it"));
    // The lowest total wins, never the highest.
    EXPECT_TRUE(play.contains("the player with the lowest total wins")) << play.toStdString();
    EXPECT_TRUE(scoring.contains("the lowest total wins the game")) << scoring.toStdString();
    for (const QString& text : {play, scoring})
        EXPECT_FALSE(text.contains("highest total wins"));
}

TEST(CopyrightYear, BothWindowsCloseTheirNoticeWithTheClocksYear)
{
    for (const int year : {2031, 2047}) {
        Thelp help(nullptr, QPixmap(), [year] { return year; });
        Tabout about(nullptr, QPixmap(), [year] { return year; });
        for (QWidget* window : {static_cast<QWidget*>(&help), static_cast<QWidget*>(&about)}) {
            window->show();
            auto* label = window->findChild<QLabel*>("label_year");
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), QString::number(year));
            // The year reads right after "Copyright © 2025 - " on the same line.
            QLabel* notice = nullptr;
            for (QLabel* candidate : window->findChildren<QLabel*>())
                if (candidate->text().startsWith(QStringLiteral("Copyright \u00a9")))
                    notice = candidate;
            ASSERT_NE(notice, nullptr);
            EXPECT_EQ(notice->y(), label->y());
            EXPECT_LE(notice->geometry().right(), label->x());
            EXPECT_LE(label->x() - notice->geometry().right(), 2);
        }
    }
}

TEST(AboutBox, TheLinkOpensTheMakersSiteAndTheLogoHidesTheBox)
{
    RecordingOpener opener;
    Tabout about;
    about.setOpener(opener);
    about.show();
    EXPECT_EQ(about.windowTitle(), "Tilvaro - About");
    auto* link = about.findChild<QLabel*>("Label7");
    EXPECT_EQ(link->text(), "www.tilvaro.org");
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opener.opened, QStringList{"http://www.tilvaro.org"});

    // Without a browser nothing shows and the box stays as it was.
    opener.answer = false;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opener.opened.size(), 2);
    EXPECT_TRUE(about.isVisible());

    auto* logo = about.findChild<QLabel*>("Image1");
    EXPECT_FALSE(logo->pixmap().isNull());
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    // The maker's name twice, the second after "Programmed by:".
    int named = 0;
    for (QLabel* label : about.findChildren<QLabel*>())
        named += label->text().contains("The Tilvaro Team");
    EXPECT_EQ(named, 2);
}
