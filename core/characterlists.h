#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "liststore.h"

namespace namer {

enum class ListId { nzz, nhz, azz, ahz };

// One of the four built-in character lists: its bytes (compiled in from data/), its file name,
// its kind and its line count, which is also the row count of its store as created.
struct CharacterList {
    ListId id;
    std::string_view fileName;
    std::string_view bytes;
    Fill fill;
    int32_t lineCount;
};

const CharacterList &characterList(ListId id);
// In start-up order: nzz, nhz, azz, ahz.
const std::array<ListId, 4> &allLists();

// The four stores, created with their lists' row counts (3 columns for a featured list, 2 for a
// common one) and every cell empty.
struct ListStores {
    ListStores();
    ListStore &operator[](ListId id);
    const ListStore &operator[](ListId id) const;

private:
    std::array<ListStore, 4> stores_;
};

}  // namespace namer
