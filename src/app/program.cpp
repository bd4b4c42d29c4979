#include "app/program.h"

#include "platform/datafolder.h"
#include "platform/messagebox.h"
#include "table/artwork.h"
#include "table/chatpanel.h"
#include "table/chatview.h"
#include "table/firstdrawn.h"
#include "table/menus.h"
#include "table/shell.h"
#include <QStringListModel>
#include "table/wiretext.h"

#include <chrono>

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

void present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Program::Program(SoundPlayer& sounds, MessageBoxes& boxes, const QString& folder, Opener* opener)
    : dataFolder(folder),
      // The table logs in with the about box's version; the box is made later, read later.
      chat(sounds, boxes, [this] { return about->versionText(); }),
      tallylist([this] { return makeTallyList(); }),
      about([this] {
          auto made = std::make_unique<Tabout>(&chat, chat.artwork().tableBackground);
          made->setOpener(opener_);
          return made;
      }),
      download([this] {
          auto made = std::make_unique<Tdownload>(&chat, chat.artwork().tableBackground, dataFolder, boxes_);
          made->setOpener(opener_);
          // The lobby's installer or the lobby itself takes over: the game closes as Exit closes it.
          made->setExitGame([this] { chat.close(); });
          return made;
      }),
      gamestart([this] {
          auto made = std::make_unique<Tgamestart>(&chat, chat.artwork().tableBackground);
          made->setStartGame([this](const QStringList& fields) { chat.shell().startGame(fields); });
          made->setSettingsChanged([this] { saveSettings(SettingsOption::GameStart); });
          return made;
      }),
      help([this] {
          auto made = std::make_unique<Thelp>(&chat, chat.artwork().tableBackground);
          made->setShowAbout([this] { present(about.get()); });
          return made;
      }),
      phrases([this] {
          auto made = std::make_unique<Tphrases>(&chat, chat.artwork().tableBackground);
          made->setDone([this](const QStringList& texts) { chat.applyPhrases(texts); });
          return made;
      }),
      journal(QDir(folder).filePath(QString::fromLatin1(kJournalFileName)).toStdString()),
      spylist([this] {
          auto made = std::make_unique<Tspylist>(chat.spectators(), chat.artwork().tableBackground, &chat);
          made->setKicking([this](int seat) { chat.menus().kicking(seat); });
          if (hosting_)
              made->setHosting(true);
          return made;
      }),
      scoresheet([this] {
          return std::make_unique<Tscoresheet>(
              chat.scoreSheet(), boxes_, chat.artwork().tableBackground,
              [this](int bone) {
                  return chat.artwork().lyingBone(bone, false).scaledToHeight(17, Qt::SmoothTransformation);
              },
              &chat);
      }),
      settings(QDir(dataFolder).filePath(QStringLiteral("briskolobby.ini")), settingsLink),
      boxes_(boxes),
      opener_(opener ? *opener : desktopOpener())
{
    chat.shell().setServer(&server);
    chat.hooks.onBeforeHosting = [this] { takeUpJournal(); };
    chat.hooks.onShowDownload = [this] { present(download.get()); };
    chat.hooks.onShowGameStart = [this] {
        gamestart->setPlayerName(chat.shell().playerName());
        present(gamestart.get());
    };
    chat.hooks.onHosting = [this] {
        hosting_ = true;
        if (spylist.made())
            spylist->setHosting(true);
    };
    chat.hooks.onShowTally = [this] {
        tallylist->loadchecklist();
        present(tallylist.get());
    };
    chat.hooks.onAddGame = [this](const QString& winner, bool thisPlayerWon) { tallylist->addgame(winner, thisPlayerWon); };
    chat.hooks.onShowSpyList = [this] { present(spylist.get()); };
    chat.hooks.onShowScoreSheet = [this] { present(scoresheet.get()); };
    chat.hooks.onShowPhrases = [this] {
        phrases->setPhrases(chat.chatPanel().phrases());
        present(phrases.get());
    };
    chat.hooks.onSavePhrases = [this] { reportSaveFailure(settings.savePhrases()); };
    chat.hooks.onShowHelp = [this] { present(help.get()); };
    chat.hooks.onShowAbout = [this] { present(about.get()); };
    chat.hooks.onLoadSettings = [this] { settings.load(); };
    chat.hooks.onSaveSettings = [this](SettingsOption option) { saveSettings(option); };

    chat.chatPanel().setOpener(opener_);
    chat.hooks.onBannerClick = [this] { about->URL1.open(); };
    whenFirstDrawn(chat, [this] { makeSideWindows(); });
}

