#include "dialogs/aboutform.h"
#include "dialogs/downloadform.h"
#include "dialogs/helpform.h"
#include "dialogs/phrasesform.h"
#include "dialogs/tallylistform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QPushButton* buttonCalled(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

TEST(SideWindows, CaptionsAsPlayersKnowThem)
{
    EXPECT_EQ(Ttallylist().windowTitle(), "Tilvaro - Tally List");
    EXPECT_EQ(Tabout().windowTitle(), "Tilvaro - About");
    EXPECT_EQ(Tdownload().windowTitle(), "Download The Brisko Lobby");
    EXPECT_EQ(Thelp().windowTitle(), "Tilvaro - Help File");
    EXPECT_EQ(Tphrases().windowTitle(), "Tilvaro - Phrase Buttons ");
}

TEST(SideWindows, AboutBoxReadsVersion1042AndGivesTheTable104)
{
    Tabout about;
    about.show();
    auto* version = about.findChild<QLabel*>("version");
    ASSERT_TRUE(version);
    EXPECT_EQ(version->text(), "1.0.4");
    EXPECT_EQ(about.versionText(), "1.0.4");

    // The labels of the version line, left to right, read as one text.
    QList<QLabel*> line;
    for (QLabel* label : about.findChildren<QLabel*>())
        if (label->geometry().center().y() == version->geometry().center().y())
            line.append(label);
    std::sort(line.begin(), line.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QString reads;
    for (int i = 0; i < line.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(line[i]->x(), line[i - 1]->geometry().right() + 1);
        }
        reads += line[i]->text();
    }
    EXPECT_EQ(reads, "Version 1.0.4.2");

    QPushButton* done = buttonCalled(about, "Done");
    ASSERT_TRUE(done);
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(SideWindows, DownloadWindowStaysOnTopAndEnterGoesOnToTheSoloGame)
{
    Tdownload download;
    EXPECT_TRUE(download.windowFlags() & Qt::WindowStaysOnTopHint);
    download.show();
    auto* solo = download.findChild<QPushButton*>("Button1");
    ASSERT_TRUE(solo);
    EXPECT_EQ(solo->text(), "Play Solo Game");
    EXPECT_TRUE(solo->isDefault());

    QTest::keyClick(&download, Qt::Key_Return);
    EXPECT_FALSE(download.isVisible());
    download.show();
    QTest::mouseClick(solo, Qt::LeftButton);
    EXPECT_FALSE(download.isVisible());
}
