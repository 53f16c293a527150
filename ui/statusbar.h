#pragma once

#include <array>

#include <QWidget>

class QLabel;

// The window's status bar: six text parts of fixed widths side by side, numbered from 0, the
// last two with a sunken border. It stays where it is placed and has no size grip.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int partCount = 6;

    explicit StatusBar(QWidget *parent = nullptr);

    // A part number outside 0 to 5 changes nothing.
    void setPartText(int part, const QString &text);
    // The empty text for a part number outside 0 to 5.
    QString partText(int part) const;

private:
    std::array<QLabel *, partCount> parts;
};
