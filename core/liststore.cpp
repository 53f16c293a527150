#include "liststore.h"

namespace namer {

namespace {

// The widest meaning a featured store takes from a line.
constexpr int32_t meaningLimit = 999;

}  // namespace

ListStore::ListStore(int32_t rows, int32_t columns)
    : columns_(columns),
      cells_(static_cast<size_t>(rows), std::vector<GbkText>(static_cast<size_t>(columns))) {}

void ListStore::setRowCount(int32_t n) {
    if (n > 0) {
        cells_.resize(static_cast<size_t>(n), std::vector<GbkText>(static_cast<size_t>(columns_)));
    }
}

void ListStore::setCell(int32_t row, int32_t column, const GbkText &text) {
    if (row >= 0 && row < rowCount() && column >= 0 && column < columns_) {
        cells_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
    }
}

std::optional<GbkText> ListStore::getCell(int32_t row, int32_t column) const {
    if (row >= 0 && row < rowCount() && column >= 0 && column < columns_) {
        return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    return std::nullopt;
}

void fillStore(ListStore &store, const std::vector<GbkText> &lines, Fill fill) {
    const int32_t count = static_cast<int32_t>(lines.size());
    store.setRowCount(count);
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t row = i - 1;
        const GbkText &line = lines[static_cast<size_t>(row)];
        store.setCell(row, 0, intToText(i));
        if (fill == Fill::featured) {
            store.setCell(row, 1, leftBytes(line, 2));
            store.setCell(row, 2, midBytes(line, 4, meaningLimit));
        } else {
            store.setCell(row, 1, line);
        }
    }
}

}  // namespace namer
