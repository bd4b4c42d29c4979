#include "compress/container.h"
#include "dialogs/tallylistform.h"
#include "dialogs/tallyrecord.h"
#include "platform/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <span>

namespace {

// Lines ended by CR LF, as the tally text keeps them.
QByteArray gridText(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}

QStringList zeros(int count)
{
    QStringList cells;
    for (int i = 0; i < count; ++i)
        cells.append("0");
    return cells;
}

// 12 games, 5 won; Ann: 7 together, she won 2, the player 3, others 2, and 4/1/1/2 "this run"
// as an earlier run left them; Bob: 3 together, one win each.
const QStringList kTwoOpponents = QStringList{"9", "3"} + QStringList{"0", "Ann", "Bob"} +
                                  QStringList{"12", "7", "3"} + QStringList{"5", "2", "1"} +
                                  QStringList{"0", "3", "1"} + QStringList{"0", "2", "1"} +
                                  QStringList{"0", "4", "0"} + QStringList{"0", "1", "0"} +
                                  QStringList{"0", "1", "0"} + QStringList{"0", "2", "0"};

struct Tally : testing::Test {
    QString path() const { return folder.filePath(fileName); }
    void writeFile(const QByteArray& bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeTally(const QStringList& lines)
    {
        const QByteArray text = gridText(lines);
        const auto packed = lzrw1::compressBuffer(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        writeFile(QByteArray(reinterpret_cast<const char*>(packed.data()), static_cast<qsizetype>(packed.size())));
    }
    static QByteArray readPacked(const QString& from)
    {
        QFile file(from);
        if (!file.open(QIODevice::ReadOnly))
            return "<no file>";
        const QByteArray bytes = file.readAll();
        const auto text = lzrw1::decompressBuffer(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        return QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
    }
    QByteArray fileText() const { return readPacked(path()); }

    // A window on the test's folder; the seats hold `seats` (the own seat left out).
    void open(const QStringList& seats = {})
    {
        window = std::make_unique<Ttallylist>(boxes);
        seatNames = seats;
        window->setSeatNames([this] { return seatNames; });
        window->readTallyFile(path());
        window->reportReadFailure();
    }
    QByteArray fileBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    QString text(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    QStringList texts(const QStringList& names) const
    {
        QStringList shown;
        for (const QString& name : names)
            shown.append(text(name));
        return shown;
    }
    QListWidget* list(const char* name) const { return window->findChild<QListWidget*>(name); }
    QStringList items(const char* name) const
    {
        QStringList lines;
        for (int i = 0; i < list(name)->count(); ++i)
            lines.append(list(name)->item(i)->text() + (list(name)->item(i)->checkState() == Qt::Checked ? "+" : "-"));
        return lines;
    }
    QStringList row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < 9; ++column)
            cells.append(window->record().cell(column, row));
        return cells;
    }
    QStringList opponentPanel() const
    {
        return texts({"label_hisnametop", "label_hisname", "label_1", "label_2", "label_3", "label_4", "label_5",
                      "label_6", "label_7", "label_8"});
    }

    QTemporaryDir folder;
    QString fileName = "Chickenfoottally.tld";
    RecordingMessageBoxes boxes;
    QStringList seatNames;
    std::unique_ptr<Ttallylist> window;
};

} // namespace

TEST(TallyRecord, TheGridTextGoesColumnByColumnAndIsReadBackByteForByte)
{
    // One opponent, Player2: 7 together, Player2 won 2, the player 3, others 2.
    const QByteArray text = gridText(QStringList{"9", "2", "0", "Player2", "12", "7", "5", "2", "0", "3", "0", "2"} + zeros(8));
    const TallyRecord record = TallyRecord::fromGridText(text);
    EXPECT_EQ(record.rowCount(), 2);
    EXPECT_EQ(record.opponents(), QStringList{"Player2"});
    EXPECT_EQ(record.cell(1, 1), "7");
    EXPECT_EQ(record.cell(3, 1), "3");
    EXPECT_EQ(record.gridText(), text);
    EXPECT_EQ(TallyRecord().gridText(), gridText(QStringList{"9", "1"} + zeros(9)));

    // Latin-1 names and empty counters are kept as they are.
    const QByteArray odd = "9\r\n2\r\n0\r\nJ\xF6rg\r\n1\r\n\r\n" + gridText(zeros(14));
    EXPECT_EQ(TallyRecord::fromGridText(odd).cell(0, 1), QString::fromLatin1("J\xF6rg"));
    EXPECT_EQ(TallyRecord::fromGridText(odd).gridText(), odd);
}

TEST(TallyRecord, TextsThatAreNoGridAreRefused)
{
    const QStringList good = QStringList{"9", "1"} + zeros(9);
    const auto refused = [](const QByteArray& text) {
        try {
            TallyRecord::fromGridText(text);
        } catch (const TallyRecord::FormatError&) {
            return true;
        }
        return false;
    };
    EXPECT_FALSE(refused(gridText(good)));
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(gridText(QStringList{"8", "1"} + zeros(8))));
    EXPECT_TRUE(refused(gridText(QStringList{"9", "0"})));
    EXPECT_TRUE(refused(gridText(QStringList{"9", "2"} + zeros(9))));          // cells missing
    EXPECT_TRUE(refused(gridText(QStringList{"9", "1"} + zeros(10))));         // one cell too many
    EXPECT_TRUE(refused(gridText(QStringList{"9", "99999999999999999999"} + zeros(9))));
    EXPECT_TRUE(refused(gridText(QStringList{"9", "1", "0", "x"} + zeros(7)))); // own games not a number
    EXPECT_TRUE(refused(gridText(good).replace("\r\n", "\n")));
}

TEST(TallyRecord, TwoSeatsOfOneNameAreOneGameAndTheFlagDecidesTheWinner)
{
    TallyRecord record;
    record.appendOpponent("Ann");
    record.setCell(4, 1, "");
    // The player won, though Ann at another seat has the player's name.
    record.tallyGame({"Ann", "ANN"}, "Ann", true);
    EXPECT_EQ(record.gridText(), gridText(QStringList{"9", "2", "0", "Ann", "0", "1", "0", "0", "0", "1", "0", "0", "0",
                                                      "1", "0", "0", "0", "1", "0", "0"}));
    // A winner whose name differs in letter case only is not that opponent.
    record.tallyGame({"ann"}, "ANN", false);
    EXPECT_EQ(record.cell(2, 1), "0");
    EXPECT_EQ(record.cell(4, 1), "1");
}

TEST_F(Tally, AFirstRunWritesTheEmptyRecordAtTheEnd)
{
    open();
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"0", "0"}));
    window.reset();
    EXPECT_EQ(fileText(), gridText(QStringList{"9", "1"} + zeros(9)));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Chickenfoottally.tld"});
}

