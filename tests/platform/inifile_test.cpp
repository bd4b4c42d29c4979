// One section of the settings file shared with the lobby: what is read, what a write changes, and
// that nothing else in the file moves, even when a writer is killed in the middle.
#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using ini::KeyValues;

namespace {

const QString kOurs = QStringLiteral("Chickenfoot");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".briskolobby.ini.tilvaro-new-*")}, QDir::Files | QDir::Hidden);
}

// The lobby's part of a file, around our section: CR LF line ends, comments, blank lines, keys
// in odd letter case, a key that looks like ours in a section of the lobby, no final line end.
const QByteArray kBefore = "; Brisko Lobby settings\r\n"
                           "[Lobby]\r\n"
                           "NickName = Ann\r\n"
                           "textSIZE=12\r\n"
                           "\r\n"
                           "# old\r\n";
const QByteArray kOursAtStart = "[chickenFOOT]\r\n"
                                "TEXTSIZE = 8\r\n"
                                "Top=10\r\n"
                                "; the player's\r\n"
                                "\r\n";
const QByteArray kAfter = "[Servers]\r\n"
                          "Main=play.example.org:7772\r\n"
                          "[chickenfoot2]\r\n"
                          "Top=99";

} // namespace

TEST(IniRead, KeysOfTheFirstSectionOfThatNameFirstOneWinsInAnyCaseBlanksAndCommentsAside)
{
    const QByteArray file = "\xEF\xBB\xBF[Chickenfoot]\n"
                            "Phrase1=  hello there  \n"
                            "phrase1=second\n"
                            "; Top=50\n"
                            "#Left=50\n"
                            "no equals sign\n"
                            "=orphan\n"
                            "Playsounds=\n"
                            "Textcolor=a=b\r\n"
                            "  [ Other ]  \n"
                            "Top=7\n"
                            "[CHICKENFOOT]\n"
                            "Width=1\n";
    const ini::SectionValues values = ini::parseSection(file, kOurs);
    EXPECT_EQ(values.value("PHRASE1"), QStringLiteral("hello there"));
    EXPECT_EQ(values.value("Playsounds"), QString());
    EXPECT_EQ(values.value("Textcolor"), QStringLiteral("a=b"));
    EXPECT_EQ(values.value("Top"), std::nullopt);   // a comment, then another section's key
    EXPECT_EQ(values.value("Left"), std::nullopt);
    EXPECT_EQ(values.value("Width"), std::nullopt); // the second section of the name does not count
    EXPECT_EQ(values.entries().size(), 4);
    EXPECT_EQ(ini::parseSection(file, "other").value("Top"), QStringLiteral("7"));
    EXPECT_TRUE(ini::parseSection(file, "Missing").entries().isEmpty());
    EXPECT_TRUE(ini::parseSection("", kOurs).entries().isEmpty());
}

TEST(IniWrite, ValuesChangeInPlaceMissingKeysFollowTheLastKeyAndTheLineEndsStayTheFiles)
{
    const QByteArray file = kBefore + kOursAtStart + kAfter;
    const QByteArray written =
        ini::replaceSection(file, kOurs, {{"Textsize", "11"}, {"Left", "4"}, {"Top", "20"}, {"Playsounds", "false"}});
    EXPECT_EQ(written, kBefore +
                           "[chickenFOOT]\r\n"
                           "TEXTSIZE = 11\r\n"
                           "Top=20\r\n"
                           "Left=4\r\n"
                           "Playsounds=false\r\n"
                           "; the player's\r\n"
                           "\r\n" +
                           kAfter);
    // Nothing new to say: the same bytes.
    EXPECT_EQ(ini::replaceSection(written, kOurs, {{"top", "20"}}), written);
}

TEST(IniWrite, AMissingSectionOrFileGetsOneAtTheEndAndAValueCannotBreakALine)
{
    EXPECT_EQ(ini::replaceSection("", kOurs, {{"Top", "3"}, {"Left", "3"}}), "[Chickenfoot]\nTop=3\nLeft=3\n");
    EXPECT_EQ(ini::replaceSection("[Lobby]\r\nA=1\r\n", kOurs, {{"Top", "3"}}),
              "[Lobby]\r\nA=1\r\n[Chickenfoot]\r\nTop=3\r\n");
    // The file ended without a line end, and it still does.
    EXPECT_EQ(ini::replaceSection("[Lobby]\nA=1", kOurs, {{"Top", "3"}}), "[Lobby]\nA=1\n[Chickenfoot]\nTop=3");
    EXPECT_EQ(ini::replaceSection("[Chickenfoot]\nTop=1", kOurs, {{"Left", "2"}, {"Top", "5"}}),
              "[Chickenfoot]\nTop=5\nLeft=2");
    // A section without keys gets them right after its header.
    EXPECT_EQ(ini::replaceSection("[Chickenfoot]\n\n[Lobby]\n", kOurs, {{"Top", "3"}}),
              "[Chickenfoot]\nTop=3\n\n[Lobby]\n");

    // A phrase holding line breaks must not smuggle a section or a key into the file.
    const QByteArray injected = ini::replaceSection("[Lobby]\nA=1\n", kOurs, {{"Phrase1", "hi\r\n[Lobby]\nA=2"}});
    EXPECT_EQ(injected, "[Lobby]\nA=1\n[Chickenfoot]\nPhrase1=hi  [Lobby] A=2\n");
    EXPECT_EQ(ini::parseSection(injected, "Lobby").value("A"), QStringLiteral("1"));
}

