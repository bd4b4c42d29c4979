#pragma once
// The wire format shared by host and table: a verb ("CMD_..."), fields each introduced by "+",
// and the byte 0xFF ending every message. Numbers are decimal text, flags "t" or "f".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

constexpr char kTerminator = '\xFF';

// Builds one message. Fields are appended in order, each after a "+".
class Message {
public:
    explicit Message(std::string_view verb) : text_(verb) {}

    Message& field(std::string_view text);
    Message& field(int number);
    Message& flag(bool value) { return field(value ? "t" : "f"); }
    // Appended unchanged: for free-text rests and lists that carry their own separators.
    Message& raw(std::string_view text);

    const std::string& text() const { return text_; }
    // The text with its terminator, ready for one Send.
    std::string wire() const { return text_ + kTerminator; }

private:
    std::string text_;
};

// Cuts received bytes into messages at each terminator, in arrival order. Text after the last
// terminator is kept and joined to the next read, so a message that TCP splits is not lost.
// Nothing is trusted: a message (or an unterminated rest) longer than the limit is an overflow.
class Framer {
public:
    static constexpr std::size_t kDefaultLimit = 4096;

    explicit Framer(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // Appends every complete message to lines. Returns false on overflow; the offending text is
    // then dropped (the complete messages before it are still appended).
    bool feed(std::string_view bytes, std::vector<std::string>& lines);

    std::size_t pendingSize() const { return pending_.size(); }
    void clear() { pending_.clear(); }

private:
    std::size_t limit_;
    std::string pending_;
};

// A queued line split at its first "+": the verb before it, the payload after it.
// A line without "+" has an empty verb (and is ignored by both dispatchers).
struct SplitLine {
    std::string_view verb;
    std::string_view payload;
};
SplitLine splitLine(std::string_view line);

// A decimal integer as the wire writes it (an optional "-", then digits), within 32 bits.
// Anything else, blanks and empty text included, gives nothing.
std::optional<int> parseInt(std::string_view text);

// Takes the fields of a payload from the front.
class FieldReader {
public:
    explicit FieldReader(std::string_view payload) : rest_(payload) {}

    // The text up to the next "+"; that text and the "+" are consumed. Without a further "+",
    // the whole rest is the field and the reader is then empty.
    std::string_view next();
    // The next field as a decimal integer; nothing when it is not one (the field is consumed).
    std::optional<int> nextInt();
    // Everything not yet taken, "+" included: the free-text fields at the end of some messages.
    std::string_view rest() const { return rest_; }
    bool empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

} // namespace game
