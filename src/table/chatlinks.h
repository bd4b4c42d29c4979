#pragma once
// ChatLinks: the chat's table of link slots. Each link shown takes the next slot, 0 to 100; after
// slot 100 the count starts again at 1, so slot 0 is taken only once until the chat is cleared.

#include <QString>

#include <array>

class ChatLinks {
public:
    static constexpr int kSlots = 101;

    // The counter of the last slot used; -1 while none is.
    int counter() const { return counter_; }
    QString slot(int n) const;
    void remember(const QString& address);
    void clear() { counter_ = -1; }

private:
    std::array<QString, kSlots> slots_{};
    int counter_ = -1;
};
