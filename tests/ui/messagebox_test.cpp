#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "messagebox.h"

using namespace Qt::StringLiterals;

namespace {

struct SeenBox {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    bool ownerless = false;
    int ticksWhileShown = 0;
};

TEST(ShowMessage, ShowsAnOwnerlessBoxThatBlocksTheProgramButNotItsTimers) {
    QWidget window;
    window.show();
    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
    clock.start(10);

    SeenBox seen;
    QTimer::singleShot(300, [&seen, &ticks] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {true,
                box->windowTitle(),
                box->text(),
                box->icon(),
                box->standardButtons(),
                box->windowModality(),
                box->parentWidget() == nullptr,
                ticks};
        box->button(QMessageBox::Ok)->click();
    });
    showMessage(u"没有添写宝宝的姓氏."_s, u"出错啦："_s);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, u"出错啦："_s);
    EXPECT_EQ(seen.text, u"没有添写宝宝的姓氏."_s);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_TRUE(seen.ownerless);
    EXPECT_GT(seen.ticksWhileShown, 0);
}

}  // namespace
