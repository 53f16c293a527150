#include "gbktext.h"

#include <algorithm>

namespace namer {

namespace {

bool isLeadByte(unsigned char byte) {
    return byte >= 0x80;
}

unsigned char byteAt(const std::string &bytes, size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

unsigned char asciiLower(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool matchesAt(const std::string &text, size_t at, const std::string &sought, bool ignoreCase) {
    for (size_t i = 0; i < sought.size(); ++i) {
        unsigned char a = byteAt(text, at + i);
        unsigned char b = byteAt(sought, i);
        if (ignoreCase) {
            a = asciiLower(a);
            b = asciiLower(b);
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

// Length of the blank that starts at index: 1 for the ASCII space, 2 for the full-width space
// (A1 A1), 0 for anything else.
size_t blankLengthAt(const std::string &bytes, size_t index) {
    if (byteAt(bytes, index) == 0x20) {
        return 1;
    }
    if (byteAt(bytes, index) == 0xA1 && index + 1 < bytes.size() &&
        byteAt(bytes, index + 1) == 0xA1) {
        return 2;
    }
    return 0;
}

}  // namespace

GbkText::GbkText(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

int32_t byteLength(const GbkText &text) {
    return static_cast<int32_t>(text.bytes().size());
}

GbkText leftBytes(const GbkText &text, int32_t n) {
    if (n <= 0) {
        return {};
    }
    return GbkText(std::string_view(text.bytes()).substr(0, static_cast<size_t>(n)));
}

GbkText midBytes(const GbkText &text, int32_t start, int32_t count) {
    const int64_t from = int64_t{start} - 1;
    if (from < 0 || from >= byteLength(text) || count <= 0) {
        return {};
    }
    return GbkText(std::string_view(text.bytes())
                       .substr(static_cast<size_t>(from), static_cast<size_t>(count)));
}

int32_t findText(const GbkText &text, const GbkText &sought, int32_t start, bool ignoreCase) {
    const std::string &bytes = text.bytes();
    const size_t from = static_cast<size_t>(std::max<int64_t>(int64_t{start} - 1, 0));
    if (from >= bytes.size()) {
        return -1;
    }
    size_t position = from;
    size_t remaining = bytes.size() - from;
    while (remaining >= sought.bytes().size()) {
        if (matchesAt(bytes, position, sought.bytes(), ignoreCase)) {
            return static_cast<int32_t>(position + 1);
        }
        if (isLeadByte(byteAt(bytes, position))) {
            if (position + 1 >= bytes.size()) {
                return -1;
            }
            position += 2;
            remaining -= std::min<size_t>(remaining, 2);
        } else {
            position += 1;
            remaining -= 1;
        }
    }
    return -1;
}

GbkText trimBothEnds(const GbkText &text) {
    const std::string &bytes = text.bytes();
    size_t begin = 0;
    while (begin < bytes.size()) {
        const size_t blank = blankLengthAt(bytes, begin);
        if (blank == 0) {
            break;
        }
        begin += blank;
    }

    size_t end = bytes.size();
    size_t runStart = bytes.size();
    bool inRun = false;
    size_t index = begin;
    while (index < bytes.size()) {
        if (isLeadByte(byteAt(bytes, index)) && index + 1 >= bytes.size()) {
            // A lead byte with nothing after it is no character: it is dropped, and the blanks
            // before it do not count as trailing.
            end = index;
            inRun = false;
            break;
        }
        const size_t blank = blankLengthAt(bytes, index);
        if (blank > 0) {
            if (!inRun) {
                runStart = index;
                inRun = true;
            }
            index += blank;
        } else {
            inRun = false;
            index += isLeadByte(byteAt(bytes, index)) ? 2 : 1;
        }
    }
    if (inRun) {
        end = runStart;
    }
    return GbkText(std::string_view(bytes).substr(begin, end - begin));
}

bool sameText(const GbkText &a, const GbkText &b) {
    return a.bytes() == b.bytes();
}

GbkText joinText(const GbkText &t1, const GbkText &t2) {
    return GbkText(t1.bytes() + t2.bytes());
}

GbkText joinText(const GbkText &t1, const GbkText &t2, const GbkText &t3) {
    return GbkText(t1.bytes() + t2.bytes() + t3.bytes());
}

GbkText intToText(int32_t value) {
    return GbkText(std::to_string(value));
}

}  // namespace namer
