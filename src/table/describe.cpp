// The table as assistive technology reads it: a name and a description for every control the
// player uses, kept in step with the game after every message from the host and every action of
// the player, and announcements of turns, plays, passes, round ends and the winner on the status
// line, so a screen reader speaks them wherever the focus is.
#include "game/board.h"
#include "game/bones.h"
#include "table/accessibility.h"
#include "table/chatform.h"
#include "table/chatpanel.h"
#include "table/tablewidgets.h"

#include <QLabel>
#include <QLineEdit>

void Tchat::buildAccessibility()
{
    a11y::installInterfaces();
    a11y::setTexts(button_pass, QStringLiteral("Pass"), {});
    a11y::setTexts(button_start, QStringLiteral("Start Game"), {});
    a11y::setTexts(Image5, QStringLiteral("Tilvaro web site"), {});
    a11y::setTexts(label_round, {}, QStringLiteral("Round counter"));
    a11y::setTexts(chatPanel_->input(), QStringLiteral("Chat input"), QStringLiteral("Enter sends the text"));
    // Screen readers on Linux speak a notification as it appears, wherever the focus is. This one
    // is a single transparent pixel in the corner: it is there for them alone.
    announcer_ = new QLabel(panel_main);
    announcer_->setObjectName(QStringLiteral("announcer"));
    announcer_->setGeometry(0, 0, 1, 1);
    announcer_->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
    announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer_->hide();
    describeTable();
}

QString Tchat::seatSpoken(int seat) const { return seat == ownSeat_ ? QStringLiteral("You") : caption(seat); }

void Tchat::describeTable()
{
    describeHand();
    describeMarkers();
    describeBoard();
    describeSeats();
}

void Tchat::describeHand()
{
    const int count = bonesInHand();
    const bool ringShown = focusRing_ && !focusRing_->isHidden();
    a11y::setTexts(panel_bones, QStringLiteral("Your hand"),
                     (count == 1 ? QStringLiteral("1 bone.\n") : QStringLiteral("%1 bones.\n").arg(count)) + kHandKeys);
    for (int place = 1; place <= count; ++place) {
        BoneImage* bone = boneImage(places_[place].slot);
        if (!bone)
            continue;
        const bool raised = bone->raised();
        a11y::setTexts(bone, a11y::boneName(bone->hint),
                         QStringLiteral("Place %1 of %2%3").arg(place).arg(count).arg(raised ? QStringLiteral(", raised") : QString()));
        // Screen readers hear of a bone going up or down, and of the ring arriving on it.
        if (bone->property("spokenraised").toBool() != raised) {
            bone->setProperty("spokenraised", raised);
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(bone, changed);
            a11y::raise(event);
        }
        const bool ringed = ringShown && place == ringPlace_;
        if (bone->property("focusring").toBool() != ringed) {
            bone->setProperty("focusring", ringed);
            if (ringed)
                a11y::notify(bone, QAccessible::Focus);
        }
    }
}

void Tchat::describeMarkers()
{
    for (int toe = 1; toe <= 3; ++toe) {
        ClickImage* marker = image_toe[toe];
        QString name = QStringLiteral("Toe %1, place %2").arg(toe).arg(marker->tag);
        const int pip = markerPip(toe);
        if (pip >= 0)
            name += QStringLiteral(", fits a %1").arg(pip);
        a11y::setTexts(marker, name, QStringLiteral("Key %1 plays the raised bone here").arg(toe));
    }
}

void Tchat::describeBoard()
{
    QString text = game::isValidBone(spinnerBone_)
                       ? QStringLiteral("Spinner: %1.").arg(a11y::inSentence(a11y::boneName(spinnerBone_)))
                       : QStringLiteral("No spinner.");
    for (int toe = 1; toe <= 3; ++toe) {
        QStringList bones;
        int open = -1;
        for (int position = 1; position <= game::kToePositions && board_.cell(toe, position).bone != 0; ++position) {
            const game::BoardCell& cell = board_.cell(toe, position);
            bones.append(a11y::inSentence(a11y::lyingBoneName(cell.bone, cell.flip)));
            open = game::outwardPip(cell);
        }
        if (bones.isEmpty())
            text += QStringLiteral("\nToe %1: empty.").arg(toe);
        else
            text += QStringLiteral("\nToe %1: %2; open end %3.").arg(toe).arg(bones.join(QStringLiteral(", "))).arg(open);
    }
    a11y::setTexts(paintbox_board, QStringLiteral("Board"), text);
}

void Tchat::describeSeats()
{
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        QString name = QStringLiteral("Seat %1: %2").arg(seat).arg(caption(seat));
        if (seat == ownSeat_ && caption(seat) != QStringLiteral("You"))
            name += QStringLiteral(" (you)");
        QStringList facts;
        const QString left = label_bones[seat]->text();
        if (!left.isEmpty())
            facts.append(left == QStringLiteral("1") ? QStringLiteral("1 bone left") : left + QStringLiteral(" bones left"));
        facts.append(QStringLiteral("total ") + label_score[seat]->text());
        if (!label_bonus[seat]->text().isEmpty())
            facts.append(QStringLiteral("this round ") + label_bonus[seat]->text());
        if (!image_turn[seat]->isHidden())
            facts.append(seat == ownSeat_ ? QStringLiteral("your turn") : QStringLiteral("their turn"));
        if (!image_eyes[seat]->isHidden())
            facts.append(QStringLiteral("just watching"));
        a11y::setTexts(label_playername[seat], name, facts.join(QStringLiteral(", ")));
    }
}

void Tchat::announce(const QString& text)
{
    // The status line is the table's live region: its name is what it shows, its description the
    // latest happening, and an alert asks the screen reader to speak it now; the announcer says it
    // again as a notification, which is what Linux screen readers speak unasked.
    a11y::setTexts(label_status, {}, text);
    a11y::notify(label_status, QAccessible::Alert);
    announcer_->hide();
    announcer_->setText(text);
    announcer_->show();
    a11y::noteRaisedByQt(announcer_, QAccessible::ObjectShow);
}
