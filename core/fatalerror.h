#pragma once

#include <cstdint>

#include "gbktext.h"

namespace namer {

// The fatal error report. The program installs a handler that shows the error box and ends the
// process with status -1; it never returns there. A test may install a handler that records the
// call and returns: callers then abandon what they were doing and return too.
using FatalErrorHandler = void (*)(int32_t code, const GbkText &message);

// Installs handler, returning the one it replaces. With none installed, fatalError writes the
// report to stderr and ends the process with status -1.
FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler);
void fatalError(int32_t code, const GbkText &message);

// The text of the report: "运行时出错!", then "错误代码：<code>" unless code is 0, then
// "错误信息：<message>" unless message is empty, with CR LF line breaks.
GbkText fatalErrorText(int32_t code, const GbkText &message);

// The fatal error of a value read from a list store that is not a text (code 5).
void reportTypeMismatch();
// The fatal error of memory running out (code 0, "分配 <bytes> 字节内存失败!").
void reportOutOfMemory(int64_t bytes);

}  // namespace namer
