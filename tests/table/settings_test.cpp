// The table's options in the settings file, against a plain stand-in for the table: defaults,
// the exact comparisons, the order of the keys, what a save before the load may write, and the
// phrases the player did not edit.
#include "table/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

// The window's design state, as the table starts.
struct FakeTable : SettingsTarget {
    // Like the chat's buttons, it keeps no more than this of a phrase.
    static constexpr int kPhraseLimit = 1000;

    QRect bounds{3, 3, 790, 578};
    QRect storedBounds;
    int roundsValue = 10, newcomersValue = 1, speed = 1000, turn = 0;
    bool sounds = true, chatter = false;
    int size = 10;
    QColor colour = Qt::black;
    std::map<int, QString> phrases{{1, "Hello"}, {2, "Nice play"}, {3, "Oops"}};
    int skill = 0;
    int limit = 0;

    QRect windowBounds() const override { return bounds; }
    void setWindowBounds(const QRect& stored) override { storedBounds = bounds = stored; }
    int rounds() const override { return roundsValue; }
    void setRounds(int rounds) override { roundsValue = std::clamp(rounds, 3, 10); }
    int newcomers() const override { return newcomersValue; }
    void setNewcomers(int option) override { newcomersValue = option; }
    int botSpeed() const override { return speed; }
    void setBotSpeed(int milliseconds) override { speed = milliseconds; }
    int turnSound() const override { return turn; }
    void setTurnSound(int sound) override { turn = sound; }
    bool playSounds() const override { return sounds; }
    void setPlaySounds(bool on) override { sounds = on; }
    bool chatterSounds() const override { return chatter; }
    void setChatterSounds(bool on) override { chatter = on; }

    int textSize() const override { return size; }
    void applyTextSize(int points) override { size = points; }
    QString chatColourText() const override
    {
        return colour == QColor(Qt::black) ? QStringLiteral("clBlack") : QStringLiteral("$00FF8000");
    }
    void setChatColour(const QColor& chosen) override { colour = chosen; }
    QString phrase(int n) const override
    {
        const auto found = phrases.find(n);
        return found == phrases.end() ? QString() : found->second;
    }
    void setPhrase(int n, const QString& text) override { phrases[n] = text.left(kPhraseLimit); }
    int computerSkill() const override { return skill; }
    void setComputerSkill(int chosen) override { skill = chosen; }
    int turnLimit() const override { return limit; }
    void setTurnLimit(int seconds) override { limit = seconds; }
};

class SettingsTest : public ::testing::Test {
protected:
    QString path() const { return folder.filePath("briskolobby.ini"); }
    void store(const QByteArray& text)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QByteArray stored() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Starts a run: the table in its design state, then the host confirms it.
    void loadWith(const QByteArray& section)
    {
        store("[Chickenfoot]\n" + section);
        TableSettings(path(), table).load();
    }

    QTemporaryDir folder;
    FakeTable table;
};

} // namespace

TEST_F(SettingsTest, WithoutAFileTheDefaultsAreTakenNotTheDesignState)
{
    table.bounds = QRect(40, 50, 800, 600);
    table.turn = 1;
    table.speed = 2000;
    table.newcomersValue = 3;
    table.roundsValue = 5;
    TableSettings settings(path(), table);
    settings.load();
    EXPECT_TRUE(settings.loaded());
    EXPECT_EQ(table.size, 8);
    EXPECT_EQ(table.storedBounds, QRect(3, 3, 790, 578));
    EXPECT_EQ(table.colour, QColor(Qt::black));
    EXPECT_EQ(table.roundsValue, 10);
    EXPECT_EQ(table.newcomersValue, 1);
    EXPECT_EQ(table.speed, 1000);
    EXPECT_EQ(table.turn, 0);
    EXPECT_TRUE(table.sounds);
    EXPECT_TRUE(table.chatter);
    EXPECT_EQ(table.phrases.at(1), QStringLiteral("Hello"));
    EXPECT_FALSE(QFile::exists(path())); // loading writes nothing
}

