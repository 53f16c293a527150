#pragma once

#include <string_view>

// The window's pictures as JPEG files, compiled in from data/ by the build.
namespace namer::embedded {

extern const std::string_view backgroundJpeg;
extern const std::string_view closeJpeg;

}  // namespace namer::embedded
