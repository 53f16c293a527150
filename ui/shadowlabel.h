#pragma once

#include <QLabel>
#include <QString>

// A caption drawn over whatever lies behind it, with a black shadow 2 pixels right and down of
// the white text. Paints no background. A label still, so screen readers read it as one.
class ShadowLabel : public QLabel {
    Q_OBJECT

public:
    explicit ShadowLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
