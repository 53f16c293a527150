#include "listloading.h"

namespace namer {

namespace {

std::string pathIn(const std::string &folder, const CharacterList &list) {
    return folder + "/" + std::string(list.fileName);
}

void loadPair(const std::string &folder, ListId featured, ListId common, ListStores &stores,
              LineSequence &featuredLines, LineSequence &commonLines) {
    for (ListId id : {featured, common}) {
        writeWholeFile(pathIn(folder, characterList(id)), characterList(id).bytes);
    }
    readBackList(pathIn(folder, characterList(featured)), featured, featuredLines,
                 stores[featured]);
    readBackList(pathIn(folder, characterList(common)), common, commonLines, stores[common]);
}

}  // namespace

void readBackList(const std::string &path, ListId id, LineSequence &lines, ListStore &store) {
    const CharacterList &list = characterList(id);
    loadList(path, lines);
    if (static_cast<int32_t>(lines.size()) != list.lineCount) {
        lines = splitListLines(list.bytes);
    }
    fillStore(store, lines, list.fill);
}

void loadAllLists(const std::string &folder, ListStores &stores, LineSequence &featuredLines,
                  LineSequence &commonLines) {
    featuredLines.clear();
    commonLines.clear();
    loadPair(folder, ListId::nzz, ListId::nhz, stores, featuredLines, commonLines);
    commonLines.clear();
    featuredLines.clear();
    loadPair(folder, ListId::azz, ListId::ahz, stores, featuredLines, commonLines);
}

}  // namespace namer
