#include "messagebox.h"

#include <QMessageBox>

void showMessage(const QString &text, const QString &title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
