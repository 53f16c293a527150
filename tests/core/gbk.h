#pragma once

#include "gbktext.h"
#include "textcodec.h"

// Test texts are written in UTF-8 source and converted once to GBK here.
inline namer::GbkText gbk(const char *utf8) {
    return namer::gbkFromUtf8(utf8);
}