TEST(IniEncoding, AValueIsUtf8OnlyWhenItsBytesAreAndAnUnchangedOneKeepsItsBytes)
{
    const QByteArray file = "[Lobby]\nNick=Andr\xE9\n[Chickenfoot]\nPhrase1=Tr\xE8s\nPhrase2=\xC3\xA0 bient\xC3\xB4t\n"
                            "Phrase3=caf\xC3\xA9 \xE9t\xE9\nTop=1\n";
    const ini::SectionValues values = ini::parseSection(file, kOurs);
    EXPECT_EQ(values.value("Phrase1"), QStringLiteral("Tr\u00E8s"));
    EXPECT_EQ(values.value("Phrase2"), QStringLiteral("\u00E0 bient\u00F4t"));
    // One byte that is not UTF-8 makes the whole value one byte per letter.
    EXPECT_EQ(values.value("Phrase3"), QString::fromLatin1("caf\xC3\xA9 \xE9t\xE9"));

    // Everything written back as it was read: not one byte moves.
    EXPECT_EQ(ini::replaceSection(file, kOurs, values.entries()), file);
    // Another key changed: the one-byte phrase keeps its bytes, the new value is UTF-8.
    EXPECT_EQ(ini::replaceSection(file, kOurs, {{"Phrase1", QStringLiteral("Tr\u00E8s")}, {"Top", "2"},
                                                {"Phrase4", QStringLiteral("\u00E9t\u00E9")}}),
              "[Lobby]\nNick=Andr\xE9\n[Chickenfoot]\nPhrase1=Tr\xE8s\nPhrase2=\xC3\xA0 bient\xC3\xB4t\n"
              "Phrase3=caf\xC3\xA9 \xE9t\xE9\nTop=2\nPhrase4=\xC3\xA9t\xC3\xA9\n");
    // A changed value is written as UTF-8 and reads back as itself.
    const QByteArray changed = ini::replaceSection(file, kOurs, {{"Phrase1", QStringLiteral("Tr\u00E8s bien")}});
    EXPECT_TRUE(changed.contains("\nPhrase1=Tr\xC3\xA8s bien\n")) << changed.toStdString();
    EXPECT_EQ(ini::parseSection(changed, kOurs).value("Phrase1"), QStringLiteral("Tr\u00E8s bien"));
    // A section name in a one-byte encoding is found as well.
    EXPECT_EQ(ini::parseSection("[Caf\xE9]\nA=1\n", QStringLiteral("caf\u00C9")).value("A"), QStringLiteral("1"));
}

TEST(IniFile, AReadOnlyFileIsLeftAsItIsAndTheWriteSaysSo)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("briskolobby.ini");
    const QByteArray text = "[Lobby]\nA=1\n[Chickenfoot]\nTop=3\n";
    writeAll(path, text);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    ini::IniFile file(path);
    EXPECT_FALSE(file.writeSection(kOurs, {{"Top", "4"}}));
    EXPECT_TRUE(file.errorString().contains("read-only")) << file.errorString().toStdString();
    EXPECT_TRUE(file.errorString().contains(path)) << file.errorString().toStdString();
    EXPECT_EQ(readAll(path), text);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0444u);
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());

    // Nothing to change: nothing to refuse.
    EXPECT_TRUE(file.writeSection(kOurs, {{"Top", "3"}})) << file.errorString().toStdString();

    // Writable again, it is written.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    EXPECT_TRUE(file.writeSection(kOurs, {{"Top", "4"}})) << file.errorString().toStdString();
    EXPECT_EQ(readAll(path), "[Lobby]\nA=1\n[Chickenfoot]\nTop=4\n");
}

