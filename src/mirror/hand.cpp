#include "mirror/hand.h"

#include <utility>

namespace mirror {

const HandPlace& Hand::place(int place) const
{
    static const HandPlace none;
    return place >= 1 && place <= kHandPlaces ? places_[place] : none;
}

int Hand::placeOf(int slot) const
{
    for (int p = 1; p <= kHandPlaces; ++p)
        if (!places_[p].free && places_[p].slot == slot)
            return p;
    return 0;
}

int Hand::count() const
{
    int count = 0;
    while (count < kHandPlaces && !places_[count + 1].free)
        ++count;
    return count;
}

void Hand::add(int slot, int bone)
{
    // A slot already in the hand would show two bones under one name: the host never sends it.
    if (placeOf(slot) != 0)
        return;
    int place = 1;
    while (place <= kHandPlaces && !places_[place].free)
        ++place;
    if (place <= kHandPlaces)
        places_[place] = {false, slot, bone, false};
}

BoneClick Hand::click(int slot)
{
    const int clicked = placeOf(slot);
    if (clicked == 0)
        return BoneClick::Ignored;
    if (places_[clicked].raised) {
        places_[clicked].raised = false;
        selectedSlot_ = -1;
        return BoneClick::Lowered;
    }
    if (selectedSlot_ != -1) {
        const int selected = placeOf(selectedSlot_);
        if (selected != 0) {
            places_[selected].raised = false;
            selectedSlot_ = -1;
            std::swap(places_[selected], places_[clicked]);
            return BoneClick::Swapped;
        }
    }
    places_[clicked].raised = true;
    selectedSlot_ = slot;
    return BoneClick::Raised;
}

void Hand::sort()
{
    for (int pass = 0; pass < kHandPlaces; ++pass)
        for (int k = kHandPlaces; k >= 2; --k) {
            if (places_[k].free)
                continue;
            if (places_[k - 1].free)
                return;
            if (places_[k - 1].bone > places_[k].bone)
                std::swap(places_[k - 1], places_[k]);
        }
}

void Hand::remove(int slot)
{
    const int place = placeOf(slot);
    if (place == 0)
        return;
    for (int q = place; q < kHandPlaces; ++q)
        places_[q] = places_[q + 1];
    places_[kHandPlaces] = {};
    for (HandPlace& each : places_)
        each.raised = false;
}

void Hand::lowerAll()
{
    for (HandPlace& each : places_)
        each.raised = false;
    selectedSlot_ = -1;
}

void Hand::clear()
{
    places_.fill(HandPlace{});
}

} // namespace mirror
