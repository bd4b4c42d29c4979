#include "table/menus.h"

#include "platform/messagebox.h"
#include "table/chatpanel.h"
#include "table/link.h"
#include "table/sounds.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <type_traits>

namespace {

constexpr std::array<int, 4> kTurnLimits = {0, 30, 60, 120};

QAction* item(QMenu* menu, const char* name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// An entry of a group of which one is chosen; what it stands for rides in its "tag" property.
QAction* choiceItem(QMenu* menu, QActionGroup* group, const char* name, const QString& text, int tag)
{
    QAction* entry = item(menu, name, text);
    entry->setCheckable(true);
    entry->setActionGroup(group);
    entry->setProperty("tag", tag);
    return entry;
}

} // namespace

TableMenus::TableMenus(mirror::TableMirror& mirror, TableLink& link, const TableHooks& hooks, MessageBoxes& boxes,
                       QMainWindow* window)
    : QObject(window), mirror_(mirror), link_(link), hooks_(hooks), boxes_(boxes), window_(window)
{
}

void TableMenus::build(ChatPanel& chat, TableSounds& sounds)
{
    QMenuBar* bar = window_->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [bar](const char* name, const QString& text) {
        QMenu* added = bar->addMenu(text);
        added->setObjectName(QString::fromLatin1(name));
        return added;
    };
    const auto hook = [this](QAction* action, std::function<void()> TableHooks::*target) {
        connect(action, &QAction::triggered, this, [this, target] { TableHooks::call(hooks_.*target); });
    };

    // Each menu opens with Alt and its first letter.
    //: Menu titles: & marks the letter that opens the menu with Alt; keep the four letters apart
    QMenu* file = menu("File1", QCoreApplication::translate("TableMenus", "&File"));
    StartGame1 = item(file, "StartGame1", QCoreApplication::translate("TableMenus", "Start Game"));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, this, [this] { button_startClick(); });
    file->addSeparator();
    connect(item(file, "Exit1", QCoreApplication::translate("TableMenus", "Exit")), &QAction::triggered, window_, &QWidget::close);

    buildOptions(menu("Options1", QCoreApplication::translate("TableMenus", "&Options")), chat, sounds);

    QMenu* view = menu("View1", QCoreApplication::translate("TableMenus", "&View"));
    hook(item(view, "ViewTally1", QCoreApplication::translate("TableMenus", "View Tally")), &TableHooks::onShowTally);
    hook(item(view, "SpyList1", QCoreApplication::translate("TableMenus", "Spy List")), &TableHooks::onShowSpyList);
    hook(item(view, "PrhaseList1", QCoreApplication::translate("TableMenus", "Phrase List")), &TableHooks::onShowPhrases);
    hook(item(view, "ScoreSheet1", QCoreApplication::translate("TableMenus", "S&core Sheet")), &TableHooks::onShowScoreSheet);

