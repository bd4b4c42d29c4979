// The player's hand: 20 places in a row, each showing one bone by its hand slot. A raised bone is
// the selection that a click on a toe marker plays; raising one bone and clicking another swaps
// them; a right click sorts the row.
#include "game/bones.h"
#include "table/artwork.h"
#include "table/chatform.h"
#include "table/tablewidgets.h"

#include <QPainter>

namespace {

constexpr int kLowered = BoneImage::kLoweredTop;
constexpr int kRaised = BoneImage::kRaisedTop;

} // namespace

BoneImage* Tchat::boneImage(int slot) const
{
    return panel_bones->content()->findChild<BoneImage*>(QStringLiteral("bone%1").arg(slot),
                                                         Qt::FindDirectChildrenOnly);
}

void Tchat::dealmybones(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto seat = reader.nextInt();
    if (!seat || !isSeat(*seat) || *seat != ownSeat_)
        return;
    label_notplaying->hide();
    while (!reader.empty()) {
        const auto slot = reader.nextInt();
        const auto bone = reader.nextInt();
        if (!slot || !bone || *slot < 1 || *slot > kHandPlaces)
            return;
        createbone(*slot, *bone);
    }
}

void Tchat::createbone(int slot, int bone)
{
    // A slot already in the hand would leave two images under one name: the host never sends it.
    for (int p = 1; p <= kHandPlaces; ++p)
        if (!places_[p].free && places_[p].slot == slot)
            return;
    int place = 1;
    while (place <= kHandPlaces && !places_[place].free)
        ++place;
    if (place > kHandPlaces)
        return;
    places_[place] = {false, slot};

    QPixmap picture(34, 66);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, artwork_->boneBackUpright);
        painter.drawPixmap(2, 3, artwork_->dotsUpright[game::gettopnum(bone)]);
        painter.drawPixmap(2, 35, artwork_->dotsUpright[game::getbotnum(bone)]);
    }
    auto* image = new BoneImage(slot, bone, panel_bones->content());
    image->setPixmap(picture);
    image->setGeometry(placeLeft(place), kLowered, 34, 66);
    connect(image, &BoneImage::mouseDown, this,
            [this](BoneImage* clicked, Qt::MouseButton button) {
                boneimagesMouseDown(clicked, button);
                describeHand();
            });
    image->show();
    bringBonesToFront(place);
    updateHandRange();
}

void Tchat::bringBonesToFront(int fromPlace)
{
    for (int p = std::max(fromPlace, 1); p <= kHandPlaces; ++p)
        if (!places_[p].free)
            if (BoneImage* image = boneImage(places_[p].slot))
                image->raise();
}

void Tchat::updateHandRange()
{
    int right = 0;
    for (int p = 1; p <= kHandPlaces; ++p)
        if (!places_[p].free)
            right = placeLeft(p) + 34;
    panel_bones->setRangeWidth(right);
}

void Tchat::boneimagesMouseDown(BoneImage* image, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        sortthem();
        playsounds(QStringLiteral("sort"));
        return;
    }
    if (button != Qt::LeftButton || !loggedIn_ || turnSeat_ != ownSeat_)
        return;

    if (image->y() == kRaised) {
        image->move(image->x(), kLowered);
        selectedSlot_ = -1;
        playsounds(QStringLiteral("clearbone"));
        return;
    }
    if (selectedSlot_ != -1) {
        if (BoneImage* selected = boneImage(selectedSlot_))
            selected->move(selected->x(), kLowered);
        int pa = 0;
        int pb = 0;
        for (int p = 1; p <= kHandPlaces; ++p) {
            if (places_[p].free)
                continue;
            if (places_[p].slot == selectedSlot_)
                pa = p;
            if (places_[p].slot == image->tag)
                pb = p;
        }
        if (pa != 0 && pb != 0) {
            selectedSlot_ = -1;
            std::swap(places_[pa].slot, places_[pb].slot);
            for (int p : {pa, pb})
                if (BoneImage* moved = boneImage(places_[p].slot))
                    moved->move(placeLeft(p), kLowered);
            bringBonesToFront(1);
            playsounds(QStringLiteral("sort"));
            return;
        }
    }
    image->move(image->x(), kRaised);
    selectedSlot_ = image->tag;
    playsounds(QStringLiteral("selectbone"));
}

void Tchat::sortthem()
{
    for (int pass = 0; pass < kHandPlaces; ++pass) {
        for (int k = kHandPlaces; k >= 2; --k) {
            if (places_[k].free)
                continue;
            BoneImage* right = boneImage(places_[k].slot);
            BoneImage* left = places_[k - 1].free ? nullptr : boneImage(places_[k - 1].slot);
            if (!right || !left)
                return; // the row has a gap or a lost picture: leave it as it is
            if (left->hint > right->hint) {
                std::swap(places_[k - 1].slot, places_[k].slot);
                left->move(placeLeft(k), left->y());
                right->move(placeLeft(k - 1), right->y());
            }
        }
    }
    bringBonesToFront(1);
}

void Tchat::freebone(int slot)
{
    delete boneImage(slot);
    movebone(slot);
}

void Tchat::movebone(int slot)
{
    int place = 0;
    for (int p = 1; p <= kHandPlaces && place == 0; ++p)
        if (!places_[p].free && places_[p].slot == slot)
            place = p;
    if (place == 0)
        return;
    places_[place] = {};
    for (int q = place + 1; q <= kHandPlaces; ++q) {
        if (places_[q].free)
            continue;
        if (BoneImage* image = boneImage(places_[q].slot)) {
            image->move(placeLeft(q - 1), image->y());
            image->raise();
            image->show();
        }
        places_[q - 1] = places_[q];
        places_[q] = {};
    }
    // The selection itself is cleared by the next change of turn.
    for (BoneImage* image : panel_bones->content()->findChildren<BoneImage*>(Qt::FindDirectChildrenOnly))
        if (image->y() != kLowered)
            image->move(image->x(), kLowered);
    updateHandRange();
}

void Tchat::clearselected()
{
    for (BoneImage* image : panel_bones->content()->findChildren<BoneImage*>(Qt::FindDirectChildrenOnly))
        if (image->y() != kLowered)
            image->move(image->x(), kLowered);
    selectedSlot_ = -1;
}

void Tchat::clearallbones()
{
    places_.fill(Place{});
    const auto images = panel_bones->content()->findChildren<BoneImage*>(Qt::FindDirectChildrenOnly);
    for (auto it = images.rbegin(); it != images.rend(); ++it)
        delete *it;
    updateHandRange();
}