TEST_F(SettingsTest, ValuesAreComparedExactlyAndUnreadableOnesGiveTheirDefaults)
{
    loadWith("Textsize=11\nTop=-20\nLeft=1700\nWidth=1024\nHeight=700\nTextcolor=$0080FF00\nPlaytoscore=7\n"
             "Newcomers=3\nBotspeed=500\nPhrase1=gg\nPhrase3=\nTurnsound=1\nPlaysounds=False\nChatterSounds=false\n");
    EXPECT_EQ(table.size, 11);
    EXPECT_EQ(table.storedBounds, QRect(1700, -20, 1024, 700)); // used as stored: placing is the window's
    EXPECT_EQ(table.colour, QColor(0, 255, 128));                // red is the lowest byte
    EXPECT_EQ(table.roundsValue, 7);
    EXPECT_EQ(table.newcomersValue, 3);
    EXPECT_EQ(table.speed, 500);
    EXPECT_EQ(table.phrases.at(1), QStringLiteral("gg"));
    EXPECT_EQ(table.phrases.at(3), QStringLiteral("Oops")); // an empty phrase keeps the button's text
    EXPECT_EQ(table.turn, 1);
    EXPECT_TRUE(table.sounds); // only "false" turns them off
    EXPECT_FALSE(table.chatter);

    // Exact and case-sensitive: anything but "2000" and "500" is Normal, anything but "1" Classic.
    for (const char* speed : {"1000", "abc", "2000.0", "Fast", "", "0500"}) {
        table.speed = 2000;
        loadWith(QByteArray("Botspeed=") + speed + "\n");
        EXPECT_EQ(table.speed, 1000) << speed;
    }
    loadWith("Botspeed=2000\nTurnsound=01\nPlaysounds=false\nChatterSounds=FALSE\n");
    EXPECT_EQ(table.speed, 2000);
    EXPECT_EQ(table.turn, 0);
    EXPECT_FALSE(table.sounds);
    EXPECT_TRUE(table.chatter);

    // Unreadable numbers and colours: the defaults; the start options stay as they are.
    table.roundsValue = 6;
    table.newcomersValue = 2;
    table.colour = Qt::red;
    loadWith("Textsize=big\nTop=x\nLeft=\nWidth=12.5\nHeight=9999999999\nTextcolor=clNotAColour\n"
             "Playtoscore=ten\nNewcomers=\n");
    EXPECT_EQ(table.size, 8);
    EXPECT_EQ(table.storedBounds, QRect(3, 3, 790, 578));
    EXPECT_EQ(table.colour, QColor(Qt::black));
    EXPECT_EQ(table.roundsValue, 6);
    EXPECT_EQ(table.newcomersValue, 2);

    // Any other number is option 1; the dialog keeps the rounds within 3 to 10; no font of 0 points.
    loadWith("Newcomers=7\nPlaytoscore=25\nTextsize=0\nTextcolor=CLRED\nLeft=2147483000\n");
    EXPECT_EQ(table.newcomersValue, 1);
    EXPECT_EQ(table.roundsValue, 10);
    EXPECT_EQ(table.size, 8);
    EXPECT_EQ(table.colour, QColor(255, 0, 0));
    EXPECT_EQ(table.storedBounds, QRect(3, 3, 790, 578)); // a corner that no rectangle can hold
}

TEST_F(SettingsTest, AfterTheLoadASaveWritesEveryKeyButThePhrasesInTheirOrder)
{
    store("[Lobby]\nA=1\n");
    TableSettings settings(path(), table);
    settings.load();
    table.bounds = QRect(10, 20, 800, 600);
    table.colour = QColor(0, 128, 255);
    table.roundsValue = 4;
    table.speed = 500;
    table.sounds = false;
    table.phrases[1] = "changed";
    ASSERT_TRUE(settings.save(SettingsOption::BotSpeed)) << settings.errorString().toStdString();
    EXPECT_EQ(stored(), "[Lobby]\nA=1\n[Chickenfoot]\nTextsize=8\nTop=20\nLeft=10\nWidth=800\nHeight=600\n"
                        "Textcolor=$00FF8000\nPlaytoscore=4\nNewcomers=1\nBotspeed=500\nTurnsound=0\n"
                        "ChatterSounds=true\nPlaysounds=false\n");

    ASSERT_TRUE(settings.savePhrases());
    EXPECT_TRUE(stored().endsWith("Playsounds=false\nPhrase1=changed\nPhrase2=Nice play\nPhrase3=Oops\nPhrase4=\n"
                                  "Phrase5=\nPhrase6=\nPhrase7=\nPhrase8=\nPhrase9=\n"));

    // The next run finds what was saved.
    FakeTable next;
    TableSettings(path(), next).load();
    EXPECT_EQ(next.storedBounds, QRect(10, 20, 800, 600));
    EXPECT_EQ(next.speed, 500);
    EXPECT_FALSE(next.sounds);
    EXPECT_EQ(next.roundsValue, 4);
    EXPECT_EQ(next.phrases.at(1), QStringLiteral("changed"));
}

