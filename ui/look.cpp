#include "look.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>
#include <QWidget>

namespace {

// The platform style with a narrow gap between a check box or radio button and its caption, as
// on the classic desktop the window was laid out for: at the default style's wider gap the
// captions of the 70-pixel check boxes would be cut off.
class CompactCaptionStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle *compactCaptionStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new CompactCaptionStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

void applyPanelLook(QWidget *widget) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, QColor(panelColour));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    if (qobject_cast<QCheckBox *>(widget) != nullptr ||
        qobject_cast<QRadioButton *>(widget) != nullptr)
        widget->setStyle(compactCaptionStyle());
}
