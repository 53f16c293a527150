#include "listfiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace namer {

namespace {

// Writes all of bytes, resuming after interruptions and short writes.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Reads the whole file; a read error ends it where it happened.
std::string readAll(int fd) {
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

GbkText lineWithoutZeros(std::string_view line) {
    std::string kept(line);
    kept.erase(std::remove(kept.begin(), kept.end(), '\0'), kept.end());
    return GbkText(kept);
}

}  // namespace

bool writeWholeFile(const std::string &path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

LineSequence splitListLines(std::string_view bytes) {
    LineSequence lines;
    while (!bytes.empty()) {
        const size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(lineWithoutZeros(line));
    }
    return lines;
}

void loadList(const std::string &path, LineSequence &lines) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    const LineSequence read = splitListLines(readAll(fd));
    ::close(fd);
    lines.insert(lines.end(), read.begin(), read.end());
}

}  // namespace namer
