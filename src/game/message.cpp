#include "game/message.h"

#include <charconv>
#include <limits>

namespace game {

Message& Message::field(std::string_view text)
{
    text_ += '+';
    text_ += text;
    return *this;
}

Message& Message::field(int number) { return field(std::to_string(number)); }

Message& Message::raw(std::string_view text)
{
    text_ += text;
    return *this;
}

bool Framer::feed(std::string_view bytes, std::vector<std::string>& lines)
{
    bool ok = true;
    while (!bytes.empty()) {
        const auto end = bytes.find(kTerminator);
        const auto piece = bytes.substr(0, end);
        if (pending_.size() + piece.size() > limit_) {
            // Too long to be a message of ours: drop it up to its terminator (if any) and report it.
            ok = false;
            pending_.clear();
            if (end == std::string_view::npos)
                return false;
            bytes.remove_prefix(end + 1);
            continue;
        }
        pending_ += piece;
        if (end == std::string_view::npos)
            break;
        lines.push_back(std::move(pending_));
        pending_.clear();
        bytes.remove_prefix(end + 1);
    }
    return ok;
}

SplitLine splitLine(std::string_view line)
{
    const auto plus = line.find('+');
    if (plus == std::string_view::npos)
        return {};
    return {line.substr(0, plus), line.substr(plus + 1)};
}

std::optional<int> parseInt(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const bool negative = text.front() == '-';
    const auto digits = negative ? text.substr(1) : text;
    if (digits.empty())
        return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9')
            return std::nullopt;
    long long value = 0;
    const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || ptr != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::string_view FieldReader::next()
{
    const auto plus = rest_.find('+');
    if (plus == std::string_view::npos) {
        const auto field = rest_;
        rest_ = {};
        return field;
    }
    const auto field = rest_.substr(0, plus);
    rest_.remove_prefix(plus + 1);
    return field;
}

std::optional<int> FieldReader::nextInt() { return parseInt(next()); }

} // namespace game
