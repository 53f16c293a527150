#pragma once

#include <string>
#include <string_view>

#include "gbktext.h"

namespace namer {

// Conversion between UTF-8 and GbkText through iconv. GB18030 is used: it equals GBK on every
// GBK character and still encodes the characters GBK lacks, so any text round-trips. Bytes that
// do not decode are dropped.
GbkText gbkFromUtf8(std::string_view utf8);
std::string utf8FromGbk(const GbkText &text);

}  // namespace namer
