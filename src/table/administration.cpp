// Running the table: the hosting player removes players and sets seats to watch or play again;
// every seated player may watch; everyone chooses how fast the computer plays, and the hosting
// player how well. Each command only asks the host; the tables change when the host's answer comes.
#include "table/chatform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

void Tchat::buildSeatPopup()
{
    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    popup_kick->setProperty("tag", 0);
    const auto entry = [this](const char* name, const QString& text, void (Tchat::*handler)()) {
        QAction* action = popup_kick->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    RemoveFromGame1 = entry("RemoveFromGame1", QStringLiteral("Remove From Game"), &Tchat::RemoveFromGame1Click);
    SettoJustWatch1 = entry("SettoJustWatch1", QStringLiteral("Set to Just Watch"), &Tchat::SettoJustWatch1Click);
    UnsetJustWatch1 = entry("UnsetJustWatch1", QStringLiteral("Unset Just Watch"), &Tchat::UnsetJustWatch1Click);

    for (int seat = 1; seat <= kSeatCount; ++seat) {
        QLabel* label = label_playername[seat];
        label->setProperty("tag", seat);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& position) { label_playername1ContextPopup(label, position); });
    }
}

void Tchat::label_playername1ContextPopup(QLabel* label, const QPoint& position)
{
    // Other tables see the entries greyed: only the host may use them.
    for (QAction* action : {RemoveFromGame1, SettoJustWatch1, UnsetJustWatch1})
        action->setEnabled(hosting_);
    if (label->text() == QStringLiteral("<Waiting>"))
        RemoveFromGame1->setEnabled(false);
    popup_kick->setProperty("tag", label->property("tag"));
    popup_kick->popup(label->mapToGlobal(position));
}

void Tchat::RemoveFromGame1Click() { kicking(popup_kick->property("tag").toInt()); }

void Tchat::kicking(int seat)
{
    if (!hosting_ || !loggedIn_ || seat < 1 || seat > kMaxConnection)
        return;
    // The removed table hears no reason: it only loses its connection.
    sendToHost(game::Message("CMD_kickhim").field(ownSeat_).field(seat).raw("+"));
}

void Tchat::SettoJustWatch1Click() { sendJustWatch(popup_kick->property("tag").toInt(), true); }

void Tchat::UnsetJustWatch1Click() { sendJustWatch(popup_kick->property("tag").toInt(), false); }

void Tchat::sendJustWatch(int seat, bool watch)
{
    if (loggedIn_ && isSeat(seat))
        sendToHost(game::Message("CMD_justwatch").field(seat).field(watch ? 1 : 2));
}

void Tchat::JustWatch1Click()
{
    // The check mark follows the host's "CMD_justwatching", not the click: undo the toggle the
    // menu made and ask for the opposite of what is shown.
    const bool watching = !JustWatch1->isChecked();
    JustWatch1->setChecked(watching);
    if (isSeat(ownSeat_))
        sendJustWatch(ownSeat_, !watching);
}

void Tchat::Fast1Click(QAction* entry)
{
    const int value = entry->property("tag").toInt();
    setBotSpeed(value);
    // The computer follows the hosting table's choice only; the others tell the host anyway.
    if (loggedIn_)
        sendToHost(game::Message("CMD_botspeed").field(ownSeat_).field(value).raw("+"));
    if (onSaveSettings)
        onSaveSettings(SettingsOption::BotSpeed);
}

void Tchat::setComputerSkill(int skill)
{
    computerSkill_ = skill == 1 ? 1 : 0;
    computerSkillItems_[computerSkill_]->setChecked(true);
}

void Tchat::ComputerSkill1Click(QAction* entry)
{
    // Nothing goes to the host: it reads the choice from its own table at every computer move.
    setComputerSkill(entry->property("tag").toInt());
    if (onSaveSettings)
        onSaveSettings(SettingsOption::ComputerSkill);
}
