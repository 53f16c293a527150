#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Where the list files go: $XDG_DATA_HOME/tavelin-namer when XDG_DATA_HOME is an absolute path,
// home/.local/share/tavelin-namer otherwise (a relative or empty one is ignored, as the XDG base
// directory rules ask).
std::filesystem::path listFolderFor(std::string_view xdgDataHome,
                                    const std::filesystem::path &home);

// listFolderFor the environment, created when missing. A folder that cannot be created is still
// returned: start-up then falls back to the built-in lists.
std::string listFolder();
