#pragma once

#include <functional>

#include <QLabel>
#include <QUrl>

// A one-line link that opens its target on the left button press. It holds the mouse capture
// while the pointer is over it, and it counts as visited exactly when its last open succeeded.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    // Starts a program for the url; true when one was started.
    using Opener = std::function<bool(const QUrl &url)>;

    explicit HyperlinkLabel(const QString &text, const QUrl &target, QWidget *parent = nullptr);

    void setOpener(Opener opener);
    bool isVisited() const { return visited; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setHovered(bool on);
    void updateColour();

    QUrl target;
    Opener opener;
    bool hovered = false;
    bool visited = false;
};
