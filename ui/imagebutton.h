#pragma once

#include <QImage>
#include <QPushButton>

// A push button with a picture centred on its face instead of a caption; a plain red face
// stands in while it has no picture.
class ImageButton : public QPushButton {
    Q_OBJECT

public:
    explicit ImageButton(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return face; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage face;
};
