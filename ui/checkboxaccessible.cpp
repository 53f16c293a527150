#include "checkboxaccessible.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

class CheckBoxAccessible : public QAccessibleWidget {
public:
    explicit CheckBoxAccessible(QCheckBox *box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && box()->accessibleName().isEmpty()) {
            // The caption without its mnemonic marks: "&&" stands for a shown "&".
            static const QRegularExpression mnemonic(u"&(.)"_s);
            return box()->text().replace(mnemonic, u"\\1"_s);
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->checkState() == Qt::Checked;
        state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (box()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action != toggleAction())
            QAccessibleWidget::doAction(action);
        else if (box()->isEnabled())
            box()->click();
    }

private:
    QCheckBox *box() const { return static_cast<QCheckBox *>(widget()); }
};

QAccessibleInterface *checkBoxInterface(const QString &className, QObject *object) {
    if (className != "QCheckBox"_L1 || !object->isWidgetType())
        return nullptr;
    return new CheckBoxAccessible(static_cast<QCheckBox *>(object));
}

}  // namespace

void installCheckBoxAccessibility() {
    // Factories cannot be removed, so one is enough for every window.
    static const bool installed = (QAccessible::installFactory(checkBoxInterface), true);
    (void)installed;
}
