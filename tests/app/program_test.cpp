// The program's windows wired together, as main makes them, with the host on a free port.
#include "app/program.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/shell.h"
#include "table/sounds.h"
#include <QStringListModel>
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "rawtable.h"
#include "table/chatpanel.h"

#include <QAction>
#include <QLabel>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct ProgramTest : testing::Test {
    template <typename T = QWidget> T* find(QObject& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    QTemporaryDir folder; // the settings the games write
    Program program{sounds, boxes, folder.path()};
};

} // namespace

TEST_F(ProgramTest, SoloHostRemovesASpectatorFromTheSpyListAndStartsAGameFromTheDialog)
{
    Tchat& chat = program.chat;
    program.server.Sock1.setPortName("0");
    chat.shell().setCommandLine({});
    chat.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat.seatCaption(1) == QStringLiteral("You"); }, 20000));
    EXPECT_TRUE(program.download->isVisible());

    // Five more players fill the seats; the seventh connection only watches.
    std::vector<std::unique_ptr<RawTable>> others;
    for (const char* name : {"Bo", "Cy", "Di", "Ed", "Flo", "Guest"}) {
        others.push_back(std::make_unique<RawTable>(program.server.port(), name));
        ASSERT_EQ(others.back()->login(), int(others.size()) + 1);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat.spectators()->stringList() == QStringList{"7: Guest"}; }, 20000));

    find<QAction>(chat, "SpyList1")->trigger();
    ASSERT_TRUE(program.spylist->isVisible());
    auto* spys = find<QListView>(*program.spylist, "listbox_spys");
    emit spys->customContextMenuRequested(spys->visualRect(spys->model()->index(0, 0)).center());
    find<QAction>(*program.spylist, "popup_kickhim")->trigger();
    find<QMenu>(*program.spylist, "popup_kick")->close();
    EXPECT_TRUE(others.back()->disconnected());
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat.spectators()->stringList().isEmpty(); }, 20000));
    EXPECT_TRUE(find<ChatView>(chat, "mainchat")->toPlainText().contains("Guest has left."));

    // View Tally lists the players at the other seats.
    find<QAction>(chat, "ViewTally1")->trigger();
    ASSERT_TRUE(program.tallylist->isVisible());
    auto* atTable = find<QListWidget>(*program.tallylist, "checklist");
    QStringList names;
    for (int line = 0; line < atTable->count(); ++line)
        names.append(atTable->item(line)->text());
    EXPECT_EQ(names, (QStringList{"Bo", "Cy", "Di", "Ed", "Flo"}));

    // Start Game opens the dialog, and Enter starts the game it shows.
    find<QAction>(chat, "StartGame1")->trigger();
    ASSERT_TRUE(program.gamestart->isVisible());
    program.gamestart->setRounds(7);
    program.gamestart->checkit("image_newcomers3");
    QTest::keyClick(program.gamestart.get(), Qt::Key_Return);
    EXPECT_FALSE(program.gamestart->isVisible());
    EXPECT_TRUE(others.front()->waitFor("CMD_startgame+You+7+\xFF"));
    EXPECT_EQ(program.server.engine().state().gameOption, 3);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ProgramTest, MenusOpenWithAltAndTheirLetterAndSideWindowsCloseWithEscape)
{
    program.chat.show();
    program.chat.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.chat));
    for (const auto& [key, name] : {std::pair{Qt::Key_F, "File1"}, std::pair{Qt::Key_O, "Options1"},
                                    std::pair{Qt::Key_V, "View1"}, std::pair{Qt::Key_H, "Help1"}}) {
        auto* menu = find<QMenu>(program.chat, name);
        QTest::keyClick(&program.chat, key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 5000)) << name;
        menu->close();
    }
    for (QDialog* window : std::initializer_list<QDialog*>{program.tallylist.get(), program.about.get(), program.download.get(),
                                                           program.gamestart.get(), program.help.get(), program.phrases.get(),
                                                           program.spylist.get()}) {
        window->show();
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
    }
}

TEST(ProgramEnd, TheTallyIsWrittenWhenTheProgramEnds)
{
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    QTemporaryDir folder;
    const QString tally = QDir(folder.path()).filePath("Chickenfoottally.tld");
    {
        // Ended before its window was ever drawn: the tally window was never needed.
        Program program(sounds, boxes, folder.path());
        QCoreApplication::processEvents();
        EXPECT_FALSE(program.tallylist.made());
        EXPECT_FALSE(QFile::exists(tally));
    }
    EXPECT_TRUE(QFile::exists(tally));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(ProgramStart, ADamagedTallyIsReportedOnceTheTableIsOnScreen)
{
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    QTemporaryDir folder;
    const QString tally = QDir(folder.path()).filePath("Chickenfoottally.tld");
    {
        QFile file(tally);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("WRZL but nothing after it");
    }
    Program program(sounds, boxes, folder.path());
    // Nothing while the windows are being made, nor before the table shows.
    EXPECT_TRUE(boxes.shown.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.shown.isEmpty());

    program.chat.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.shown.isEmpty(); }, 5000));
    EXPECT_TRUE(QFile::exists(tally + ".damaged"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains(tally + ".damaged")) << boxes.shown[0].toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(ProgramTest, SideWindowsWaitForTheTableToBeDrawnThenComeInTheirOrderUnlessNeededSooner)
{
    const auto made = [this] {
        return std::vector<bool>{program.tallylist.made(), program.about.made(), program.download.made(), program.gamestart.made(),
                                 program.help.made(), program.phrases.made(), program.spylist.made(),
                                 program.scoresheet.made()};
    };
    QCoreApplication::processEvents();
    EXPECT_EQ(made(), std::vector<bool>(8, false));

    // Needed before the table is drawn: made at once, wired, and shown.
    program.chat.hooks.onShowHelp();
    ASSERT_TRUE(program.help.made());
    EXPECT_TRUE(program.help->isVisible());
    program.help->hide();

    // Hosting starts before the spy list exists; once made, it offers kicking all the same.
    program.chat.hooks.onHosting();
    EXPECT_FALSE(program.spylist.made());

    program.chat.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return made() == std::vector<bool>(8, true); }, 5000));
    // The table's children in the order they were made: the side windows in their old order.
    QStringList order;
    for (QObject* child : program.chat.children())
        if (auto* dialog = qobject_cast<QDialog*>(child))
            order.append(dialog->metaObject()->className());
    EXPECT_EQ(order, (QStringList{"Thelp", "Ttallylist", "Tabout", "Tdownload", "Tgamestart", "Tphrases", "Tspylist", "Tscoresheet"}));
    EXPECT_TRUE(find<QAction>(*program.spylist, "popup_kickhim")->isEnabled());
    EXPECT_FALSE(program.about->isVisible());
}
