// The course of a game as the table shows it: games, rounds, turns, plays, doubles, passes,
// refusals, scores, the winner and the state of a running game for a late arrival; and the
// player's Pass and Start Game. Every field comes from the host and is checked before use.
#include "game/bones.h"
#include "platform/messagebox.h"
#include "table/accessibility.h"
#include "table/chatform.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

#include <optional>

namespace {

bool isFlagSet(std::string_view field) { return field == "t"; }

bool isToe(int toe) { return toe >= 1 && toe <= 3; }

bool isPosition(int position) { return position >= 1 && position <= game::kToePositions; }

// A round score with its sign: "+12", "-20", "0".
QString signedScore(int score) { return score > 0 ? QStringLiteral("+%1").arg(score) : QString::number(score); }

// The fields shared by "CMD_heplayed" and "CMD_double".
struct Play {
    int seat, slot, bone, toe, position;
    bool flip;
    int left;
};

std::optional<Play> readPlay(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto seat = reader.nextInt();
    const auto slot = reader.nextInt();
    const auto bone = reader.nextInt();
    const auto toe = reader.nextInt();
    const auto position = reader.nextInt();
    const bool flip = isFlagSet(reader.next());
    const auto left = reader.nextInt();
    if (!seat || !slot || !bone || !toe || !position || !left)
        return std::nullopt;
    if (*seat < 1 || *seat > 6 || *slot < 1 || *slot > 20)
        return std::nullopt;
    // Position 0 puts the bone on the spinner's place; any other names a toe cell.
    if (*position != 0 && (!isToe(*toe) || !isPosition(*position)))
        return std::nullopt;
    return Play{*seat, *slot, *bone, *toe, *position, flip, *left};
}

} // namespace

void Tchat::setStatus(const QString& text)
{
    if (text == label_status->text())
        return;
    label_status->setText(text);
    a11y::noteRaisedByQt(label_status, QAccessible::NameChanged);
}

QString Tchat::playSpoken(int seat, int bone, int toe, int position) const
{
    const QString where = position == 0 ? QStringLiteral("as the spinner") : QStringLiteral("on toe %1").arg(toe);
    return QStringLiteral("%1 played %2 %3.").arg(seatSpoken(seat), a11y::inSentence(a11y::boneName(bone)), where);
}

void Tchat::hideTurnIndicators()
{
    for (int seat = 1; seat <= kSeatCount; ++seat)
        image_turn[seat]->hide();
}

void Tchat::showRoundCounter(const QString& round)
{
    label_round->setText(QStringLiteral("Round: %1 of %2").arg(round, roundsText_));
}

void Tchat::startthegame(std::string_view payload)
{
    game::FieldReader reader(payload);
    const QString name = fromWire(reader.next());
    const QString rounds = fromWire(reader.next());

    button_start->hide();
    JustWatch1->setChecked(false);
    panel_winner->hide();
    label_notplaying->hide();
    clearall();
    roundsText_ = rounds;

    if (isSeat(ownSeat_) && caption(ownSeat_) == name)
        addNotice(QStringLiteral("You have started a game."));
    else
        addNotice(name + QStringLiteral(" has started a game."));
    showGameSeed();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (caption(seat) == computerName(seat))
            label_playername[seat]->setText(QStringLiteral("<Waiting>"));
    // Seat 2 always plays: the computer takes it when nobody holds it.
    if (caption(2) == QStringLiteral("<Waiting>"))
        label_playername[2]->setText(computerName(2));
    scoreSheet_.startGame(payload);
}

void Tchat::clearall()
{
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        label_score[seat]->setText(QStringLiteral("0"));
        label_bonus[seat]->clear();
        label_bones[seat]->clear();
        image_turn[seat]->hide();
    }
    spinnerPoint_ = QPoint(16, 124);
    offeredToes_ = {};
    passOffered_ = false;
    clearToes();
    clearboard();
    clearallbones();
}

void Tchat::startround(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto round = reader.nextInt();
    const auto spinner = reader.nextInt();
    const auto count = reader.nextInt();
    if (!round || !spinner || !count)
        return;
    // The whole message is checked before anything changes: a bad one leaves the table as it was.
    std::array<std::optional<bool>, kSeatCount + 1> dealt{};
    while (!reader.empty()) {
        const auto seat = reader.nextInt();
        if (!seat || !isSeat(*seat) || reader.empty())
            return;
        dealt[*seat] = isFlagSet(reader.next());
    }
    spinnerBone_ = *spinner;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (!dealt[seat])
            continue;
        if (*dealt[seat])
            label_bones[seat]->setText(QString::number(*count));
        else
            label_bones[seat]->clear();
    }
    hideMarkers();
    clearboard();
    clearallbones();
    clearToes();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        label_bonus[seat]->clear();
    updateSpinner();
    showRoundCounter(QString::number(*round));
    announce(label_round->text() + QStringLiteral(". Spinner: %1.").arg(a11y::inSentence(a11y::boneName(spinnerBone_))));
    scoreSheet_.startRound(payload, sheetNames());
}