Program::~Program()
{
    // The tally window writes the tally back as it goes, as it always did when made at start.
    tallylist.get();
}

void Program::makeSideWindows()
{
    if (makingSideWindows_)
        return;
    makingSideWindows_ = true;
    QTimer::singleShot(0, &chat, [this] { makeNextSideWindow(); });
}

void Program::makeNextSideWindow()
{
    // The order they were always made in; one each pass, so the table answers in between.
    const std::function<bool()> steps[] = {
        [this] { return !tallylist.made() && tallylist.get(); },
        [this] { return !about.made() && about.get(); },     [this] { return !download.made() && download.get(); },
        [this] { return !gamestart.made() && gamestart.get(); }, [this] { return !help.made() && help.get(); },
        [this] { return !phrases.made() && phrases.get(); }, [this] { return !spylist.made() && spylist.get(); },
        [this] { return !scoresheet.made() && scoresheet.get(); },
    };
    for (const auto& step : steps)
        if (step()) {
            QTimer::singleShot(0, &chat, [this] { makeNextSideWindow(); });
            return;
        }
}

std::unique_ptr<Ttallylist> Program::makeTallyList()
{
    auto made = std::make_unique<Ttallylist>(boxes_, chat.artwork().tableBackground, &chat);
    made->setSeatNames([this] {
        QStringList names;
        for (int seat = 1; seat <= mirror::kSeatCount; ++seat)
            if (seat != chat.mirror().state().ownSeat)
                names.append(chat.seatCaption(seat));
        return names;
    });
    made->readTallyFile(QDir(dataFolder).filePath(Ttallylist::fileNameFor(QString::fromLatin1(TableSettings::kSection))));
    made->reportReadFailureWhenShown(&chat);
    return made;
}

namespace {

// "ANN, BOB and CY"
QString listOfNames(const std::vector<std::string>& names)
{
    QString list;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (k > 0)
            //: Between the last two names of a list: "ANN, BOB and CY"
            list += k + 1 == names.size() ? QCoreApplication::translate("Program", " and ") : QStringLiteral(", ");
        list += fromWire(names[k]);
    }
    return list;
}

} // namespace

void Program::takeUpJournal()
{
    host::Engine& engine = server.engine();
    engine.setJournal(&journal);
    const auto text = journal.load();
    if (!text)
        return;
    // A game left for a day is not coming back; it is kept, out of the way.
    if (const auto age = journal.age(); age && *age > std::chrono::hours(24)) {
        journal.setAside("expired");
        return;
    }
    std::string why;
    const auto game = host::readJournal(*text, &why);
    if (!game) {
        const auto aside = journal.setAside("damaged");
        boxes_.inform(&chat, QCoreApplication::translate("Program", "The unfinished game could not be read (%1); it was set aside as %2.")
                                 .arg(QString::fromStdString(why), QString::fromStdString(aside.filename().string())));
        return;
    }
    const QString question = QCoreApplication::translate("Program", "Resume the unfinished game with %1 from round %2?")
                                 .arg(listOfNames(host::journalPlayers(game->state)))
                                 .arg(game->state.round);
    // The real-program tests answer through the environment; nothing else sets it.
    const QByteArray answer = qgetenv("TILVARO_TEST_RESUME");
    const bool yes = answer.isEmpty() ? boxes_.confirm(&chat, question) : answer == "yes";
    if (yes && engine.resume(*game))
        return;
    journal.setAside("declined");
}

void Program::saveSettings(SettingsOption option) { reportSaveFailure(settings.save(option)); }

void Program::reportSaveFailure(bool saved)
{
    if (!saved)
        settingsSaveFailure_.report(&chat, QCoreApplication::translate("Program", "The settings could not be saved. %1").arg(settings.errorString()));
}

void Program::reportSeatsTo(std::FILE* out)
{
    chat.hooks.onMessageHandled = [this, out] {
        const ChatView* view = chat.chatPanel().view();
        for (; reportedChatLines_ < view->lineCount(); ++reportedChatLines_)
            std::fprintf(out, "chat\t%s\n", view->lineText(reportedChatLines_).toUtf8().constData());
        QString seats = QStringLiteral("seats");
        for (int seat = 1; seat <= mirror::kSeatCount; ++seat)
            seats += QLatin1Char('\t') + chat.seatCaption(seat);
        if (seats != lastSeats_) {
            lastSeats_ = seats;
            std::fprintf(out, "%s\n", seats.toUtf8().constData());
        }
        std::fflush(out);
    };
}
