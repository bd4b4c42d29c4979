// A pseudo-translation puts every marked text in brackets. A solo game is played to its end with
// every side window open, and any text shown without the brackets is a text that never went
// through the translations: a player of another language would read it in English.
#include "app/program.h"
#include "i18n/walk.h"
#include "platform/messagebox.h"
#include "platform/opener.h"
#include "platform/sound.h"
#include "table/menus.h"
#include "table/shell.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Texts shown untranslated on purpose, and why.
struct Kept {
    QRegularExpression text;
    const char* reason;
};
const Kept kKept[] = {
    {QRegularExpression(QStringLiteral("^Tilvaro$")), "the program's name"},
    // Names travel: every table must show the same ones. The solo player is "You" at every table.
    {QRegularExpression(QStringLiteral("^(You|Klot|Klock|Kling|Klick|Krazy|<Waiting>|XX)( \u2605)?$")),
     "a player's name, as the host announces it (XX: the tally's name for nobody; the star marks the winner)"},
    {QRegularExpression(QStringLiteral("^(The Tilvaro Team|www\\.tilvaro\\.org)$")), "the maker's name and web address"},
    {QRegularExpression(QStringLiteral("^(You|Klot|Klock|Kling|Klick|Krazy): ")),
     "a chat line the host relays, in the words it was sent"},
};

const char* keptBecause(const QString& text)
{
    for (const Kept& kept : kKept)
        if (kept.text.match(text).hasMatch())
            return kept.reason;
    return nullptr;
}

// A text needs the mark when it has words in it; numbers, scores and smiley codes do not.
bool hasWords(const QString& text) { return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))); }

struct PseudoTranslation : testing::Test {
    PseudoTranslation()
    {
        EXPECT_TRUE(pseudo.load(QStringLiteral(TILVARO_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
    }
    ~PseudoTranslation() override { QCoreApplication::removeTranslator(&pseudo); }
    QTranslator pseudo;
};

} // namespace

TEST_F(PseudoTranslation, EveryTextOfASoloGameAndTheSideWindowsIsTranslated)
{
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    RecordingOpener opener;
    QTemporaryDir folder;
    Program program{sounds, boxes, folder.path(), &opener};
    Tchat& chat = program.chat;
    FoundTexts found;
    const auto walkAll = [&] {
        for (QWidget* window : std::initializer_list<QWidget*>{&chat, program.tallylist.get(), program.about.get(), program.download.get(),
                                                               program.gamestart.get(), program.help.get(), program.phrases.get(),
                                                               program.spylist.get(), program.scoresheet.get()})
            walkWindow(*window, found);
    };
    // The status line, the notices and the screen reader's announcements change with every message.
    chat.hooks.onMessageHandled = [&] { walkWindow(chat, found); };
    program.server.Sock1.setPortName("0");
    program.server.setTimer1Interval(1);
    chat.shell().setCommandLine({});
    chat.show();
    walkAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat.seatCaption(1) == QStringLiteral("You"); }, 20000));
    program.server.botSpeedProvider = [] { return 1; };
    for (QWidget* side : std::initializer_list<QWidget*>{program.tallylist.get(), program.about.get(), program.gamestart.get(),
                                                         program.phrases.get(), program.spylist.get(), program.scoresheet.get()})
        side->show();
    for (QPushButton* page : program.help->findChildren<QPushButton*>()) {
        program.help->show();
        if (page->objectName().startsWith(QStringLiteral("SelButton")))
            program.help->SelButton1Click(page);
        walkWindow(*program.help, found);
    }
    walkAll();

    // A three-round game the computer plays for the player, to the winner's banner.
    chat.shell().startGame({QStringLiteral("You"), QStringLiteral("3"), QStringLiteral("1"), QString()});
    chat.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.scoresheet->shownGame() && !program.scoresheet->shownGame()->winner.empty(); },
                                120000));
    walkAll();

    QStringList untranslated;
    int marked = 0;
    for (const auto& [text, where] : found) {
        if (text.contains(QLatin1Char('['))) {
            ++marked;
            continue;
        }
        if (hasWords(text) && !keptBecause(text))
            untranslated.append(where + QStringLiteral(": ") + text.left(80));
    }
    for (const QString& box : boxes.shown)
        if (!box.contains(QLatin1Char('[')))
            untranslated.append(QStringLiteral("message box: ") + box);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
    // The walk saw the game through: the banner, a round's status and the help pages, marked.
    const auto seen = [&](const QString& part) {
        return std::any_of(found.begin(), found.end(), [&](const auto& entry) { return entry.first.contains(part); });
    };
    EXPECT_TRUE(seen(QStringLiteral("[Game Over!]")));
    EXPECT_TRUE(seen(QStringLiteral("[<Enter Chat Here>]")));
    EXPECT_TRUE(seen(QStringLiteral("[Round: ")));
    EXPECT_TRUE(seen(QStringLiteral("[Welcome to Tilvaro")));
    EXPECT_TRUE(seen(QStringLiteral("[The Lobby]")));
    EXPECT_GT(marked, 150);
    if (qEnvironmentVariableIsSet("TILVARO_LIST_TEXTS"))
        for (const auto& [text, where] : found)
            std::printf("%s: %s\n", qPrintable(where), qPrintable(text.left(100)));
}
