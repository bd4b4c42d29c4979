#pragma once
// The program's nine windows, each made once, for the whole run: the table (the main window),
// the tally list, the about box, the download window, the game start dialog, the help window, the
// phrase editor, the hidden game host and the spy list; then the score sheet; and the wiring
// between them. The table and the host are made with the program; the side windows once the
// table is on screen, in this order (the tally list first, so the tally is read at once), one per
// pass of the event loop, or earlier when something needs one. main.cpp makes one after the
// single-instance check; tests make their own.

#include "app/later.h"
#include "app/settingslink.h"
#include "dialogs/aboutform.h"
#include "dialogs/downloadform.h"
#include "dialogs/gamestartform.h"
#include "dialogs/helpform.h"
#include "dialogs/phrasesform.h"
#include "dialogs/scoresheetform.h"
#include "dialogs/spylistform.h"
#include "dialogs/tallylistform.h"
#include "host/journal.h"
#include "host/serverform.h"
#include "platform/datafolder.h"
#include "platform/opener.h"
#include "platform/savefailure.h"
#include "platform/singleinstance.h"
#include "table/chatform.h"
#include "table/settings.h"

#include <cstdio>

class MessageBoxes;
class SoundPlayer;

class Program {
public:
    static constexpr const char* kJournalFileName = "Chickenfoot.journal";

    // The sound player and the message boxes must outlive the program's windows. The settings
    // and the tally live in `folder` (tests give a folder of their own). Links, the banner and the
    // downloaded lobby go to `opener` (not owned; the desktop's when null).
    Program(SoundPlayer& sounds, MessageBoxes& boxes, const QString& folder = ::dataFolder(),
            Opener* opener = nullptr);
    // Writes the tally even when the program ends before its window was drawn.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Where the settings and the tally live, decided once at start (see platform/datafolder.h).
    const QString dataFolder;

    Tchat chat;
    // Tells other programs that the game runs; made with the table, held for the whole run.
    RunningMarker marker{QStringLiteral("chickenfoot")};
    Later<Ttallylist> tallylist;
    Later<Tabout> about;
    Later<Tdownload> download;
    Later<Tgamestart> gamestart;
    Later<Thelp> help;
    Later<Tphrases> phrases;
    TServer server;
    // The running game's journal, beside the settings; an unfinished game is offered when hosting starts.
    host::JournalFile journal;
    Later<Tspylist> spylist;
    Later<Tscoresheet> scoresheet;

    // "briskolobby.ini" in the data folder; loaded when the host confirms the table, written
    // after each option the player chooses.
    SettingsLink settingsLink{chat, [this]() -> Tgamestart& { return *gamestart; }};
    TableSettings settings;

    // Makes the side windows not made yet, one per pass of the event loop. Called once the table
    // has been drawn for the first time; safe to call again.
    void makeSideWindows();

    // A test aid: writes the six seat captions, tab-separated after "seats", as one line to
    // `out` whenever they change, and each new chat line after "chat" and a tab, in UTF-8, so a
    // test can watch a running copy from outside.
    void reportSeatsTo(std::FILE* out);

private:
    // The tally: read when the tally window is made, written after each game and when the window
    // goes at the end. A file that cannot be read is reported once the table is on screen.
    std::unique_ptr<Ttallylist> makeTallyList();
    void saveSettings(SettingsOption option);
    void takeUpJournal();
    // An error box the first time a save fails in a run, a line on stderr after that.
    void reportSaveFailure(bool saved);
    void makeNextSideWindow();

    // Hosting may start before the spy list is made; it learns of it when it is.
    bool hosting_ = false;
    bool makingSideWindows_ = false;

    MessageBoxes& boxes_;
    Opener& opener_;
    SaveFailureReporter settingsSaveFailure_{boxes_};
    QString lastSeats_;
    int reportedChatLines_ = 0;
};
