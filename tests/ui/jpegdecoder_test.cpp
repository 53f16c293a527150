#include <cstddef>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "jpegdecoder.h"
#include "picturedata.h"

namespace namer {
namespace {

const QSize backgroundSize(999, 643);
const QSize closeSize(23, 23);

TEST(DecodeJpeg, DecodesTheBuiltInPicturesAtTheirSizes) {
    for (const auto &[bytes, size] : {std::pair{embedded::backgroundJpeg, backgroundSize},
                                      std::pair{embedded::closeJpeg, closeSize}}) {
        const std::optional<QImage> picture = decodeJpeg(bytes, size);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size(), size);
    }
}

std::string firstBytes(std::string_view bytes, std::size_t count) {
    return std::string(bytes.substr(0, count));
}

// Where the first marker with this code starts, e.g. 0xC0 for the frame header.
std::size_t markerAt(std::string_view bytes, unsigned char code) {
    const char marker[] = {'\xFF', static_cast<char>(code)};
    const std::size_t offset = bytes.find(std::string_view(marker, 2));
    EXPECT_NE(offset, std::string_view::npos) << "marker " << int(code);
    return offset;
}

std::string overwritten(std::string_view bytes, std::size_t offset, std::string_view replacement) {
    std::string damaged(bytes);
    damaged.replace(offset, replacement.size(), replacement);
    return damaged;
}

std::string randomBytes(std::size_t count) {
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes.push_back(static_cast<char>(byte(generator)));
    }
    return bytes;
}

std::string pngBytes() {
    QImage image(closeSize, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toStdString();
}

struct DamagedCase {
    std::string name;
    std::string bytes;
    QSize expectedSize;
};

std::vector<DamagedCase> damagedCases() {
    const std::string_view close = embedded::closeJpeg;
    const std::string_view background = embedded::backgroundJpeg;
    const std::size_t closeScan = markerAt(close, 0xDA);
    const std::size_t frame = markerAt(close, 0xC0);
    const std::size_t huffman = markerAt(close, 0xC4);
    return {
        {"Empty", "", closeSize},
        {"OnlyStartMarker", firstBytes(close, 2), closeSize},
        {"CutInQuantisationTable", firstBytes(close, markerAt(close, 0xDB) + 30), closeSize},
        {"CutInHuffmanTable", firstBytes(close, huffman + 40), closeSize},
        {"CutBeforeScan", firstBytes(close, closeScan), closeSize},
        {"CutInScan", firstBytes(close, closeScan + (close.size() - closeScan) / 2), closeSize},
        {"CutInLargeScan", firstBytes(background, background.size() / 2), backgroundSize},
        {"EndMarkerMissing", firstBytes(background, background.size() - 2), backgroundSize},
        {"StartMarkerDamaged", overwritten(close, 1, "X"), closeSize},
        {"FrameHeightZero", overwritten(close, frame + 5, std::string_view("\0\0", 2)), closeSize},
        {"HuffmanCountsTooLarge", overwritten(close, huffman + 5, "\xF0\xF0\xF0\xF0"), closeSize},
        {"RandomBytes", randomBytes(4096), closeSize},
        {"StartMarkerThenRandomBytes", "\xFF\xD8" + randomBytes(4096), closeSize},
        {"Png", pngBytes(), closeSize},
        {"SmallJpegExpectedLarge", std::string(close), backgroundSize},
        {"LargeJpegExpectedSmall", std::string(background), closeSize},
        {"WidthAndHeightSwapped", std::string(background), backgroundSize.transposed()},
    };
}

void PrintTo(const DamagedCase &damaged, std::ostream *out) {
    *out << damaged.name;
}

class DamagedJpeg : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedJpeg, GivesNoPicture) {
    EXPECT_FALSE(decodeJpeg(GetParam().bytes, GetParam().expectedSize).has_value());
}

INSTANTIATE_TEST_SUITE_P(DecodeJpeg, DamagedJpeg, testing::ValuesIn(damagedCases()),
                         [](const auto &info) { return info.param.name; });

}  // namespace
}  // namespace namer
