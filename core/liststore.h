#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gbktext.h"

namespace namer {

// A plain table of text cells, addressed by 0-based row and column. Column 0 holds the line
// number, column 1 the character and, in a featured list's store, column 2 the meaning.
class ListStore {
public:
    ListStore(int32_t rows, int32_t columns);

    int32_t rowCount() const { return static_cast<int32_t>(cells_.size()); }
    int32_t columnCount() const { return columns_; }

    // n > 0: exactly n rows afterwards, kept rows keep their cells, added rows are empty.
    // n <= 0: nothing changes.
    void setRowCount(int32_t n);
    // Copies text into the cell; a row or column outside the store changes nothing.
    void setCell(int32_t row, int32_t column, const GbkText &text);
    // The cell's text (empty for a cell never set), or nothing for a cell outside the store.
    std::optional<GbkText> getCell(int32_t row, int32_t column) const;

private:
    int32_t columns_;
    std::vector<std::vector<GbkText>> cells_;
};

enum class Fill { featured, common };

// Row i-1 takes line i: column 0 its number; featured fill: column 1 the first two bytes and
// column 2 the bytes from byte 4 on (at most 999); common fill: column 1 the whole line.
// Sets the row count to the number of lines first, which leaves the store alone when it is 0.
void fillStore(ListStore &store, const std::vector<GbkText> &lines, Fill fill);

}  // namespace namer