TEST_F(Tally, AWinAgainstTwoTalliedOpponentsIsOnDiskAsSoonAsTheGameEnds)
{
    writeTally(kTwoOpponents);
    open({"Ann", "<Waiting>", "Bob", "<Waiting>", "<Waiting>"});
    EXPECT_EQ(items("listbox_tally"), (QStringList{"Ann+", "Bob+"}));
    list("listbox_tally")->setCurrentRow(0);
    // Session columns start from nothing, whatever the last run left.
    EXPECT_EQ(opponentPanel(), (QStringList{"Ann's Tally", "Ann Wins:", "7", "2", "3", "2", "0", "0", "0", "0"}));

    window->addgame("Me", true);
    EXPECT_EQ(items("checklist"), (QStringList{"Ann+", "Bob+"}));
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"13", "6"}));
    EXPECT_EQ(opponentPanel(), (QStringList{"Ann's Tally", "Ann Wins:", "8", "2", "4", "2", "1", "0", "1", "0"}));
    EXPECT_EQ(fileText(), gridText({"9", "3", "0", "Ann", "Bob", "13", "8", "4", "6", "2", "1", "0", "4", "2", "0", "2",
                                    "1", "0", "1", "1", "0", "0", "0", "0", "1", "1", "0", "0", "0"}));
    // The hidden grid shows the same record.
    const QAbstractItemModel* grid = window->findChild<QTableView*>("stringgrid_scores")->model();
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->index(2, 3).data().toString(), "2");
}

