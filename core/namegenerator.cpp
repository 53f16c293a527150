#include "namegenerator.h"

#include <optional>

#include "fatalerror.h"
#include "random.h"
#include "textcodec.h"

namespace namer {

namespace {

enum class Mode { none, oneCharacter, fixedMiddle, featured };

// The lists one run draws from; rows 1 to the last line of each list, never row 0.
struct Sources {
    const ListStore &featured;
    const ListStore &common;
    int32_t featuredHigh;
    int32_t commonHigh;
};

Mode chooseMode(const NamingForm &form) {
    if (form.isChecked(FormOption::oneCharacter)) {
        return Mode::oneCharacter;
    }
    if (form.isChecked(FormOption::twoCharacters)) {
        return sameText(form.middleText(), GbkText()) ? Mode::featured : Mode::fixedMiddle;
    }
    return Mode::none;
}

Sources sourcesFor(bool boy, const ListStores &stores) {
    const ListId featured = boy ? ListId::azz : ListId::nzz;
    const ListId common = boy ? ListId::ahz : ListId::nhz;
    return {stores[featured], stores[common], characterList(featured).lineCount - 1,
            characterList(common).lineCount - 1};
}

// One featured-mode slot: the featured row's meaning becomes the tooltip and its character the
// first given character, then a common row gives the second. False after a fatal error.
bool fillFeaturedSlot(NamingForm &form, int32_t slot, const GbkText &surname,
                      const Sources &sources) {
    const int32_t featuredRow = randomInRange(1, sources.featuredHigh);
    const std::optional<GbkText> meaning = sources.featured.getCell(featuredRow, 2);
    if (!meaning) {
        reportTypeMismatch();
        return false;
    }
    form.setSlotTooltip(slot, *meaning);
    const std::optional<GbkText> featuredCharacter = sources.featured.getCell(featuredRow, 1);
    const int32_t commonRow = randomInRange(1, sources.commonHigh);
    const std::optional<GbkText> commonCharacter = sources.common.getCell(commonRow, 1);
    if (!commonCharacter || !featuredCharacter) {
        reportTypeMismatch();
        return false;
    }
    form.setSlotCaption(slot, joinText(surname, *featuredCharacter, *commonCharacter));
    return true;
}

// One slot of one-character or fixed-middle mode (middle is empty in the former). Such a name has
// no featured character, so the slot keeps no meaning tooltip. False after a fatal error.
bool fillCommonSlot(NamingForm &form, int32_t slot, const GbkText &surname, const GbkText &middle,
                    const Sources &sources) {
    const int32_t row = randomInRange(1, sources.commonHigh);
    const std::optional<GbkText> character = sources.common.getCell(row, 1);
    if (!character) {
        reportTypeMismatch();
        return false;
    }
    form.setSlotCaption(slot, joinText(surname, middle, *character));
    form.setSlotTooltip(slot, GbkText());
    return true;
}

}  // namespace

void generateNames(NamingForm &form, const ListStores &stores) {
    form.setSurname(trimBothEnds(form.surname()));
    const GbkText surname = form.surname();
    if (sameText(surname, GbkText()) || byteLength(surname) <= 1) {
        form.showMessage(gbkFromUtf8("没有添写宝宝的姓氏."), gbkFromUtf8("出错啦："));
        return;
    }

    const Mode mode = chooseMode(form);
    if (mode != Mode::none) {
        const Sources sources = sourcesFor(form.isChecked(FormOption::boy), stores);
        const GbkText middle = mode == Mode::fixedMiddle ? form.middleText() : GbkText();
        for (int32_t slot = 1; slot <= resultSlotCount; ++slot) {
            const bool filled = mode == Mode::featured
                                    ? fillFeaturedSlot(form, slot, surname, sources)
                                    : fillCommonSlot(form, slot, surname, middle, sources);
            if (!filled) {
                return;
            }
        }
    }
    form.showResultGroup();
}

}  // namespace namer
