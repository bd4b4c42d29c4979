// Playing from the keyboard. The chat input holds the focus until the player moves it to the hand
// (F6, or Escape in the input), so typed text can never pass or play by accident. In the hand a
// focus ring walks over the bones, and every key does exactly what the matching click does, through
// the same handler: raising, swapping and sorting bones, playing on a toe marker and passing.
#include "game/board.h"
#include "game/bones.h"
#include "table/accessibility.h"
#include "table/chatform.h"
#include "table/chatpanel.h"
#include "table/tablewidgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

namespace {

// The ring drawn around the focused place of the hand; clicks go through it to the bones.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("focusring"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // A dark line inside a light one shows on the felt and on the cream bones alike.
        QPainter painter(this);
        painter.setPen(QPen(QColor(255, 200, 0), 3));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
        painter.setPen(QPen(QColor(20, 20, 120), 1));
        painter.drawRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5));
    }
};

bool isF6(const QKeyEvent& key) { return key.key() == Qt::Key_F6 && (key.modifiers() & ~Qt::KeypadModifier) == 0; }

} // namespace

const QString Tchat::kHandKeys = QStringLiteral(
    "Keys in your hand (F6 moves between the chat and the hand, Esc in the chat comes here):\n"
    "Left, Right, Home, End: move along the hand\n"
    "Space: raise or lower the bone (raising a second bone swaps the two)\n"
    "1, 2, 3: play the raised bone on toe 1, 2 or 3\n"
    "Enter: play it on the only toe it fits\n"
    "P: pass\n"
    "S: sort the hand");

void Tchat::buildKeyboard()
{
    // Only the keyboard puts the focus in the hand or on the board: a click on a bone or a marker
    // leaves it where it was, so typing after a click still goes to the chat.
    panel_bones->setFocusPolicy(Qt::NoFocus);
    panel_board->setFocusPolicy(Qt::NoFocus);
    panel_bones->setToolTip(kHandKeys);
    panel_bones->installEventFilter(this);
    chatPanel_->input()->installEventFilter(this);
    chatPanel_->view()->installEventFilter(this);

    focusRing_ = new FocusRing(panel_bones->content());
    focusRing_->hide();

    // F6 from anywhere else in the window (the chat view, or nowhere).
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(f6, &QShortcut::activated, this, [this] { toggleHandFocus(); });

    chatPanel_->input()->setFocus();
}

bool Tchat::eventFilter(QObject* watched, QEvent* event)
{
    const bool hand = watched == panel_bones;
    const bool chat = chatPanel_ && (watched == chatPanel_->input() || watched == chatPanel_->view());
    if (!hand && !chat)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // F6 is answered here, where the key arrives, and not by the window's shortcut as well.
        if (isF6(*static_cast<QKeyEvent*>(event)))
            event->accept();
        break;
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (isF6(key)) {
            toggleHandFocus();
            return true;
        }
        if (chat && watched == chatPanel_->input() && key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
            toggleHandFocus();
            return true;
        }
        if (hand && handKeyPress(key))
            return true;
        break;
    }
    case QEvent::FocusIn:
        if (hand) {
            updateFocusRing();
            // Qt announces the hand itself once this event is over; the bone under the ring is
            // announced after it, so that a screen reader rests on the bone.
            QTimer::singleShot(0, this, [this] {
                if (focusWidget() == panel_bones && !places_[ringPlace_].free)
                    if (BoneImage* bone = boneImage(places_[ringPlace_].slot))
                        a11y::notify(bone, QAccessible::Focus);
            });
        }
        break;
    case QEvent::FocusOut:
        if (hand)
            updateFocusRing();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::toggleHandFocus()
{
    if (focusWidget() == panel_bones)
        chatPanel_->input()->setFocus(Qt::ShortcutFocusReason);
    else
        panel_bones->setFocus(Qt::ShortcutFocusReason);
    // An inactive window gets no focus events: the ring follows the window's focus widget itself.
    updateFocusRing();
}

int Tchat::bonesInHand() const
{
    int count = 0;
    while (count < kHandPlaces && !places_[count + 1].free)
        ++count;
    return count;
}

void Tchat::moveFocusRing(int place)
{
    ringPlace_ = std::clamp(place, 1, std::max(1, bonesInHand()));
    updateFocusRing();
}

void Tchat::updateFocusRing()
{
    // A played bone's place closes up, so the ring never stands beyond the last bone.
    ringPlace_ = std::clamp(ringPlace_, 1, std::max(1, bonesInHand()));
    const bool shown = focusWidget() == panel_bones;
    focusRing_->setGeometry(placeLeft(ringPlace_) - 3, 1, 40, 82);
    focusRing_->setVisible(shown);
    if (shown) {
        focusRing_->raise();
        panel_bones->ensureWidgetVisible(focusRing_, 0, 0);
    }
    describeHand();
}

bool Tchat::handKeyPress(const QKeyEvent& key)
{
    // Keys with Ctrl, Alt or Meta belong to the menus and shortcuts.
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    BoneImage* focused = places_[ringPlace_].free ? nullptr : boneImage(places_[ringPlace_].slot);
    switch (key.key()) {
    case Qt::Key_Left:
        moveFocusRing(ringPlace_ - 1);
        return true;
    case Qt::Key_Right:
        moveFocusRing(ringPlace_ + 1);
        return true;
    case Qt::Key_Home:
        moveFocusRing(1);
        return true;
    case Qt::Key_End:
        moveFocusRing(kHandPlaces);
        return true;
    case Qt::Key_Space:
        if (focused)
            boneimagesMouseDown(focused, Qt::LeftButton);
        break;
    case Qt::Key_S:
        if (focused)
            boneimagesMouseDown(focused, Qt::RightButton);
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        playOnToeKey(key.key() - Qt::Key_0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        playOnOnlyFit();
        break;
    case Qt::Key_P:
        // The Pass button's rule: only while it is shown.
        if (!button_pass->isHidden())
            button_passClick();
        else
            playsounds(QStringLiteral("invalid"));
        break;
    default:
        return false;
    }
    updateFocusRing();
    return true;
}

void Tchat::playOnToeKey(int toe)
{
    if (image_toe[toe]->isHidden()) {
        playsounds(QStringLiteral("invalid"));
        return;
    }
    image_toe1Click(image_toe[toe]);
}

int Tchat::markerPip(int toe) const
{
    const int position = image_toe[toe]->tag;
    if (position == 1)
        return game::isValidBone(spinnerBone_) ? game::gettopnum(spinnerBone_) : -1;
    if (!game::Board::isValidPosition(position - 1) || board_.cell(toe, position - 1).bone == 0)
        return -1;
    return game::outwardPip(board_.cell(toe, position - 1));
}

void Tchat::playOnOnlyFit()
{
    BoneImage* raised = selectedSlot_ == -1 ? nullptr : boneImage(selectedSlot_);
    ClickImage* fit = nullptr;
    int fits = 0;
    if (raised && raised->raised())
        for (int toe = 1; toe <= 3; ++toe) {
            const int pip = markerPip(toe);
            if (!image_toe[toe]->isHidden() && pip >= 0 &&
                (game::gettopnum(raised->hint) == pip || game::getbotnum(raised->hint) == pip)) {
                fit = image_toe[toe];
                ++fits;
            }
        }
    if (fits != 1) {
        playsounds(QStringLiteral("invalid"));
        return;
    }
    image_toe1Click(fit);
}