TEST_F(Tally, AThirdPlayersWinCountsForTheTalliedOpponentsAtTheTableOnly)
{
    writeTally(kTwoOpponents);
    open({"Cy", "ann", "<Waiting>", "<Waiting>", "<Waiting>"});
    window->addgame("Cy", false);
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"13", "5"}));
    // Ann is found though the seat spells her name in small letters; Bob was not there.
    EXPECT_EQ(row(1), (QStringList{"Ann", "8", "2", "3", "3", "1", "0", "0", "1"}));
    EXPECT_EQ(row(2), (QStringList{"Bob", "3", "1", "1", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(items("checklist"), (QStringList{"Cy-", "ann+"}));
    EXPECT_EQ(window->record().rowCount(), 3) << "nobody is tallied without being chosen";
}

TEST_F(Tally, AnOpponentCalledAddtomineIsTalliedLikeAnyOther)
{
    open({"addtomine", "Ann"});
    window->loadchecklist();
    for (int i = 0; i < 2; ++i)
        list("checklist")->item(i)->setCheckState(Qt::Checked);
    EXPECT_EQ(items("listbox_tally"), (QStringList{"addtomine+", "Ann+"}));

    window->addgame("addtomine", false);
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"1", "0"}));
    EXPECT_EQ(row(1), (QStringList{"addtomine", "1", "1", "0", "0", "1", "1", "0", "0"}));
    EXPECT_EQ(row(2), (QStringList{"Ann", "1", "0", "0", "1", "1", "0", "0", "1"}));
}

TEST_F(Tally, ChoosingAndDroppingOpponents)
{
    writeTally(kTwoOpponents);
    open({"Ann", "Cy"});
    window->loadchecklist();
    QListWidget* atTable = list("checklist");
    // Taking Ann's mark away here changes nothing; checking Cy tallies him.
    atTable->item(0)->setCheckState(Qt::Unchecked);
    atTable->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(items("checklist"), (QStringList{"Ann+", "Cy+"}));
    EXPECT_EQ(row(3), (QStringList{"Cy", "0", "0", "0", "0", "0", "0", "0", "0"}));

    // No keeps Bob and his mark.
    boxes.answer = false;
    list("listbox_tally")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(boxes.shown, QStringList{"This will delete Bob's Tally, Are you want to delete it?"});
    EXPECT_EQ(items("listbox_tally"), (QStringList{"Ann+", "Bob+", "Cy+"}));
    EXPECT_EQ(row(2), (QStringList{"Bob", "3", "1", "1", "1", "0", "0", "0", "0"}));

    // Yes drops Ann; the rows after hers move up with their lines.
    boxes.answer = true;
    list("listbox_tally")->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(items("listbox_tally"), (QStringList{"Bob+", "Cy+"}));
    EXPECT_EQ(window->record().opponents(), (QStringList{"Bob", "Cy"}));
    EXPECT_EQ(items("checklist"), (QStringList{"Ann-", "Cy+"}));
    list("listbox_tally")->setCurrentRow(0);
    EXPECT_EQ(opponentPanel(), (QStringList{"Bob's Tally", "Bob Wins:", "3", "1", "1", "1", "0", "0", "0", "0"}));
}

TEST_F(Tally, ResetStartsTheRecordAgainAndLeavesThePlayersAtTheTable)
{
    writeTally(kTwoOpponents);
    open({"Ann", "Cy"});
    window->loadchecklist();
    list("listbox_tally")->setCurrentRow(0);
    boxes.answer = false;
    window->button_resetClick();
    EXPECT_EQ(boxes.shown, QStringList{"Are you sure you want to reset the Tally?"});
    EXPECT_EQ(window->record().rowCount(), 3);
    EXPECT_EQ(text("label_1"), "7");

    boxes.answer = true;
    window->button_resetClick();
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2", "label_1", "label_2", "label_3", "label_4", "label_hisname",
                     "label_hisnametop"}),
              (QStringList{"0", "0", "0", "0", "0", "0", "Ann Wins:", "Ann's Tally"}));
    EXPECT_EQ(list("listbox_tally")->count(), 0);
    EXPECT_EQ(items("checklist"), (QStringList{"Ann+", "Cy-"}));
    EXPECT_EQ(window->record().rowCount(), 1);
    window->addgame("Me", true);
    EXPECT_EQ(fileText(), gridText({"9", "1", "0", "1", "1", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"1", "1"}));
}

