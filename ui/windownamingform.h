#pragma once

#include <array>

#include "messagebox.h"
#include "namegenerator.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// The name generator's view of the main window: its controls, found by their names.
class WindowNamingForm : public namer::NamingForm {
public:
    // showMessage is read at each missing-surname report, so the window may replace it later.
    WindowNamingForm(QWidget *window, const MessageFunction &showMessage);

    namer::GbkText surname() const override;
    void setSurname(const namer::GbkText &text) override;
    namer::GbkText middleText() const override;
    bool isChecked(namer::FormOption option) const override;
    void setSlotCaption(int32_t slot, const namer::GbkText &caption) override;
    void setSlotTooltip(int32_t slot, const namer::GbkText &tooltip) override;
    void showResultGroup() override;
    void showMessage(const namer::GbkText &text, const namer::GbkText &title) override;

private:
    QLabel *slotLabel(int32_t slot) const;

    QLineEdit *surnameBox;
    QLineEdit *middleBox;
    QAbstractButton *oneCharacterBox;
    QAbstractButton *twoCharactersBox;
    QAbstractButton *boyButton;
    std::array<QLabel *, namer::resultSlotCount> slotLabels;
    QWidget *resultGroup;
    const MessageFunction &messageFunction;
};
