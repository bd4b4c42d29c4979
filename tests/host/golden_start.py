#!/usr/bin/env python3
"""Works out, from the game's rules alone, the expected start of seeded games for the host tests:
the shuffle, the round-robin deal, and the computer's moves. It shares no code with the host; the
tests pin what it prints.

    python3 tests/host/golden_start.py
"""

MASK = 0xFFFFFFFF


class Lcg:
    """state := state * 134775813 + 1 (mod 2^32); random(n) is the upper 32 bits of n * state."""

    def __init__(self, seed):
        self.state = seed & MASK

    def random(self, n):
        self.state = (self.state * 134775813 + 1) & MASK
        return (n * self.state) >> 32


# Bone numbers: top pip t from 0 to 9, bottom pip from t to 9, numbered from 1.
PIPS = [None] + [(t, b) for t in range(10) for b in range(t, 10)]
SPINNERS = [None, 55, 53, 50, 46, 41, 35, 28, 20, 11, 1]
PER_SEAT = {2: 16, 3: 14, 4: 11, 5: 9, 6: 7}


def shuffle(rng, spinner):
    deck = [0] * 56  # places 1..55
    deck[55] = spinner
    for bone in range(1, 56):
        if bone == spinner:
            continue
        while True:
            place = rng.random(55) + 1
            if deck[place] == 0:
                break
        deck[place] = bone
    return deck


def deal(deck, seats):
    count = PER_SEAT[len(seats)]
    hands = {s: [0] * 21 for s in seats}
    position = 0
    for slot in range(1, count + 1):
        for s in seats:
            position += 1
            hands[s][slot] = deck[position]
    return hands


def hand_message(seat, hand):
    return f"{seat} CMD_dealmybones+{seat}" + "".join(f"+{k}+{b}" for k, b in enumerate(hand) if k and b)


def shows(bone, pip):
    return bone and pip in PIPS[bone]


def computer_game_start(seed, steps):
    """Seats 1 and 2, both played by the computer (seat 1 just watches from its first turn). Each
    step is one computer move, or, after a double on a toe end, the three-second pause."""
    rng = Lcg(seed)
    spinner = SPINNERS[1]
    deck = shuffle(rng, spinner)
    hands = deal(deck, [1, 2])
    pip = PIPS[spinner][0]
    board = {toe: [None] * 41 for toe in (1, 2, 3)}  # (bone, flip) per position
    out = []
    turn = 2
    passed = set()
    pause = None  # the double waiting to become the spinner

    def open_end(toe, position):
        bone, flip = board[toe][position - 1]
        return PIPS[bone][0] if flip else PIPS[bone][1]

    def announce_next():
        passed.discard(turn)  # the mark of the seat whose turn it now is
        foot = any(board[t][1] is None for t in (1, 2, 3))
        flags, places = [], []
        for t in (1, 2, 3):
            if foot:
                flags.append("t" if board[t][1] is None else "f")
                places.append(1)
            else:
                free = next((p for p in range(1, 21) if board[t][p] is None), 0)
                flags.append("t" if free else "f")
                places.append(free or 1)
        phase = 1 if foot else 2
        out.append(f"1 CMD_nextplayer+{turn}+{phase}+" + "+".join(flags) + "+" + "+".join(map(str, places)) + "+")
        out.append("computer 1000")

    for _ in range(steps):
        if pause:
            out.append("timer1 stop")
            out.append(f"1 CMD_beginagain+{pause}+")
            pip = PIPS[pause][0]
            board = {toe: [None] * 41 for toe in (1, 2, 3)}
            pause = None
            turn = 1 if turn == 2 else 2
            announce_next()
            continue
        out.append("computer stop")
        hand = hands[turn]
        foot = any(board[t][1] is None for t in (1, 2, 3))
        play = None
        if foot:
            for slot in range(1, 21):
                if shows(hand[slot], pip):
                    toe = next(t for t in (1, 2, 3) if board[t][1] is None)
                    play = (slot, toe, 1, pip)
                    break
        else:
            start = rng.random(3) + 1
            for step in range(3):
                toe = (start + step) % 3 + 1
                position = next((p for p in range(1, 41) if board[toe][p] is None), 0)
                if position < 2:
                    continue
                end = open_end(toe, position)
                slot = next((k for k in range(1, 21) if shows(hand[k], end)), None)
                if slot:
                    play = (slot, toe, position, end)
                    break
        if play is None:
            passed.add(turn)
            out.append(f"1 CMD_hepassed+{turn}+")
            if len(passed) == 2:
                raise SystemExit("the round ended: take fewer steps")
        else:
            slot, toe, position, end = play
            bone = hand[slot]
            top, bottom = PIPS[bone]
            hand[slot] = 0
            left = sum(1 for b in hand[1:] if b)
            if not left:
                raise SystemExit("a seat went out: take fewer steps")
            if top == bottom and not foot:
                # Not laid on the toe: the new spinner after the pause. Pass marks stay.
                out.append(f"1 CMD_double+{turn}+{slot}+{bone}+{toe}+{position}+f+{left}+")
                out.append("timer1 1000")
                pause = bone
                continue
            flip = top != end
            board[toe][position] = (bone, flip)
            passed.clear()
            out.append(f"1 CMD_heplayed+{turn}+{slot}+{bone}+{toe}+{position}+{'t' if flip else 'f'}+{left}+")
        turn = 1 if turn == 2 else 2
        announce_next()
    return deck, hands, out


STEPS = 24


def main():
    # Seed 1, two seats: the hands of seat 1 (sent) and seat 2 (the computer's, kept).
    _, hands, _ = computer_game_start(1, 0)
    print("two seats, seed 1:")
    print("   ", hand_message(1, hands[1]))
    print("   ", " ".join(str(b) for b in hands[2][1:17]))
    # Seed 1, six seats.
    hands6 = deal(shuffle(Lcg(1), 55), [1, 2, 3, 4, 5, 6])
    print("six seats, seed 1:")
    for s in range(1, 7):
        print("   ", hand_message(s, hands6[s]))
    # Seed 1, seat 1 alone at the table and just watching from its first turn: the game start
    # and the first computer steps, as the test's raw string.
    dealt = hand_message(1, computer_game_start(1, 0)[1][1])
    _, _, steps = computer_game_start(1, STEPS)
    head = ["1 CMD_startgame+P1+3+", "1 CMD_startround+1+55+16+1+t+2+t+3+f+4+f+5+f+6+f", dealt, "1 CMD_nextplayer+1+1+t+t+t+1+1+1+", "1 CMD_justwatching+1+1",
            "1 CMD_nextplayer+2+1+t+t+t+1+1+1+", "computer 1000"]
    print("computer game, seed 1, %d steps:" % STEPS)
    print('R"(' + "\n".join(head + steps) + ')"')


if __name__ == "__main__":
    main()
