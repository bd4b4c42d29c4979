#pragma once
// The player's hand: 20 places in a row under the board, each showing one bone of the mirror's
// hand, raised while it is the selection; and playing from the keyboard. The chat input holds the
// focus until the player moves it to the hand (F6, or Escape in the input), so typed text can never
// pass or play by accident. In the hand a focus ring walks over the bones, and every key does
// exactly what the matching click does, through the same handler.

#include "mirror/tablemirror.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class BoneImage;
class HScrollBox;
class QKeyEvent;
class QLabel;
class QWidget;
struct Artwork;

class HandView : public QObject {
public:
    // The keys of the hand, as its tooltip lists them.
    static QString handKeys();

    HandView(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel);
    // The keys: F6 anywhere in the window, Escape in the chat input, the hand's own keys.
    void attachKeys(QWidget* window, QWidget* chatInput, QWidget* chatView);

    // Bones where the mirror has them, and the notice of a table that sits out.
    void sync();

    HScrollBox* area() const { return panel_bones; }
    BoneImage* boneImage(int slot) const;
    // The hand place the keyboard's focus ring stands on, 1 to 20, and whether it shows.
    int focusRingPlace() const { return ringPlace_; }
    bool ringShown() const;

    // A click on a bone (or Space and S on the bone under the ring).
    std::function<void(int slot, Qt::MouseButton button)> onBonePressed;
    // 1, 2, 3 play on that toe; Enter (toe 0) on the only toe the raised bone fits; P passes.
    std::function<void(int toe)> onPlayKey;
    std::function<void()> onPassKey;
    // H asks for a hint.
    std::function<void()> onHintKey;
    // The ring moved, or the hand gained or lost the focus: time to tell assistive technology.
    std::function<void()> onRingMoved;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static int placeLeft(int place) { return 40 * place - 36; }
    BoneImage* createbone(int slot, int bone);
    bool handKeyPress(const QKeyEvent& key);
    void toggleHandFocus();
    void moveFocusRing(int place);
    void updateFocusRing();

    const mirror::TableMirror& mirror_;
    const Artwork& artwork_;
    QWidget* window_ = nullptr;
    QWidget* chatInput_ = nullptr;
    QWidget* chatView_ = nullptr;
    HScrollBox* panel_bones = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* label_notplaying = nullptr;
    QWidget* focusRing_ = nullptr;
    int ringPlace_ = 1;
    std::array<BoneImage*, mirror::kHandPlaces + 1> images_{}; // by hand slot
};
