#pragma once

#include <QString>
#include <QWidget>

// A caption drawn over whatever lies behind it, with a black shadow 2 pixels right and down of
// the white text. Paints no background.
class ShadowLabel : public QWidget {
    Q_OBJECT

public:
    explicit ShadowLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption;
};
