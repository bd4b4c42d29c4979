#include "table/describe.h"

#include "game/board.h"
#include "game/bones.h"
#include "table/accessibility.h"
#include "table/boardview.h"
#include "table/handview.h"
#include "table/seatrows.h"
#include "table/statusline.h"
#include "table/tablewidgets.h"

#include <QCoreApplication>
#include <QLabel>

#include <type_traits>

Describer::Describer(const mirror::TableMirror& mirror, const SeatRows& seats, const HandView& hand,
                     const BoardView& board, const StatusLine& status, QWidget* panel)
    : QObject(panel), mirror_(mirror), seats_(seats), hand_(hand), board_(board), status_(status)
{
    a11y::installInterfaces();
    //: A button's name as a screen reader speaks it: pass the turn
    a11y::setTexts(status_.passButton(), QCoreApplication::translate("Describe", "Pass"), {});
    a11y::setTexts(status_.startButton(), QCoreApplication::translate("Describe", "Start Game"), {});
    // Screen readers on Linux speak a notification as it appears, wherever the focus is. This one
    // is a single transparent pixel in the corner: it is there for them alone.
    announcer_ = new QLabel(panel);
    announcer_->setObjectName(QStringLiteral("announcer"));
    announcer_->setGeometry(0, 0, 1, 1);
    announcer_->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
    announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer_->hide();
}

void Describer::nameControls(QWidget* banner, QWidget* chatInput)
{
    a11y::setTexts(banner, QCoreApplication::translate("Describe", "Tilvaro web site"), {});
    a11y::setTexts(status_.roundCounter(), {}, QCoreApplication::translate("Describe", "Round counter"));
    a11y::setTexts(chatInput, QCoreApplication::translate("Describe", "Chat input"), QCoreApplication::translate("Describe", "Enter sends the text"));
    describeTable();
}

QString Describer::seatSpoken(int seat) const
{
    //: The player, as a screen reader names them
    return seat == mirror_.state().ownSeat ? QCoreApplication::translate("Describe", "You") : shown(mirror_.seat(seat).name);
}

QString Describer::playSpoken(const mirror::Played& play) const
{
    const QString where =
        play.position == 0 ? QCoreApplication::translate("Describe", "as the spinner") : QCoreApplication::translate("Describe", "on toe %1").arg(play.toe);
    return QCoreApplication::translate("Describe", "%1 played %2 %3.").arg(seatSpoken(play.seat), a11y::inSentence(a11y::boneName(play.bone)), where);
}

void Describer::react(const mirror::Event& event)
{
    const int spinner = mirror_.state().spinnerBone;
    std::visit(
        [&](const auto& happened) {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::RoundStarted>) {
                announce(QCoreApplication::translate("Describe", "%1. Spinner: %2.").arg(status_.roundText(), a11y::inSentence(a11y::boneName(spinner))));
            } else if constexpr (std::is_same_v<E, mirror::SpinnerReloaded>) {
                announce(QCoreApplication::translate("Describe", "New Spinner Loaded! %1.").arg(a11y::boneName(spinner)));
            } else if constexpr (std::is_same_v<E, mirror::TurnChanged> || std::is_same_v<E, mirror::Passed> ||
                                 std::is_same_v<E, mirror::Refused>) {
                announce(status_.text());
            } else if constexpr (std::is_same_v<E, mirror::GameInProgress>) {
                if (happened.ownTurn)
                    announce(status_.text());
            } else if constexpr (std::is_same_v<E, mirror::Played>) {
                announce(playSpoken(happened) + (happened.isDouble ? QCoreApplication::translate("Describe", " New Spinner Loaded!", "Follows a sentence: mind the space") : QString()));
            } else if constexpr (std::is_same_v<E, mirror::RoundEnded>) {
                QString spoken = happened.out != 0 && mirror::isSeat(happened.out)
                                     ? QCoreApplication::translate("Describe", "Round over: %1 went out.").arg(seatSpoken(happened.out))
                                     : QCoreApplication::translate("Describe", "Round over: everyone passed.");
                for (const mirror::SeatScore& score : happened.scores)
                    spoken += QCoreApplication::translate("Describe", " %1 %2, total %3.")
                                  .arg(seatSpoken(score.seat), signedScore(score.score))
                                  .arg(score.total);
                announce(spoken);
            } else if constexpr (std::is_same_v<E, mirror::GameWon>) {
                announce(winnerBanner(happened));
            }
        },
        event);
}

void Describer::describeTable()
{
    describeHand();
    describeMarkers();
    describeBoard();
    describeSeats();
}