void Tchat::beginagain(std::string_view payload)
{
    const auto bone = game::FieldReader(payload).nextInt();
    if (!bone)
        return;
    spinnerBone_ = *bone;
    clearboard();
    clearToes();
    updateSpinner();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        label_bonus[seat]->clear();
    setStatus(QStringLiteral("New Spinner Loaded!"));
    label_round->update();
    announce(QStringLiteral("New Spinner Loaded! %1.").arg(a11y::boneName(spinnerBone_)));
    scoreSheet_.beginAgain(payload);
}

void Tchat::getnextplayer(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto turn = reader.nextInt();
    const auto phase = reader.nextInt();
    bool open[4] = {};
    for (int toe = 1; toe <= 3; ++toe)
        open[toe] = isFlagSet(reader.next());
    std::optional<int> position[4];
    for (int toe = 1; toe <= 3; ++toe)
        position[toe] = reader.nextInt();
    if (!turn || !isSeat(*turn) || !phase)
        return;
    for (int toe = 1; toe <= 3; ++toe)
        if (!position[toe] || (open[toe] && !isPosition(*position[toe])))
            return;

    turnSeat_ = *turn;
    button_pass->hide();
    clearselected();
    hideTurnIndicators();
    image_turn[turnSeat_]->show();
    if (caption(turnSeat_) == QStringLiteral("<Waiting>"))
        label_playername[turnSeat_]->setText(computerName(turnSeat_));
    if (turnSeat_ == ownSeat_) {
        setStatus(QStringLiteral("Your Turn."));
        playsounds(turnSound_ == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
        button_pass->show();
        passOffered_ = true;
        for (int toe = 1; toe <= 3; ++toe) {
            offeredToes_[toe] = open[toe];
            if (open[toe])
                offerToe(toe, *position[toe]);
        }
    } else {
        // The player's turn is over, however it ended (the computer may have passed for a
        // seat that just watches): no marker stays up.
        hideMarkers();
        offeredToes_ = {};
        passOffered_ = false;
        setStatus(caption(turnSeat_) + QStringLiteral("'s turn."));
    }
    announce(label_status->text());
}

void Tchat::heplayed(std::string_view payload)
{
    const auto play = readPlay(payload);
    if (!play)
        return;
    label_bones[play->seat]->setText(QString::number(play->left));
    if (play->position != 0)
        boardToeBone(play->toe, play->position, play->bone, play->flip);
    else
        boardSpinnerFromPlay(play->bone);
    if (play->seat == ownSeat_) {
        button_pass->hide();
        hideMarkers();
        freebone(play->slot);
    }
    playsounds(QStringLiteral("placebone"));
    announce(playSpoken(play->seat, play->bone, play->toe, play->position));
}

void Tchat::doubleplayed(std::string_view payload)
{
    const auto play = readPlay(payload);
    if (!play)
        return;
    hideMarkers();
    setStatus(QStringLiteral("New Spinner Loaded!"));
    label_bones[play->seat]->setText(QString::number(play->left));
    if (play->position != 0)
        boardDoubleOnToe(play->toe, play->position, play->bone, play->flip);
    else
        boardSpinnerFromPlay(play->bone);
    if (play->seat == ownSeat_) {
        button_pass->hide();
        freebone(play->slot);
    }
    playsounds(QStringLiteral("double"));
    announce(playSpoken(play->seat, play->bone, play->toe, play->position) + QStringLiteral(" New Spinner Loaded!"));
}

void Tchat::hepassed(std::string_view payload)
{
    const auto seat = game::FieldReader(payload).nextInt();
    if (!seat || !isSeat(*seat))
        return;
    if (*seat == ownSeat_) {
        setStatus(QStringLiteral("You passed."));
        button_pass->hide();
        hideMarkers();
        clearselected();
        playsounds(QStringLiteral("pass"));
    } else {
        setStatus(caption(*seat) + QStringLiteral(" passed."));
    }
    announce(label_status->text());
}

void Tchat::noplay(std::string_view payload)
{
    const auto seat = game::FieldReader(payload).nextInt();
    if (!seat || !isSeat(*seat) || *seat != ownSeat_)
        return;
    // The play was refused: the turn is the player's again, with the markers and Pass the host
    // offered (a Pass clicked while the play was on its way hid them).
    turnSeat_ = ownSeat_;
    for (int toe = 1; toe <= 3; ++toe)
        if (offeredToes_[toe])
            image_toe[toe]->show();
    updateBoardRange();
    button_pass->setVisible(passOffered_);
    clearselected();
    setStatus(QStringLiteral("That is not a valid play"));
    playsounds(QStringLiteral("invalid"));
    announce(label_status->text());
}

void Tchat::endround(std::string_view payload)
{
    scoreSheet_.endRound(payload, sheetNames());
    game::FieldReader reader(payload);
    const auto out = reader.nextInt();
    if (!out)
        return;
    hideMarkers();
    playsounds(*out != 0 ? QStringLiteral("roundover") : QStringLiteral("blocked"));
    setStatus(QStringLiteral("Posting Scores, Please Wait.."));
    QString spoken = *out != 0 && isSeat(*out) ? QStringLiteral("Round over: %1 went out.").arg(seatSpoken(*out))
                                               : QStringLiteral("Round over: everyone passed.");
    while (!reader.empty()) {
        const auto seat = reader.nextInt();
        const auto score = reader.nextInt();
        const auto total = reader.nextInt();
        if (!seat || !score || !total || !isSeat(*seat))
            break; // the scores read so far stay, and are announced
        label_bonus[*seat]->setText(signedScore(*score));
        label_score[*seat]->setText(QString::number(*total));
        spoken += QStringLiteral(" %1 %2, total %3.").arg(seatSpoken(*seat), signedScore(*score)).arg(*total);
    }
    announce(spoken);
}

void Tchat::winner(std::string_view payload)
{
    const QString name = fromWire(game::FieldReader(payload).next());
    const bool ownWin = isSeat(ownSeat_) && caption(ownSeat_) == name;
    const QString banner = ownWin ? QStringLiteral("You have Won the Game!") : name + QStringLiteral(" has Won the Game!");

    hideMarkers();
    playsounds(QStringLiteral("winner"));
    scrollBoardHome();
    label_winner1->setText(banner);
    label_winner2->setText(banner);
    setStatus(QStringLiteral("Game Over!"));
    addNotice(banner);
    label_round->raise();
    panel_winner->show();
    panel_winner->raise();
    hideTurnIndicators();
    if (hosting_)
        button_start->show();
    announce(banner);
    scoreSheet_.winner(payload);
    // Spectators keep no tally of games they did not play.
    if (isSeat(ownSeat_) && onAddGame)
        onAddGame(name, ownWin);
}

void Tchat::gamestats(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto turn = reader.nextInt();
    const auto round = reader.nextInt();
    const auto rounds = reader.nextInt();
    const auto spinnerPip = reader.nextInt();
    const bool inPlay = isFlagSet(reader.next());
    std::optional<int> totals[kSeatCount + 1];
    for (int seat = 1; seat <= kSeatCount; ++seat)
        totals[seat] = reader.nextInt();
    if (!turn || !round || !rounds || !spinnerPip)
        return;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (!totals[seat])
            return;

    scoreSheet_.gameStats(payload, sheetNames(), ownSeat_);
    turnSeat_ = *turn;
    roundsText_ = QString::number(*rounds);
    for (int seat = 1; seat <= kSeatCount; ++seat)
        label_score[seat]->setText(QString::number(*totals[seat]));
    clearboard();
    clearallbones();
    showRoundCounter(QString::number(*round));
    label_notplaying->setVisible(!inPlay && ownSeat_ <= kSeatCount);
    spinnerBone_ = *spinnerPip >= 0 && *spinnerPip <= game::kHighestPip ? game::doubleOf(*spinnerPip) : -1;
    updateSpinner();
    if (turnSeat_ == ownSeat_) {
        showAllMarkers();
        offeredToes_ = {false, true, true, true};
        passOffered_ = false;
        setStatus(QStringLiteral("Your Turn"));
        announce(label_status->text());
    }
    if (isSeat(turnSeat_))
        image_turn[turnSeat_]->show();

    if (reader.rest() == "*")
        return;
    while (!reader.empty()) {
        const auto toe = reader.nextInt();
        const auto position = reader.nextInt();
        const auto bone = reader.nextInt();
        const bool flip = isFlagSet(reader.next());
        if (!toe || !position || !bone || !isToe(*toe) || !isPosition(*position))
            return;
        boardToeBone(*toe, *position, *bone, flip);
    }
}

void Tchat::youplay(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto option = reader.nextInt();
    const auto seat = reader.nextInt();
    if (!option || !seat)
        return;
    if (*seat == ownSeat_ && (*option == 2 || *option == 3))
        label_notplaying->setText(QStringLiteral("Round already in progress.."));
}

void Tchat::button_passClick()
{
    button_pass->hide();
    hideMarkers();
    if (turnSeat_ == ownSeat_ && loggedIn_)
        sendToHost(game::Message("CMD_hepasses").field(ownSeat_).raw("+"));
}

void Tchat::button_startClick()
{
    if (!loggedIn_) {
        boxes_.inform(this, QStringLiteral("You are not connected"));
        return;
    }
    if (onShowGameStart)
        onShowGameStart();
}
