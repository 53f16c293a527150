#pragma once

#include <cstdint>

#include "characterlists.h"
#include "gbktext.h"

namespace namer {

constexpr int32_t resultSlotCount = 20;

// The options that the generator reads: 选择框1 (one-character name), 选择框2 (two-character
// name) and 单选框1 (boy; unchecked means girl).
enum class FormOption { oneCharacter, twoCharacters, boy };

// What the generator needs of the main window. Slots are numbered 1 to 20 (标签5 to 标签24).
class NamingForm {
public:
    virtual ~NamingForm() = default;

    virtual GbkText surname() const = 0;  // 编辑框1
    virtual void setSurname(const GbkText &text) = 0;
    virtual GbkText middleText() const = 0;  // 编辑框4
    virtual bool isChecked(FormOption option) const = 0;
    virtual void setSlotCaption(int32_t slot, const GbkText &caption) = 0;
    // Replaces the slot's tooltip; the empty text leaves the slot without one.
    virtual void setSlotTooltip(int32_t slot, const GbkText &tooltip) = 0;
    virtual void showResultGroup() = 0;  // 分组框3
    // A message box with an OK button and no icon; returns when it is closed.
    virtual void showMessage(const GbkText &text, const GbkText &title) = 0;
};

// The start button's handler: trims and validates the surname, then fills the twenty slots in
// the mode that the options choose and shows the result group. A cell that is not in its store
// stops the run through fatalError 5.
void generateNames(NamingForm &form, const ListStores &stores);

}  // namespace namer