void Describer::describeHand()
{
    const mirror::Hand& hand = mirror_.state().hand;
    const int count = hand.count();
    const bool ringShown = hand_.ringShown();
    a11y::setTexts(hand_.area(), QCoreApplication::translate("Describe", "Your hand"),
                   (count == 1 ? QCoreApplication::translate("Describe", "1 bone.\n") : QCoreApplication::translate("Describe", "%1 bones.\n").arg(count)) +
                       HandView::handKeys());
    for (int place = 1; place <= count; ++place) {
        BoneImage* bone = hand_.boneImage(hand.place(place).slot);
        if (!bone)
            continue;
        const bool raised = hand.place(place).raised;
        a11y::setTexts(bone, a11y::boneName(bone->hint),
                       (raised ? QCoreApplication::translate("Describe", "Place %1 of %2, raised") : QCoreApplication::translate("Describe", "Place %1 of %2"))
                           .arg(place)
                           .arg(count));
        // Screen readers hear of a bone going up or down, and of the ring arriving on it.
        if (bone->property("spokenraised").toBool() != raised) {
            bone->setProperty("spokenraised", raised);
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(bone, changed);
            a11y::raise(event);
        }
        const bool ringed = ringShown && place == hand_.focusRingPlace();
        if (bone->property("focusring").toBool() != ringed) {
            bone->setProperty("focusring", ringed);
            if (ringed)
                a11y::notify(bone, QAccessible::Focus);
        }
    }
}

void Describer::describeMarkers()
{
    for (int toe = 1; toe <= mirror::kToes; ++toe) {
        QString name = QCoreApplication::translate("Describe", "Toe %1, place %2").arg(toe).arg(mirror_.state().markers[toe].position);
        const int pip = mirror_.markerPip(toe);
        if (pip >= 0)
            name += QCoreApplication::translate("Describe", ", fits a %1", "A toe's open end takes a bone with this many pips").arg(pip);
        a11y::setTexts(board_.marker(toe), name, QCoreApplication::translate("Describe", "Key %1 plays the raised bone here").arg(toe));
    }
}

void Describer::describeBoard()
{
    const mirror::TableState& state = mirror_.state();
    QString text = game::isValidBone(state.spinnerBone)
                       ? QCoreApplication::translate("Describe", "Spinner: %1.").arg(a11y::inSentence(a11y::boneName(state.spinnerBone)))
                       : QCoreApplication::translate("Describe", "No spinner.");
    for (int toe = 1; toe <= mirror::kToes; ++toe) {
        QStringList bones;
        int open = -1;
        for (int position = 1; position <= game::kToePositions && state.board.cell(toe, position).bone != 0; ++position) {
            const game::BoardCell& cell = state.board.cell(toe, position);
            bones.append(a11y::inSentence(a11y::lyingBoneName(cell.bone, cell.flip)));
            open = game::outwardPip(cell);
        }
        if (bones.isEmpty())
            text += QCoreApplication::translate("Describe", "\nToe %1: empty.").arg(toe);
        else
            text += QCoreApplication::translate("Describe", "\nToe %1: %2; open end %3.").arg(toe).arg(bones.join(QStringLiteral(", "))).arg(open);
    }
    a11y::setTexts(board_.surface(), QCoreApplication::translate("Describe", "Board"), text);
}

void Describer::describeSeats()
{
    const int own = mirror_.state().ownSeat;
    for (int seat = 1; seat <= mirror::kSeatCount; ++seat) {
        const mirror::SeatState& state = mirror_.seat(seat);
        const QString caption = shown(state.name);
        QString name = QCoreApplication::translate("Describe", "Seat %1: %2").arg(seat).arg(caption);
        if (seat == own && caption != QLatin1String("You"))
            //: After the player's own seat name for a screen reader
            name += QCoreApplication::translate("Describe", " (you)");
        QStringList facts;
        if (state.bonesLeft)
            facts.append(*state.bonesLeft == 1 ? QCoreApplication::translate("Describe", "1 bone left")
                                               : QCoreApplication::translate("Describe", "%1 bones left").arg(*state.bonesLeft));
        facts.append(QCoreApplication::translate("Describe", "total %1").arg(state.total));
        if (state.roundScore)
            facts.append(QCoreApplication::translate("Describe", "this round %1").arg(signedScore(*state.roundScore)));
        if (state.turn)
            facts.append(seat == own ? QCoreApplication::translate("Describe", "your turn") : QCoreApplication::translate("Describe", "their turn"));
        if (state.watching)
            facts.append(QCoreApplication::translate("Describe", "just watching"));
        a11y::setTexts(seats_.nameLabel(seat), name, facts.join(QStringLiteral(", ")));
    }
}

void Describer::announce(const QString& text)
{
    // The status line is the table's live region: its name is what it shows, its description the
    // latest happening, and an alert asks the screen reader to speak it now; the announcer says it
    // again as a notification, which is what Linux screen readers speak unasked.
    a11y::setTexts(status_.label(), {}, text);
    a11y::notify(status_.label(), QAccessible::Alert);
    announcer_->hide();
    announcer_->setText(text);
    announcer_->show();
    a11y::noteRaisedByQt(announcer_, QAccessible::ObjectShow);
}
