#include "listfolder.h"

#include <cstdlib>
#include <system_error>

#include <QDir>

std::filesystem::path listFolderFor(std::string_view xdgDataHome,
                                    const std::filesystem::path &home) {
    std::filesystem::path dataHome(xdgDataHome);
    if (!dataHome.is_absolute())
        dataHome = home / ".local" / "share";
    return dataHome / "tavelin-namer";
}

std::string listFolder() {
    const char *xdgDataHome = std::getenv("XDG_DATA_HOME");
    const std::filesystem::path folder =
        listFolderFor(xdgDataHome != nullptr ? xdgDataHome : "", QDir::homePath().toStdString());
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder.string();
}
