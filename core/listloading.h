#pragma once

#include <string>

#include "characterlists.h"
#include "listfiles.h"

namespace namer {

// Reads list id back from the file at path into the empty sequence lines and fills store from
// them; when the file cannot be read or gives another line count than built in, the lines and the
// store come from the list's built-in bytes instead.
void readBackList(const std::string &path, ListId id, LineSequence &lines, ListStore &store);

// Start-up's list loading: writes the girls' two lists into folder, reads each back into its
// sequence (emptied first) and fills its store, empties both sequences, then does the same for
// the boys' pair.
// A list whose file cannot be read back, or reads back with another line count than built in,
// fills its store from its built-in bytes instead, so no store is left without characters.
void loadAllLists(const std::string &folder, ListStores &stores, LineSequence &featuredLines,
                  LineSequence &commonLines);

}  // namespace namer
