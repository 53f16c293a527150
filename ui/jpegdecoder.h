#pragma once

#include <optional>
#include <string_view>

#include <QImage>
#include <QSize>

namespace namer {

// Decodes a JPEG held in memory with libjpeg into an RGB bitmap. Gives no image for anything
// but a complete, undamaged JPEG of exactly expectedSize: truncated or corrupt data (which
// libjpeg would only warn about and pad with grey) counts as damage. Never ends the program.
std::optional<QImage> decodeJpeg(std::string_view bytes, QSize expectedSize);

}  // namespace namer