TEST_F(Tally, TheSessionColumnsReadZeroAfterARestart)
{
    writeTally(kTwoOpponents);
    open({"Ann"});
    window->addgame("Ann", false);
    EXPECT_EQ(row(1), (QStringList{"Ann", "8", "3", "3", "2", "1", "1", "0", "0"}));
    window.reset();
    open({"Ann"});
    EXPECT_EQ(row(1), (QStringList{"Ann", "8", "3", "3", "2", "0", "0", "0", "0"}));
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"13", "5"}));
}

TEST_F(Tally, ARecordReadAndWrittenUnchangedKeepsEveryByte)
{
    QStringList lines = kTwoOpponents;
    for (int i = 2 + 5 * 3; i < lines.size(); ++i) // the session cells, as every load leaves them
        lines[i] = "0";
    writeTally(lines);
    QFile original(path());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    open();
    ASSERT_TRUE(window->writeTallyFile());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
    EXPECT_EQ(fileText(), gridText(lines));
}

TEST_F(Tally, AnUnreadableFileIsKeptAsideAndReportedOnce)
{
    const QByteArray cutShort("WRZL\x05\0\0\0garbage", 15);
    writeFile("not a tally at all");
    QFile::copy(path(), path() + ".damaged"); // kept from an earlier run
    writeFile(cutShort);
    open({"Ann"});
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains("Lzrw1")) << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].contains(path() + ".damaged.1")) << boxes.shown[0].toStdString();
    EXPECT_EQ(window->record().rowCount(), 1);
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"0", "0"}));
    QFile kept(path() + ".damaged.1");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), cutShort);

    window->addgame("Ann", false);
    window.reset();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(fileText(), gridText({"9", "1", "0", "1", "0", "0", "0", "0", "0", "0", "0"}));

    // A good container around a text that is no grid is damaged too.
    writeTally({"9", "5", "0"});
    open();
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(QFile::exists(path() + ".damaged.2"));
}

TEST_F(Tally, AFailedWriteAfterAGameIsShownOnceInARun)
{
    window = std::make_unique<Ttallylist>(boxes);
    window->readTallyFile(folder.filePath("gone/Chickenfoottally.tld"));
    window->addgame("Ann", false);
    window->addgame("Ann", false);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("The tally could not be saved.")) << boxes.shown[0].toStdString();
    EXPECT_EQ(text("mylabel_1"), "2");
}

