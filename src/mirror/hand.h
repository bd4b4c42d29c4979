#pragma once
// The player's hand as the table knows it: 20 places in a row, each holding one bone by its hand
// slot, with the bone raised or lying. A raised bone is the selection that a play on a toe uses;
// raising one bone and then another swaps them; sorting orders the row by bone number.

#include <array>

namespace mirror {

constexpr int kHandPlaces = 20;

struct HandPlace {
    bool free = true;
    int slot = -1;
    int bone = 0;
    bool raised = false;
};

// What a left click (or Space) on a bone of the hand did.
enum class BoneClick { Ignored, Lowered, Swapped, Raised };

class Hand {
public:
    // Places 1 to 20; any other number reads as a free place.
    const HandPlace& place(int place) const;
    // The place holding that slot, 0 when no place does.
    int placeOf(int slot) const;
    // The bones in the row, which closes up after every play: places 1 to count are taken.
    int count() const;
    // The raised bone's slot, -1 when none. It stays after its bone is played, until the next
    // change of turn clears it, as the host expects it in the next play.
    int selectedSlot() const { return selectedSlot_; }

    // Puts a dealt bone in the first free place; a slot already held or a full row is ignored.
    void add(int slot, int bone);
    // A left click on the bone in that slot, on the player's turn.
    BoneClick click(int slot);
    // Orders the row by bone number, lowest first; a row with a gap is left as it is.
    void sort();
    // The played bone leaves its place; the bones to its right close up and every bone lies down.
    void remove(int slot);
    // Every bone lies down and nothing is selected.
    void lowerAll();
    // Every place empties; the selection stays for the next change of turn to clear.
    void clear();

private:
    std::array<HandPlace, kHandPlaces + 1> places_{};
    int selectedSlot_ = -1;
};

} // namespace mirror