TEST(IniFile, AHundredSavesChangeNoByteOutsideOurSectionAndKeepTheFilesMode)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("briskolobby.ini");
    writeAll(path, kBefore + kOursAtStart + kAfter);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);

    ini::IniFile file(path);
    for (int i = 0; i < 100; ++i) {
        const QString n = QString::number(i);
        ASSERT_TRUE(file.writeSection(kOurs, {{"Textsize", n}, {"Top", n}, {"Phrase1", "round " + n}}))
            << file.errorString().toStdString();
        // Byte for byte: the lobby's part, our key lines in their own spelling, our comment.
        ASSERT_EQ(readAll(path), kBefore + "[chickenFOOT]\r\nTEXTSIZE = " + n.toLatin1() + "\r\nTop=" + n.toLatin1() +
                                     "\r\nPhrase1=round " + n.toLatin1() + "\r\n; the player's\r\n\r\n" + kAfter)
            << i;
        const ini::SectionValues values = file.readSection(kOurs);
        ASSERT_EQ(values.value("textsize"), n);
        ASSERT_EQ(values.value("Phrase1"), "round " + n);
    }
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST(IniFile, ALinkStaysALinkAndAMissingFolderIsReported)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("real");
    const QString real = folder.filePath("real/settings.ini");
    writeAll(real, "[Lobby]\nA=1\n");
    const QString link = folder.filePath("briskolobby.ini");
    ASSERT_TRUE(QFile::link(real, link));
    ini::IniFile linked(link);
    ASSERT_TRUE(linked.writeSection(kOurs, {{"Top", "3"}}));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(real), "[Lobby]\nA=1\n[Chickenfoot]\nTop=3\n");

    ini::IniFile nowhere(folder.filePath("gone/briskolobby.ini"));
    EXPECT_FALSE(nowhere.writeSection(kOurs, {{"Top", "3"}}));
    EXPECT_FALSE(nowhere.errorString().isEmpty());
    EXPECT_TRUE(nowhere.readSection(kOurs).entries().isEmpty());

}

TEST(IniFile, AFileThatCannotBeReadIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    QTemporaryDir folder;
    const QString path = folder.filePath("briskolobby.ini");
    writeAll(path, "[Lobby]\nA=1\n");
    ::chmod(QFile::encodeName(path).constData(), 0);
    ini::IniFile file(path);
    EXPECT_FALSE(file.writeSection(kOurs, {{"Top", "4"}}));
    EXPECT_TRUE(file.errorString().startsWith("Cannot read")) << file.errorString().toStdString();
    ::chmod(QFile::encodeName(path).constData(), 0600);
    EXPECT_EQ(readAll(path), "[Lobby]\nA=1\n");
}

// ---- Real processes: tests/platform/saver/ini_saver_main.cpp saves in a loop ----------------------

namespace {

constexpr int kSaverKeys = 12;
constexpr int kPadSize = 20000;

// A file one save of the saver wrote completely: the lobby's part as it was, and every key of our
// section from one and the same save. The number of that save, or -1.
int completeSave(const QByteArray& file, const QString& id)
{
    if (!file.startsWith(kBefore) || !file.endsWith(kAfter))
        return -1;
    const ini::SectionValues values = ini::parseSection(file, kOurs);
    const auto first = values.value(id + "1");
    if (!first || values.value(id + "Pad", QString()).size() != kPadSize)
        return -1;
    for (int k = 2; k <= kSaverKeys; ++k)
        if (values.value(id + QString::number(k)) != first)
            return -1;
    bool ok = false;
    const int save = first->toInt(&ok);
    return ok ? save : -1;
}

void startSaver(QProcess& saver, const QString& path, const QString& id, int saves)
{
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QStringLiteral(TILVARO_INI_SAVER), {path, id, QString::number(saves)});
}

// Waits until the saver has reported this many saves.
bool waitForSaves(QProcess& saver, QByteArray& printed, int saves)
{
    while (printed.count('\n') < saves) {
        if (!saver.waitForReadyRead(20000))
            return false;
        printed += saver.readAllStandardOutput();
    }
    return true;
}

} // namespace

TEST(IniFileProcess, KilledInTheMiddleOfSavingAHundredTimesTheFileIsAlwaysCompleteAndReadable)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("briskolobby.ini");
    writeAll(path, kBefore + kOursAtStart + kAfter);
    int lastSeen = -1;
    for (int round = 0; round < 100; ++round) {
        QProcess saver;
        startSaver(saver, path, "K", 0);
        QByteArray printed;
        // Killed after one to seven saves, somewhere in the middle of the next ones.
        ASSERT_TRUE(waitForSaves(saver, printed, 1 + round % 7)) << round;
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(20000));
        EXPECT_EQ(saver.exitStatus(), QProcess::CrashExit);
        const int save = completeSave(readAll(path), "K");
        ASSERT_GE(save, 0) << "round " << round << ":\n" << readAll(path).left(400).toStdString();
        lastSeen = save;
    }
    EXPECT_GE(lastSeen, 0);
    // At most the last killed save's own file is left over, and the next save clears it away.
    EXPECT_LE(leftovers(folder.path()).size(), 1);
    ini::IniFile file(path);
    ASSERT_TRUE(file.writeSection(kOurs, {{"K1", "0"}}));
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST(IniFileProcess, TwoCopiesSavingAtOnceLoseNeitherOnesKeys)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("briskolobby.ini");
    writeAll(path, kBefore + kOursAtStart + kAfter);
    constexpr int kSaves = 60;
    QProcess a, b;
    startSaver(a, path, "A", kSaves);
    startSaver(b, path, "B", kSaves);
    ASSERT_TRUE(a.waitForFinished(60000));
    ASSERT_TRUE(b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    // Each copy's last save read the file under the lock, so it kept the other copy's keys.
    const QByteArray file = readAll(path);
    EXPECT_EQ(completeSave(file, "A"), kSaves - 1);
    EXPECT_EQ(completeSave(file, "B"), kSaves - 1);
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}