TEST_F(Tally, TheWindowsCaptionsAndAnEmptyOpponentPanel)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Tilvaro - Tally List");
    QStringList shown;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window.get()) && !label->objectName().startsWith("label_") &&
            !label->objectName().startsWith("mylabel_"))
            shown.append(label->text());
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"Neither Won:", "Number of Games", "Players Being Tallied",
                                  "Players In Current Game", "Session", "Total", "Total Games:", "Your Total Tally",
                                  "Your Wins", "Your Wins:"}));
    EXPECT_EQ(opponentPanel(), (QStringList{"XX's Tally", "XX Wins:", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_FALSE(window->findChild<QLabel*>("mylabel_3")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->findChild<QLabel*>("mylabel_4")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->findChild<QTableView*>("stringgrid_scores")->isVisibleTo(window.get()));
    QStringList buttons;
    for (const char* name : {"button_reset", "button_done"})
        buttons.append(window->findChild<QPushButton*>(name)->text());
    EXPECT_EQ(buttons, (QStringList{"Reset Tally", "Done"}));
    window->show();
    window->findChild<QPushButton*>("button_done")->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Tally, DroppingTheLastOpponentClearsThePanel)
{
    writeTally(kTwoOpponents);
    open();
    list("listbox_tally")->setCurrentRow(1);
    EXPECT_EQ(text("label_hisnametop"), "Bob's Tally");
    // Bob goes; Ann, still listed, is shown in his place.
    list("listbox_tally")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(opponentPanel(), (QStringList{"Ann's Tally", "Ann Wins:", "7", "2", "3", "2", "0", "0", "0", "0"}));
    list("listbox_tally")->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(list("listbox_tally")->count(), 0);
    EXPECT_EQ(opponentPanel(), (QStringList{"XX's Tally", "XX Wins:", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(window->record().rowCount(), 1);
}

TEST_F(Tally, ANameWithALineBreakCannotBeTallied)
{
    EXPECT_TRUE(TallyRecord::canTally(QString::fromLatin1("J\xF6rg the 2nd")));
    for (const char* name : {"Ev\nil", "Ev\ril", "\n"})
        EXPECT_FALSE(TallyRecord::canTally(name)) << name;

    open({"Ev\nil", "Ann"});
    window->loadchecklist();
    list("checklist")->item(0)->setCheckState(Qt::Checked);
    list("checklist")->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(items("checklist"), (QStringList{"Ev\nil-", "Ann+"}));
    EXPECT_EQ(window->record().opponents(), QStringList{"Ann"});
    window.reset();
    // The file still reads back whole.
    open();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(window->record().opponents(), QStringList{"Ann"});
}

TEST_F(Tally, TheLargestCountersAndAnySessionCellsAreReadBack)
{
    const QString most = QString::number(std::numeric_limits<qint64>::max());
    ASSERT_EQ(most.size(), 19);
    // Session cells are never read back, so whatever an older copy left there is no fault.
    QStringList lines = QStringList{"9", "2", "0", "Ann", most, most, most, "1"} + QStringList{most, most} +
                        QStringList{"0", most} + QStringList{"x", "0"} + QStringList{"", "-3"} + QStringList{"0", "n/a"} +
                        QStringList{"0", " 1"};
    writeTally(lines);
    open({"Ann"});
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('|').toStdString();
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{most, most}));
    EXPECT_EQ(row(1), (QStringList{"Ann", most, "1", most, most, "0", "0", "0", "0"}));

    // At the top of its range a counter stays there; it never turns negative or starts again.
    window->addgame("Ann", false);
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{most, most}));
    EXPECT_EQ(row(1), (QStringList{"Ann", most, "2", most, most, "1", "1", "0", "0"}));
    window.reset();
    open();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(row(1), (QStringList{"Ann", most, "2", most, most, "0", "0", "0", "0"}));
    EXPECT_FALSE(QFile::exists(path() + ".damaged"));

    // More than the program can write is no counter of ours.
    const auto refused = [](const QByteArray& text) {
        try {
            TallyRecord::fromGridText(text);
        } catch (const TallyRecord::FormatError&) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(refused(gridText(QStringList{"9", "1", "0", "9223372036854775808"} + zeros(7))));
    EXPECT_TRUE(refused(gridText(QStringList{"9", "1", "0", "10000000000000000000"} + zeros(7))));
    EXPECT_FALSE(refused(gridText(QStringList{"9", "1", "0", "0009223372036854775807"} + zeros(7))));
}

TEST_F(Tally, NoTemporaryFolderIsNeededToReadOrWriteTheTally)
{
    writeTally(kTwoOpponents);
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent");
    open({"Ann"});
    window->addgame("Ann", false);
    window.reset();
    open();
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('|').toStdString();
    EXPECT_EQ(row(1), (QStringList{"Ann", "8", "3", "3", "2", "0", "0", "0", "0"}));
    EXPECT_EQ(texts({"mylabel_1", "mylabel_2"}), (QStringList{"13", "5"}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Chickenfoottally.tld"});
}

TEST_F(Tally, AFileThatCannotBeOpenedIsLeftAloneAndNeverWrittenOver)
{
    // A folder where the file should be: nothing wrong with any bytes, so nothing is set aside.
    ASSERT_TRUE(QDir(folder.path()).mkdir(fileName));
    open({"Ann"});
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains("It is left as it is at " + path())) << boxes.shown[0].toStdString();
    window->addgame("Ann", false);
    window.reset();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{fileName});
}

TEST_F(Tally, ADamagedFileThatCannotBeMovedAsideIsLeftAsItIs)
{
    // The longest name the folder takes: with ".damaged" after it, no name is left to move it to.
    fileName = QString(246, 'x') + "tally.tld";
    ASSERT_EQ(fileName.size(), 255);
    const QByteArray damaged("WRZL\x05\0\0\0garbage", 15);
    writeFile(damaged);
    ASSERT_EQ(fileBytes(), damaged);
    open({"Ann"});
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].contains("Lzrw1")) << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].contains("It is left as it is at " + path() + " and the games of this run are not kept."))
        << boxes.shown[0].toStdString();
    window->addgame("Ann", false);
    EXPECT_EQ(text("mylabel_1"), "1");
    window.reset();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(fileBytes(), damaged);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});
}

