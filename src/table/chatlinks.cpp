#include "table/chatlinks.h"

QString ChatLinks::slot(int n) const { return n >= 0 && n < kSlots ? slots_[static_cast<std::size_t>(n)] : QString(); }

void ChatLinks::remember(const QString& address)
{
    counter_ = counter_ >= kSlots - 1 ? 1 : counter_ + 1;
    slots_[static_cast<std::size_t>(counter_)] = address;
}
