#include "characterlists.h"

namespace namer {

namespace embedded {
extern const std::string_view nzzBytes;
extern const std::string_view nhzBytes;
extern const std::string_view azzBytes;
extern const std::string_view ahzBytes;
}  // namespace embedded

namespace {

ListStore createdStore(ListId id) {
    const CharacterList &list = characterList(id);
    return ListStore(list.lineCount, list.fill == Fill::featured ? 3 : 2);
}

}  // namespace

const CharacterList &characterList(ListId id) {
    static const std::array<CharacterList, 4> lists = {{
        {ListId::nzz, "nzz.txt", embedded::nzzBytes, Fill::featured, 75},
        {ListId::nhz, "nhz.txt", embedded::nhzBytes, Fill::common, 569},
        {ListId::azz, "azz.txt", embedded::azzBytes, Fill::featured, 79},
        {ListId::ahz, "ahz.txt", embedded::ahzBytes, Fill::common, 1062},
    }};
    return lists[static_cast<size_t>(id)];
}

const std::array<ListId, 4> &allLists() {
    static const std::array<ListId, 4> order = {ListId::nzz, ListId::nhz, ListId::azz, ListId::ahz};
    return order;
}

ListStores::ListStores()
    : stores_{{createdStore(ListId::nzz), createdStore(ListId::nhz), createdStore(ListId::azz),
               createdStore(ListId::ahz)}} {}

ListStore &ListStores::operator[](ListId id) {
    return stores_[static_cast<size_t>(id)];
}

const ListStore &ListStores::operator[](ListId id) const {
    return stores_[static_cast<size_t>(id)];
}

}  // namespace namer