namespace {

// Notes whether each box's window was on screen when the box came.
struct ScreenCheckingBoxes : RecordingMessageBoxes {
    void error(QWidget* parent, const QString& text) override
    {
        parentsShown.append(parent && parent->isVisible());
        RecordingMessageBoxes::error(parent, text);
    }
    QList<bool> parentsShown;
};

} // namespace

TEST(TallyReport, AReadFailureWaitsUntilTheWindowIsOnScreen)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Chickenfoottally.tld");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a tally at all");
    }
    ScreenCheckingBoxes boxes;
    QWidget table;
    Ttallylist window(boxes, QPixmap(), &table);
    window.readTallyFile(path);
    window.reportReadFailureWhenShown(&table);
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(window.readFailure().isEmpty());

    table.show();
    EXPECT_TRUE(boxes.shown.isEmpty()) << "not from inside the show";
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("The tally file could not be read:\n")) << boxes.shown[0].toStdString();
    EXPECT_EQ(boxes.parentsShown, QList<bool>{true});
    table.hide();
    table.show();
    QCoreApplication::processEvents();
    window.reportReadFailure();
    EXPECT_EQ(boxes.shown.size(), 1);

    // A good file has nothing to say.
    QFile::remove(path);
    window.readTallyFile(path);
    window.reportReadFailureWhenShown(&table);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(Tally, NamesInAnyScriptAreTalliedAsUtf8AndLatin1NamesStayOneByteEach)
{
    // A file as earlier copies write it: Latin-1 and plain ASCII names.
    QByteArray older = "9\r\n3\r\n0\r\nZo\xEB\r\nAnn\r\n";
    for (const char* cell : {"12", "7", "3", "5", "2", "1", "0", "3", "1", "0", "2", "1"})
        older += QByteArray(cell) + "\r\n";
    older += gridText(zeros(12));
    writeFile([&] {
        const auto packed = lzrw1::compressBuffer(std::span(reinterpret_cast<const std::uint8_t*>(older.data()), older.size()));
        return QByteArray(reinterpret_cast<const char*>(packed.data()), static_cast<qsizetype>(packed.size()));
    }());
    const QString cyrillic = QString::fromUtf8("Михаил"), cjk = QString::fromUtf8("李小龙"),
                  emoji = QString::fromUtf8("Zed 😀"), latin = QString::fromUtf8("Zoë");
    open({latin, cyrillic, cjk, emoji});
    EXPECT_EQ(window->record().opponents(), (QStringList{latin, "Ann"}));
    ASSERT_TRUE(window->writeTallyFile());
    EXPECT_EQ(fileText(), older) << "read and written unchanged, byte for byte";

    window->loadchecklist();
    for (int i = 1; i < 4; ++i)
        list("checklist")->item(i)->setCheckState(Qt::Checked);
    window->addgame(cjk, false);
    const QByteArray written = fileText();
    EXPECT_TRUE(written.startsWith("9\r\n6\r\n0\r\nZo\xEB\r\nAnn\r\n\xD0\x9C\xD0\xB8\xD1\x85\xD0\xB0\xD0\xB8\xD0\xBB\r\n"
                                   "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99\r\nZed \xF0\x9F\x98\x80\r\n"))
        << written.left(80).toStdString();

    // A new run reads every name back, and the counts stay with their names.
    open({cjk});
    EXPECT_EQ(window->record().opponents(), (QStringList{latin, "Ann", cyrillic, cjk, emoji}));
    EXPECT_EQ(row(4), (QStringList{cjk, "1", "1", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(3), (QStringList{cyrillic, "1", "0", "0", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(row(2), (QStringList{"Ann", "3", "1", "1", "1", "0", "0", "0", "0"}));
}
