#include "table/handview.h"

#include "game/bones.h"
#include "table/accessibility.h"
#include "table/artwork.h"
#include "table/statusline.h"
#include "table/tablewidgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace {

constexpr int kLowered = BoneImage::kLoweredTop;
constexpr int kRaised = BoneImage::kRaisedTop;

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

QString HandView::handKeys()
{
    return QCoreApplication::translate("HandView",
    "Keys in your hand (F6 moves between the chat and the hand, Esc in the chat comes here):\n"
    "Left, Right, Home, End: move along the hand\n"
    "Space: raise or lower the bone (raising a second bone swaps the two)\n"
    "1, 2, 3: play the raised bone on toe 1, 2 or 3\n"
    "Enter: play it on the only toe it fits\n"
    "P: pass\n"
    "S: sort the hand\n"
    "H: hint: raises the bone the computer would play and lights its marker; Enter then plays it");
}

HandView::HandView(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel)
    : QObject(panel), mirror_(mirror), artwork_(artwork)
{
    // Background, the notice for newcomers, and the bone images.
    panel_bones = new HScrollBox(panel);
    panel_bones->setObjectName(QStringLiteral("panel_bones"));
    panel_bones->setGeometry(3, 268, 774, 99);
    panel_bones->horizontalScrollBar()->setSingleStep(40);
    AreaContent* hand = panel_bones->content();
    hand->setObjectName(QStringLiteral("handcontent"));
    Image3 = new QLabel(hand);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(artwork_.handBackground);
    Image3->setScaledContents(true);
    hand->addFiller(Image3);
    label_notplaying = makeLabel(hand, "label_notplaying", QCoreApplication::translate("HandView", "The game has already started."),
                                 {2, 24, 770, 33}, true);
    label_notplaying->setAlignment(Qt::AlignCenter);
    QFont font = label_notplaying->font();
    font.setPointSize(12);
    label_notplaying->setFont(font);
    label_notplaying->hide();
}

BoneImage* HandView::boneImage(int slot) const
{
    return slot >= 1 && slot <= mirror::kHandPlaces ? images_[slot] : nullptr;
}

BoneImage* HandView::createbone(int slot, int bone)
{
    QPixmap picture(34, 66);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, artwork_.boneBackUpright);
        painter.drawPixmap(2, 3, artwork_.dotsUpright[game::gettopnum(bone)]);
        painter.drawPixmap(2, 35, artwork_.dotsUpright[game::getbotnum(bone)]);
    }
    auto* image = new BoneImage(slot, bone, panel_bones->content());
    image->setPixmap(picture);
    image->setGeometry(0, kLowered, 34, 66);
    connect(image, &BoneImage::mouseDown, this, [this](BoneImage* clicked, Qt::MouseButton button) {
        if (onBonePressed)
            onBonePressed(clicked->tag, button);
    });
    images_[slot] = image;
    return image;
}

void HandView::sync()
{
    const mirror::TableState& state = mirror_.state();
    const mirror::Hand& hand = state.hand;
    for (int slot = 1; slot <= mirror::kHandPlaces; ++slot)
        if (images_[slot] && hand.placeOf(slot) == 0) {
            delete images_[slot];
            images_[slot] = nullptr;
        }
    bool rearranged = false;
    int right = 0;
    for (int place = 1; place <= hand.count(); ++place) {
        const mirror::HandPlace& held = hand.place(place);
        BoneImage* image = images_[held.slot];
        const bool created = image == nullptr;
        if (created)
            image = createbone(held.slot, held.bone);
        const QPoint where(placeLeft(place), held.raised ? kRaised : kLowered);
        if (image->x() != where.x())
            rearranged = true;
        if (image->pos() != where)
            image->move(where);
        if (created)
            image->show();
        right = placeLeft(place) + 34;
    }
    if (rearranged) {
        // Bones are stacked in the order of the row.
        for (int place = 1; place <= hand.count(); ++place)
            images_[hand.place(place).slot]->raise();
        panel_bones->setRangeWidth(right);
    } else if (panel_bones->rangeWidth() != right) {
        panel_bones->setRangeWidth(right);
    }
    const QString notice = state.waitingForRound ? QCoreApplication::translate("HandView", "Round already in progress..")
                                                 : QCoreApplication::translate("HandView", "The game has already started.");
    if (label_notplaying->text() != notice)
        label_notplaying->setText(notice);
    label_notplaying->setVisible(state.sittingOut);
}