TEST_F(SettingsTest, BeforeTheLoadOnlyWhatThePlayerChoseIsWrittenAndNeverTheWindowsBounds)
{
    const QByteArray earlierRun = "[Chickenfoot]\nTextsize=12\nTop=100\nLeft=200\nWidth=900\nHeight=700\n"
                                  "Textcolor=clRed\nPlaytoscore=5\nNewcomers=2\nBotspeed=2000\nPhrase2=gl hf\n"
                                  "Turnsound=1\nChatterSounds=false\nPlaysounds=false\n";
    store(earlierRun);
    TableSettings settings(path(), table);

    // The window was moved, which only a loaded table stores: nothing written.
    table.bounds = QRect(50, 60, 790, 578);
    ASSERT_TRUE(settings.save(SettingsOption::WindowBounds));
    EXPECT_EQ(stored(), earlierRun);

    table.speed = 500;
    ASSERT_TRUE(settings.save(SettingsOption::BotSpeed));
    QByteArray expected = earlierRun;
    expected.replace("Botspeed=2000", "Botspeed=500");
    EXPECT_EQ(stored(), expected);

    // Choices that equal the window's starting state are choices all the same.
    table.speed = 1000;
    ASSERT_TRUE(settings.save(SettingsOption::BotSpeed));
    ASSERT_TRUE(settings.save(SettingsOption::TextSize));
    ASSERT_TRUE(settings.save(SettingsOption::TurnSound));
    ASSERT_TRUE(settings.save(SettingsOption::TextColour));
    ASSERT_TRUE(settings.save(SettingsOption::PlaySounds));
    expected = "[Chickenfoot]\nTextsize=10\nTop=100\nLeft=200\nWidth=900\nHeight=700\nTextcolor=clBlack\n"
               "Playtoscore=5\nNewcomers=2\nBotspeed=1000\nPhrase2=gl hf\nTurnsound=0\nChatterSounds=false\n"
               "Playsounds=true\n";
    EXPECT_EQ(stored(), expected);

    // One phrase edited: the others stored stay.
    table.phrases[3] = "brb";
    ASSERT_TRUE(settings.savePhrases());
    expected += "Phrase3=brb\n";
    EXPECT_EQ(stored(), expected);

    // The host confirms the table: the player's choices stand, the rest is as stored.
    settings.load();
    EXPECT_EQ(table.speed, 1000);
    EXPECT_EQ(table.size, 10);
    EXPECT_EQ(table.turn, 0);
    EXPECT_EQ(table.colour, QColor(Qt::black));
    EXPECT_TRUE(table.sounds);
    EXPECT_FALSE(table.chatter);
    EXPECT_EQ(table.roundsValue, 5);
    EXPECT_EQ(table.phrases.at(2), QStringLiteral("gl hf"));
    EXPECT_EQ(table.phrases.at(3), QStringLiteral("brb"));

    // Once loaded, everything follows the table again.
    table.bounds = QRect(1, 2, 800, 600);
    ASSERT_TRUE(settings.save(SettingsOption::WindowBounds));
    FakeTable next;
    TableSettings(path(), next).load();
    EXPECT_EQ(next.storedBounds, QRect(1, 2, 800, 600));
}

