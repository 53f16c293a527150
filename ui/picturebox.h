#pragma once

#include <QImage>
#include <QWidget>

// A picture stretched over the box inside a one-pixel border, width and height independently.
// Without a picture the inside is a flat panelColour field.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
};
