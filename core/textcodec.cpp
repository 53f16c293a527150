#include "textcodec.h"

#include <iconv.h>

#include <cerrno>

namespace namer {

namespace {

// Converts with iconv, skipping any input byte that does not decode so that one bad byte costs
// one byte, not the rest of the text.
std::string convert(const char *to, const char *from, std::string_view input) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    std::string output;
    output.resize(input.size() * 4 + 4);
    char *in = const_cast<char *>(input.data());
    size_t inLeft = input.size();
    char *out = output.data();
    size_t outLeft = output.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            const size_t used = output.size() - outLeft;
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = output.size() - used;
        } else {
            // EILSEQ or EINVAL: an undecodable or incomplete sequence.
            ++in;
            --inLeft;
        }
    }
    output.resize(output.size() - outLeft);
    iconv_close(cd);
    return output;
}

}  // namespace

GbkText gbkFromUtf8(std::string_view utf8) {
    return GbkText(convert("GB18030", "UTF-8", utf8));
}

std::string utf8FromGbk(const GbkText &text) {
    return convert("UTF-8", "GB18030", text.bytes());
}

}  // namespace namer