TEST_F(SettingsTest, PhrasesNotEditedAreWrittenBackAsStoredHoweverLongAndInTheirOwnEncoding)
{
    const QByteArray longPhrase = "gl " + QByteArray(1200, 'x');
    const QByteArray text = "[Lobby]\nNick=Ann\n[Chickenfoot]\nPhrase1=" + longPhrase +
                            "\nPhrase2=Tr\xE8s bien\nPhrase3=\xC3\xA0 plus\n";
    store(text);
    TableSettings settings(path(), table);
    settings.load();
    EXPECT_EQ(table.phrases.at(1), QString::fromLatin1(longPhrase.left(FakeTable::kPhraseLimit)));
    EXPECT_EQ(table.phrases.at(2), QStringLiteral("Tr\u00E8s bien")); // not UTF-8: one byte, one letter
    EXPECT_EQ(table.phrases.at(3), QStringLiteral("\u00E0 plus"));    // UTF-8

    // Only phrase 5 edited: every other byte stays.
    table.phrases[5] = "brb";
    ASSERT_TRUE(settings.savePhrases()) << settings.errorString().toStdString();
    EXPECT_EQ(stored(), text + "Phrase4=\nPhrase5=brb\nPhrase6=\nPhrase7=\nPhrase8=\nPhrase9=\n");

    // An edited phrase is the player's, written as UTF-8 and read back the same.
    table.phrases[1] = "short";
    table.phrases[2] = QStringLiteral("Tr\u00E8s bien!");
    ASSERT_TRUE(settings.savePhrases());
    EXPECT_TRUE(stored().contains("\nPhrase1=short\nPhrase2=Tr\xC3\xA8s bien!\nPhrase3=\xC3\xA0 plus\n"))
        << stored().toStdString();
    FakeTable next;
    TableSettings(path(), next).load();
    EXPECT_EQ(next.phrases.at(2), QStringLiteral("Tr\u00E8s bien!"));
}

TEST_F(SettingsTest, ASaveThatCannotBeWrittenSaysSo)
{
    TableSettings settings(folder.filePath("no such folder/briskolobby.ini"), table);
    settings.load();
    EXPECT_FALSE(settings.save(SettingsOption::BotSpeed));
    EXPECT_FALSE(settings.errorString().isEmpty());
}

TEST_F(SettingsTest, ComputerSkillIsStoredOnceStrongIsChosenAndOnlyOneReadsAsStrong)
{
    // A file of a copy without the option: Standard, and saving it changes no byte.
    const QByteArray older = "[Chickenfoot]\nTextsize=8\nTop=3\nLeft=3\nWidth=790\nHeight=578\nTextcolor=clBlack\n"
                             "Playtoscore=10\nNewcomers=1\nBotspeed=1000\nTurnsound=0\nChatterSounds=true\n"
                             "Playsounds=true\n";
    store(older);
    table.skill = 1;
    TableSettings settings(path(), table);
    settings.load();
    EXPECT_EQ(table.skill, 0);
    ASSERT_TRUE(settings.save(SettingsOption::ComputerSkill));
    EXPECT_EQ(stored(), older);

    // Strong: one more key after the others; back to Standard: the key stays and says so.
    table.skill = 1;
    ASSERT_TRUE(settings.save(SettingsOption::ComputerSkill));
    EXPECT_EQ(stored(), older + "Computerskill=1\n");
    FakeTable next;
    TableSettings(path(), next).load();
    EXPECT_EQ(next.skill, 1);
    table.skill = 0;
    ASSERT_TRUE(settings.save(SettingsOption::ComputerSkill));
    EXPECT_EQ(stored(), older + "Computerskill=0\n");

    for (const char* value : {"0", "2", "strong", "", " 1x", "01"}) {
        table.skill = 1;
        loadWith(QByteArray("Computerskill=") + value + "\n");
        EXPECT_EQ(table.skill, 0) << value;
    }

    // Chosen before the load, it is written like any other changed option, alone.
    store("[Chickenfoot]\nBotspeed=500\n");
    FakeTable fresh;
    TableSettings early(path(), fresh);
    fresh.skill = 1;
    ASSERT_TRUE(early.save(SettingsOption::ComputerSkill));
    EXPECT_EQ(stored(), "[Chickenfoot]\nBotspeed=500\nComputerskill=1\n");
    // Standard chosen before the load over a stored Strong: the player's choice stands.
    fresh.skill = 0;
    ASSERT_TRUE(early.save(SettingsOption::ComputerSkill));
    EXPECT_EQ(stored(), "[Chickenfoot]\nBotspeed=500\nComputerskill=0\n");
}

