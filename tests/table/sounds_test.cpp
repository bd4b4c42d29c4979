// Game sounds and chatter sounds, heard through the platform's recorder.
#include "tablefixture.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* entry(Tchat& table, const char* name)
{
    return table.findChild<QMenu*>(QStringLiteral("popup_sounds"))->findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

TEST_F(TableTest, SoundOptionsSilenceGameSoundsButNotChatter)
{
    int saved = 0;
    table->hooks.onSaveSettings = [&](SettingsOption) { ++saved; };
    login(3);
    find<QAction>(QStringLiteral("PlaySounds1"))->trigger();
    find<QAction>(QStringLiteral("PlayChatterSounds1"))->trigger();
    feed({"CMD_endround+0+1+3+43", "CMD_heplayed+2+1+6+2+1+f+6+", "CMD_playasound+2+wave13+"});
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("wave13")});

    // Chatter sounds off: the line tells what was sent, the own one included.
    find<QAction>(QStringLiteral("PlayChatterSounds1"))->trigger();
    feed({"CMD_existingplayers+2+Bob+0", "CMD_playasound+2+wave13+", "CMD_playasound+2+wave21+",
          "CMD_playasound+8+wave1+", "CMD_playasound+x+wave1+"});
    EXPECT_EQ(sounds.played.size(), 1);
    EXPECT_EQ(chatLines(), (QStringList{"Bob is Connected.", "Bob: <Chatter Sound> Applause"}));

    // The turn sound is one choice of two.
    auto* classic = find<QAction>(QStringLiteral("Classic1"));
    auto* fresh = find<QAction>(QStringLiteral("New1"));
    EXPECT_FALSE(classic->isChecked() || fresh->isChecked());
    fresh->trigger();
    classic->trigger();
    EXPECT_TRUE(classic->isChecked() && !fresh->isChecked());
    EXPECT_EQ(table->sounds().turnSound(), 0);
    EXPECT_EQ(saved, 5);
}

TEST_F(TableTest, ChatterSoundsAreSentFromPlayingSeatsOnly)
{
    entry(*table, "wave2")->trigger(); // before login: nothing
    login(3);
    entry(*table, "Cancel1")->trigger();
    entry(*table, "wave13")->trigger();
    ASSERT_TRUE(host.waitForMessage("CMD_playasound+3+wave13+"));
    EXPECT_EQ(host.received, QByteArray("CMD_playasound+3+wave13+\xFF"));
    EXPECT_EQ(entry(*table, "wave5")->text(), QStringLiteral("Where have you been?"));
    EXPECT_EQ(find(QStringLiteral("b_phrase10"))->toolTip(), QStringLiteral("Chatter Sounds"));
}

TEST_F(TableTest, ASpectatorCannotSendChatterSoundsNorJustWatch)
{
    login(8);
    entry(*table, "wave1")->trigger();
    find<QAction>(QStringLiteral("JustWatch1"))->trigger();
    find<QAction>(QStringLiteral("Slow1"))->trigger(); // something that is sent, to show the others were not
    ASSERT_TRUE(host.waitForMessage("CMD_botspeed+8+2000+"));
    EXPECT_EQ(host.received, QByteArray("CMD_botspeed+8+2000+\xFF"));
    EXPECT_EQ(table->menus().botSpeed(), 2000);
}
