#include "windownamingform.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "textbridge.h"
#include "tooltipfacility.h"

using namespace Qt::StringLiterals;

namespace {

template <typename Control>
Control *controlNamed(const QWidget *window, const QString &name) {
    auto *control = window->findChild<Control *>(name);
    Q_ASSERT_X(control != nullptr, "WindowNamingForm", "a control of the main window is missing");
    return control;
}

}  // namespace

WindowNamingForm::WindowNamingForm(QWidget *window, const MessageFunction &showMessage)
    : surnameBox(controlNamed<QLineEdit>(window, u"编辑框1"_s)),
      middleBox(controlNamed<QLineEdit>(window, u"编辑框4"_s)),
      oneCharacterBox(controlNamed<QAbstractButton>(window, u"选择框1"_s)),
      twoCharactersBox(controlNamed<QAbstractButton>(window, u"选择框2"_s)),
      boyButton(controlNamed<QAbstractButton>(window, u"单选框1"_s)),
      resultGroup(controlNamed<QWidget>(window, u"分组框3"_s)),
      messageFunction(showMessage) {
    // Slot 1 is 标签5, slot 20 is 标签24.
    for (int32_t slot = 1; slot <= namer::resultSlotCount; ++slot)
        slotLabels[slot - 1] = controlNamed<QLabel>(window, u"标签"_s + QString::number(slot + 4));
}

namer::GbkText WindowNamingForm::surname() const {
    return toGbkText(surnameBox->text());
}

void WindowNamingForm::setSurname(const namer::GbkText &text) {
    surnameBox->setText(toQString(text));
}

namer::GbkText WindowNamingForm::middleText() const {
    return toGbkText(middleBox->text());
}

bool WindowNamingForm::isChecked(namer::FormOption option) const {
    switch (option) {
        case namer::FormOption::oneCharacter:
            return oneCharacterBox->isChecked();
        case namer::FormOption::twoCharacters:
            return twoCharactersBox->isChecked();
        case namer::FormOption::boy:
            return boyButton->isChecked();
    }
    return false;
}

QLabel *WindowNamingForm::slotLabel(int32_t slot) const {
    return slot >= 1 && slot <= namer::resultSlotCount ? slotLabels[slot - 1] : nullptr;
}

void WindowNamingForm::setSlotCaption(int32_t slot, const namer::GbkText &caption) {
    if (QLabel *label = slotLabel(slot))
        label->setText(toQString(caption));
}

void WindowNamingForm::setSlotTooltip(int32_t slot, const namer::GbkText &tooltip) {
    attachTooltip(slotLabel(slot), toQString(tooltip));
}

void WindowNamingForm::showResultGroup() {
    resultGroup->setVisible(true);
}

void WindowNamingForm::showMessage(const namer::GbkText &text, const namer::GbkText &title) {
    messageFunction(toQString(text), toQString(title));
}