TEST_F(SettingsTest, TurnLimitIsStoredAfterTheOtherKeysOnceChosenAndReadOnlyAsTheMenusValues)
{
    const QByteArray older = "[Chickenfoot]\nTextsize=10\nTop=3\nLeft=3\nWidth=790\nHeight=578\nTextcolor=clBlack\n"
                             "Playtoscore=10\nNewcomers=1\nBotspeed=1000\nTurnsound=0\nChatterSounds=false\n"
                             "Playsounds=true\n";
    store(older);
    TableSettings settings(path(), table);
    settings.load();
    ASSERT_TRUE(settings.save(SettingsOption::TurnLimit));
    EXPECT_EQ(stored(), older);  // Off, never chosen: not a byte changes
    for (const int seconds : {30, 60, 120, 0}) {
        table.limit = seconds;
        ASSERT_TRUE(settings.save(SettingsOption::TurnLimit));
        EXPECT_EQ(stored(), older + "Turnlimit=" + QByteArray::number(seconds) + "\n");
        FakeTable next;
        next.limit = 45;
        TableSettings(path(), next).load();
        EXPECT_EQ(next.limit, seconds);
    }
    for (const char* value : {"45", "030", "60s", "", "-30"}) {
        table.limit = 120;
        loadWith(QByteArray("Turnlimit=") + value + "\n");
        EXPECT_EQ(table.limit, 0) << value;
    }
}

TEST_F(SettingsTest, OlderFilesReadTheSameAndPhrasesInAnyScriptComeBackAsSaved)
{
    // As earlier copies and the lobby write it: Latin-1 bytes and plain ASCII.
    const QByteArray older = "[Lobby]\nNick=Zo\xEB\n[Chickenfoot]\nPhrase1=Zo\xEB est l\xE0\nPhrase2=Good game\n"
                             "Phrase3=\xFF\xE9\n";
    store(older);
    TableSettings settings(path(), table);
    settings.load();
    EXPECT_EQ(table.phrases.at(1), QStringLiteral("Zo\u00EB est l\u00E0"));
    EXPECT_EQ(table.phrases.at(2), QStringLiteral("Good game"));
    EXPECT_EQ(table.phrases.at(3), QStringLiteral("\u00FF\u00E9"));
    ASSERT_TRUE(settings.savePhrases());
    EXPECT_TRUE(stored().startsWith(older)) << "phrases read and written unchanged keep their bytes";

    const QString cyrillic = QString::fromUtf8("Привет, Михаил"), cjk = QString::fromUtf8("李小龙 加油"),
                  emoji = QString::fromUtf8("GG 😀👍🏽"), mixed = QString::fromUtf8("Zoë ça va? Ω");
    table.phrases[4] = cyrillic;
    table.phrases[5] = cjk;
    table.phrases[6] = emoji;
    table.phrases[7] = mixed;
    ASSERT_TRUE(settings.savePhrases());
    EXPECT_TRUE(stored().contains("\nPhrase6=GG \xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD\n")) << stored().toStdString();
    FakeTable next;
    TableSettings(path(), next).load();
    EXPECT_EQ(next.phrases.at(1), QStringLiteral("Zo\u00EB est l\u00E0"));
    EXPECT_EQ(next.phrases.at(4), cyrillic);
    EXPECT_EQ(next.phrases.at(5), cjk);
    EXPECT_EQ(next.phrases.at(6), emoji);
    EXPECT_EQ(next.phrases.at(7), mixed);
    EXPECT_TRUE(stored().startsWith("[Lobby]\nNick=Zo\xEB\n")) << "the lobby's section is not ours to change";
}