    QMenu* help = menu("Help1", QCoreApplication::translate("TableMenus", "&Help"));
    //: Opens the help pages
    QAction* content = item(help, "Help2", QCoreApplication::translate("TableMenus", "Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    hook(content, &TableHooks::onShowHelp);
    help->addSeparator();
    hook(item(help, "About1", QCoreApplication::translate("TableMenus", "About")), &TableHooks::onShowAbout);

    buildSeatPopup();
}

void TableMenus::buildOptions(QMenu* options, ChatPanel& chat, TableSounds& sounds)
{
    Hint1 = item(options, "Hint1", QCoreApplication::translate("TableMenus", "Hint"));
    Hint1->setEnabled(false);
    options->addSeparator();
    sounds.buildSoundMenus(options, window_);

    QMenu* speed = options->addMenu(QCoreApplication::translate("TableMenus", "Bot Speed"));
    speed->setObjectName(QStringLiteral("BotSpeed1"));
    auto* speedGroup = new QActionGroup(window_);
    const char* speedNames[3] = {"Slow1", "Normal1", "Fast1"};
    //: How quickly the computer players move
    const char* speedTexts[3] = {QT_TRANSLATE_NOOP("TableMenus", "Slow"), QT_TRANSLATE_NOOP("TableMenus", "Normal"),
                                 QT_TRANSLATE_NOOP("TableMenus", "Fast")};
    const int speedValues[3] = {2000, 1000, 500};
    for (int i = 0; i < 3; ++i) {
        QAction* entry = choiceItem(speed, speedGroup, speedNames[i], QCoreApplication::translate("TableMenus", speedTexts[i]),
                                    speedValues[i]);
        connect(entry, &QAction::triggered, this, [this, entry] { Fast1Click(entry); });
        botSpeedItems_[i] = entry;
    }
    botSpeedItems_[1]->setChecked(true);

    options->addSeparator();
    options->addAction(chat.textColourEntry());
    QMenu* textSize = options->addMenu(QCoreApplication::translate("TableMenus", "Text Size"));
    textSize->setObjectName(QStringLiteral("TextSize1"));
    for (QAction* size : chat.textSizeEntries())
        textSize->addAction(size);
    options->addAction(chat.scrollChatOffEntry());
    options->addAction(chat.clearMainChatEntry());
    connect(item(options, "ResetScreenLocation1", QCoreApplication::translate("TableMenus", "Reset Screen Location")), &QAction::triggered,
            this, [this] {
                if (onResetScreenLocation)
                    onResetScreenLocation();
            });
    options->addSeparator();
    TurnTimeLimit1 = options->addMenu(QCoreApplication::translate("TableMenus", "Turn Time Limit"));
    TurnTimeLimit1->setObjectName(QStringLiteral("TurnTimeLimit1"));
    TurnTimeLimit1->setEnabled(mirror_.state().hosting);
    auto* limitGroup = new QActionGroup(window_);
    const char* limitNames[4] = {"TurnLimitOff1", "TurnLimit30s1", "TurnLimit1m1", "TurnLimit2m1"};
    const QString limitTexts[4] = {QCoreApplication::translate("TableMenus", "Off"), QCoreApplication::translate("TableMenus", "30 seconds"),
                                   QCoreApplication::translate("TableMenus", "1 minute"), QCoreApplication::translate("TableMenus", "2 minutes")};
    for (std::size_t i = 0; i < turnLimitItems_.size(); ++i) {
        QAction* entry = choiceItem(TurnTimeLimit1, limitGroup, limitNames[i], limitTexts[i], kTurnLimits[i]);
        connect(entry, &QAction::triggered, this, [this, entry] { TurnTimeLimit1Click(entry); });
        turnLimitItems_[i] = entry;
    }
    turnLimitItems_[0]->setChecked(true);
    ComputerSkill1 = options->addMenu(QCoreApplication::translate("TableMenus", "Computer Skill"));
    ComputerSkill1->setObjectName(QStringLiteral("ComputerSkill1"));
    ComputerSkill1->setEnabled(mirror_.state().hosting);
    auto* skillGroup = new QActionGroup(window_);
    const char* skillNames[2] = {"Standard1", "Strong1"};
    //: The computer players' skill
    const char* skillTexts[2] = {QT_TRANSLATE_NOOP("TableMenus", "Standard"), QT_TRANSLATE_NOOP("TableMenus", "Strong")};
    for (int i = 0; i < 2; ++i) {
        QAction* entry = choiceItem(ComputerSkill1, skillGroup, skillNames[i], QCoreApplication::translate("TableMenus", skillTexts[i]), i);
        connect(entry, &QAction::triggered, this, [this, entry] { ComputerSkill1Click(entry); });
        computerSkillItems_[i] = entry;
    }
    computerSkillItems_[0]->setChecked(true);
    JustWatch1 = item(options, "JustWatch1", QCoreApplication::translate("TableMenus", "Just Watch"));
    JustWatch1->setCheckable(true);
    connect(JustWatch1, &QAction::triggered, this, [this] { JustWatch1Click(); });
}

void TableMenus::setHosting(bool hosting)
{
    StartGame1->setEnabled(hosting);
    ComputerSkill1->setEnabled(hosting);
    TurnTimeLimit1->setEnabled(hosting);
}

void TableMenus::enableStartGame(bool enabled) { StartGame1->setEnabled(enabled); }

void TableMenus::button_startClick()
{
    if (!mirror_.state().loggedIn) {
        boxes_.inform(window_, QCoreApplication::translate("TableMenus", "You are not connected"));
        return;
    }
    TableHooks::call(hooks_.onShowGameStart);
}

void TableMenus::react(const mirror::Event& event)
{
    // The check mark follows the host's word on this table's own seat.
    if (const auto* changed = std::get_if<mirror::WatchChanged>(&event)) {
        if (changed->seat == mirror_.state().ownSeat)
            JustWatch1->setChecked(changed->watching);
    } else if (std::holds_alternative<mirror::GameStarted>(event)) {
        JustWatch1->setChecked(false);
    }
}

void TableMenus::JustWatch1Click()
{
    // The check mark follows the host's "CMD_justwatching", not the click: undo the toggle the
    // menu made and ask for the opposite of what is shown.
    const bool watching = !JustWatch1->isChecked();
    JustWatch1->setChecked(watching);
    link_.send(mirror_.justWatch(mirror_.state().ownSeat, !watching));
}

void TableMenus::setBotSpeed(int milliseconds)
{
    const int index = milliseconds == 2000 ? 0 : milliseconds == 500 ? 2 : 1;
    botSpeed_ = index == 0 ? 2000 : index == 2 ? 500 : 1000;
    botSpeedItems_[index]->setChecked(true);
}

void TableMenus::Fast1Click(QAction* entry)
{
    const int value = entry->property("tag").toInt();
    setBotSpeed(value);
    link_.send(mirror_.botSpeed(value));
    hooks_.saveSettings(SettingsOption::BotSpeed);
}

void TableMenus::setComputerSkill(int skill)
{
    computerSkill_ = skill == 1 ? 1 : 0;
    computerSkillItems_[computerSkill_]->setChecked(true);
}

void TableMenus::ComputerSkill1Click(QAction* entry)
{
    // Nothing goes to the host: it reads the choice from its own table at every computer move.
    setComputerSkill(entry->property("tag").toInt());
    hooks_.saveSettings(SettingsOption::ComputerSkill);
}

void TableMenus::setTurnLimit(int seconds)
{
    std::size_t index = 0;
    for (std::size_t i = 0; i < kTurnLimits.size(); ++i)
        if (kTurnLimits[i] == seconds)
            index = i;
    turnLimit_ = kTurnLimits[index];
    turnLimitItems_[index]->setChecked(true);
}

void TableMenus::TurnTimeLimit1Click(QAction* entry)
{
    // As with the skill, the host reads the limit from this table, at the start of every turn.
    setTurnLimit(entry->property("tag").toInt());
    hooks_.saveSettings(SettingsOption::TurnLimit);
}

// ---- The seat popup --------------------------------------------------------------------------------

void TableMenus::buildSeatPopup()
{
    popup_kick = new QMenu(window_);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    const auto entry = [this](const char* name, const QString& text, std::function<void()> handler) {
        QAction* action = item(popup_kick, name, text);
        connect(action, &QAction::triggered, this, std::move(handler));
        return action;
    };
    RemoveFromGame1 = entry("RemoveFromGame1", QCoreApplication::translate("TableMenus", "Remove From Game"), [this] { kicking(popupSeat_); });
    SettoJustWatch1 = entry("SettoJustWatch1", QCoreApplication::translate("TableMenus", "Set to Just Watch"),
                            [this] { link_.send(mirror_.justWatch(popupSeat_, true)); });
    UnsetJustWatch1 = entry("UnsetJustWatch1", QCoreApplication::translate("TableMenus", "Unset Just Watch"),
                            [this] { link_.send(mirror_.justWatch(popupSeat_, false)); });
}

void TableMenus::label_playername1ContextPopup(int seat, const QPoint& global)
{
    // Other tables see the entries greyed: only the host may use them.
    const bool hosting = mirror_.state().hosting;
    for (QAction* action : {RemoveFromGame1, SettoJustWatch1, UnsetJustWatch1})
        action->setEnabled(hosting);
    if (mirror_.seat(seat).name == "<Waiting>")
        RemoveFromGame1->setEnabled(false);
    popupSeat_ = seat;
    popup_kick->popup(global);
}

void TableMenus::kicking(int number) { link_.send(mirror_.kick(number)); }
