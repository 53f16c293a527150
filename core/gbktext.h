#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace namer {

// Text as a byte string in code page 936 (GBK): a byte of 0x80 or above starts a two-byte
// character. Lengths and positions are in bytes, positions 1-based. Never holds a zero byte:
// construction stops at the first one. A missing text is the empty text.
class GbkText {
public:
    GbkText() = default;
    explicit GbkText(std::string_view bytes);

    const std::string &bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

    friend bool operator==(const GbkText &, const GbkText &) = default;

private:
    std::string bytes_;
};

// Number of bytes; 0 for the empty text.
int32_t byteLength(const GbkText &text);
// The first n bytes; empty for n <= 0, the whole text when n is at least its length.
GbkText leftBytes(const GbkText &text, int32_t n);
// count bytes from the 1-based start on, clamped to the text; empty when start is outside the
// text or count <= 0.
GbkText midBytes(const GbkText &text, int32_t start, int32_t count);
// 1-based position of the first match of sought at a character boundary, scanning from start
// (clamped to 1), or -1. Matches across the boundary of two characters are not found.
int32_t findText(const GbkText &text, const GbkText &sought, int32_t start, bool ignoreCase);
// The text without leading and trailing ASCII (0x20) and full-width (A1 A1) blanks; a lone lead
// byte at the very end is dropped too. Only blanks gives the empty text.
GbkText trimBothEnds(const GbkText &text);
// True when both hold the same bytes.
bool sameText(const GbkText &a, const GbkText &b);
// The arguments one after the other.
GbkText joinText(const GbkText &t1, const GbkText &t2);
GbkText joinText(const GbkText &t1, const GbkText &t2, const GbkText &t3);
// Decimal digits, "-" before a negative value, "0" for 0.
GbkText intToText(int32_t value);

}  // namespace namer
