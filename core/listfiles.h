#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gbktext.h"

namespace namer {

using LineSequence = std::vector<GbkText>;

// Creates or empties the file at path and writes bytes; false on any failure, which it does not
// report otherwise.
bool writeWholeFile(const std::string &path, std::string_view bytes);

// Splits bytes into lines the way the list files are read: a line ends at LF, which is dropped
// along with one CR before it; the rest after the last LF is a line unless it is empty. Zero
// bytes are dropped from the lines, since a GbkText cannot hold them.
LineSequence splitListLines(std::string_view bytes);

// Appends the lines of the existing file at path to lines; adds nothing when it cannot be opened
// for reading and writing. A read error ends the file there.
void loadList(const std::string &path, LineSequence &lines);

}  // namespace namer