// ---- Keys ------------------------------------------------------------------------------------------

void HandView::attachKeys(QWidget* window, QWidget* chatInput, QWidget* chatView)
{
    window_ = window;
    chatInput_ = chatInput;
    chatView_ = chatView;
    // Only the keyboard puts the focus in the hand: a click on a bone leaves it where it was, so
    // typing after a click still goes to the chat.
    panel_bones->setFocusPolicy(Qt::NoFocus);
    panel_bones->setToolTip(handKeys());
    panel_bones->installEventFilter(this);
    chatInput_->installEventFilter(this);
    chatView_->installEventFilter(this);

    focusRing_ = new FocusRing(panel_bones->content());
    focusRing_->hide();

    // F6 from anywhere else in the window (the chat view, or nowhere).
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), window_);
    connect(f6, &QShortcut::activated, this, [this] { toggleHandFocus(); });
}

bool HandView::ringShown() const { return focusRing_ && !focusRing_->isHidden(); }

bool HandView::eventFilter(QObject* watched, QEvent* event)
{
    const bool hand = watched == panel_bones;
    const bool chat = watched == chatInput_ || watched == chatView_;
    if (!hand && !chat)
        return QObject::eventFilter(watched, event);

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
        if (watched == chatInput_ && key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
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
                if (window_->focusWidget() == panel_bones)
                    if (BoneImage* bone = boneImage(mirror_.state().hand.place(ringPlace_).slot))
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
    return QObject::eventFilter(watched, event);
}

void HandView::toggleHandFocus()
{
    if (window_->focusWidget() == panel_bones)
        chatInput_->setFocus(Qt::ShortcutFocusReason);
    else
        panel_bones->setFocus(Qt::ShortcutFocusReason);
    // An inactive window gets no focus events: the ring follows the window's focus widget itself.
    updateFocusRing();
}

void HandView::moveFocusRing(int place)
{
    ringPlace_ = std::clamp(place, 1, std::max(1, mirror_.state().hand.count()));
    updateFocusRing();
}

void HandView::updateFocusRing()
{
    // A played bone's place closes up, so the ring never stands beyond the last bone.
    ringPlace_ = std::clamp(ringPlace_, 1, std::max(1, mirror_.state().hand.count()));
    const bool shown = window_->focusWidget() == panel_bones;
    focusRing_->setGeometry(placeLeft(ringPlace_) - 3, 1, 40, 82);
    focusRing_->setVisible(shown);
    if (shown) {
        focusRing_->raise();
        panel_bones->ensureWidgetVisible(focusRing_, 0, 0);
    }
    if (onRingMoved)
        onRingMoved();
}

bool HandView::handKeyPress(const QKeyEvent& key)
{
    // Keys with Ctrl, Alt or Meta belong to the menus and shortcuts.
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    const mirror::HandPlace& focused = mirror_.state().hand.place(ringPlace_);
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
        moveFocusRing(mirror::kHandPlaces);
        return true;
    case Qt::Key_Space:
    case Qt::Key_S:
        if (!focused.free && onBonePressed)
            onBonePressed(focused.slot, key.key() == Qt::Key_Space ? Qt::LeftButton : Qt::RightButton);
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (onPlayKey)
            onPlayKey(key.key() >= Qt::Key_1 && key.key() <= Qt::Key_3 ? key.key() - Qt::Key_0 : 0);
        break;
    case Qt::Key_P:
        if (onPassKey)
            onPassKey();
        break;
    case Qt::Key_H:
        if (onHintKey)
            onHintKey();
        break;
    default:
        return false;
    }
    updateFocusRing();
    return true;
}
