#include "mainwindow.h"

#include <cstdlib>

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

#include "checkboxaccessible.h"
#include "flatbutton.h"
#include "gbklengthvalidator.h"
#include "hyperlinklabel.h"
#include "imagebutton.h"
#include "look.h"
#include "maker.h"
#include "picturebox.h"
#include "pictures.h"
#include "shadowlabel.h"
#include "statusbar.h"
#include "statusclock.h"
#include "textbridge.h"
#include "windowdrag.h"
#include "windownamingform.h"

using namespace Qt::StringLiterals;

namespace {

template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &geometry) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

QLabel *panelLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text,
                   Qt::Alignment alignment) {
    // Plain text: an "&" is shown, never taken as a mnemonic.
    auto *label = placed(new QLabel(text, parent), name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(alignment);
    applyPanelLook(label);
    return label;
}

template <typename Control>
Control *panelControl(QWidget *parent, const QString &name, const QRect &geometry,
                      const QString &text) {
    auto *control = placed(new Control(text, parent), name, geometry);
    applyPanelLook(control);
    return control;
}

QLineEdit *panelEdit(QWidget *parent, const QString &name, const QRect &geometry,
                     const QString &accessibleName) {
    auto *edit = placed(new QLineEdit(parent), name, geometry);
    edit->setAlignment(Qt::AlignCenter);
    edit->setAccessibleName(accessibleName);
    applyPanelLook(edit);
    return edit;
}

}  // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // Before the option boxes exist, so that a screen reader's toggle runs their click handlers.
    installCheckBoxAccessibility();
    setWindowTitle(u"Tavelin宝宝起名软件 v1.1        [Tavelin科技]"_s);
    setFixedSize(623, 408);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        move(whole.left() + (whole.width() - width()) / 2,
             whole.top() + (whole.height() - height()) / 2);
    }

    setWindowIcon(namer::programIcon());

    auto *picture = placed(new PictureBox(this), u"图片框1"_s, QRect(0, 0, 623, 408));
    picture->setImage(namer::backgroundPicture());
    auto *status = placed(new StatusBar(this), u"状态条1"_s, QRect(1, 387, 621, 20));
    createTopControls(picture);
    // Its timer 时钟1 writes the date and the time into the status bar every second.
    new StatusClock(
        [status](int part, const namer::GbkText &text) {
            status->setPartText(part, toQString(text));
        },
        picture);
    dragBySurface(picture);
    namingForm = std::make_unique<WindowNamingForm>(this, messageFunction);
}

MainWindow::~MainWindow() = default;

void MainWindow::dragBySurface(QWidget *picture) {
    auto *drag = new WindowDrag(this);
    drag->watch(this);
    drag->watch(picture);
    for (const QString &name : {u"分组框1"_s, u"分组框2"_s, u"分组框3"_s})
        drag->watch(findChild<QWidget *>(name));
    for (int number = 1; number <= 24; ++number)
        drag->watch(findChild<QWidget *>(u"标签"_s + QString::number(number)));
}

void MainWindow::createTopControls(QWidget *picture) {
    placed(new ShadowLabel(u"Tavelin宝宝起名软件"_s, picture), u"透明标签2"_s,
           QRect(196, 10, 368, 47));

    auto *closeButton = placed(new ImageButton(picture), u"按钮2"_s, QRect(598, 0, 24, 24));
    closeButton->setImage(namer::closePicture());
    // The button has no caption: screen readers name it by what it does.
    closeButton->setAccessibleName(u"关闭软件."_s);
    connect(closeButton, &QAbstractButton::clicked, this, &MainWindow::onCloseClicked);

    createBabyControls(
        panelControl<QGroupBox>(picture, u"分组框1"_s, QRect(255, 90, 182, 118), u"宝宝资料："_s));
    createOptionControls(
        panelControl<QGroupBox>(picture, u"分组框2"_s, QRect(437, 90, 168, 118), u"起名选择："_s));
    auto *resultGroup =
        panelControl<QGroupBox>(picture, u"分组框3"_s, QRect(255, 247, 350, 135), QString());
    createResultLabels(resultGroup);
    resultGroup->hide();

    auto *startButton =
        placed(new FlatButton(u"开 始 起 名"_s, picture), u"超级按钮1"_s, QRect(282, 211, 300, 40));
    connect(startButton, &QAbstractButton::clicked, this, &MainWindow::generateNames);

    placed(new HyperlinkLabel(u"Tavelin软件："_s + QString::fromUtf16(makerAddress),
                              QUrl(QString::fromUtf16(makerHomePage)), picture),
           u"超级链接框1"_s, QRect(66, 355, 139, 17));
}

void MainWindow::createBabyControls(QWidget *group) {
    constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const QLabel *surnameLabel =
        panelLabel(group, u"标签1"_s, QRect(21, 20, 48, 24), u"宝宝姓："_s, left);
    panelEdit(group, u"编辑框1"_s, QRect(69, 22, 71, 20), surnameLabel->text());

    panelLabel(group, u"标签2"_s, QRect(8, 51, 58, 24), u"宝宝性别："_s, left);
    panelControl<QRadioButton>(group, u"单选框1"_s, QRect(70, 53, 31, 24), u"男"_s)
        ->setChecked(true);
    panelControl<QRadioButton>(group, u"单选框2"_s, QRect(108, 53, 31, 24), u"女"_s);

    const QLabel *birthdayLabel =
        panelLabel(group, u"标签3"_s, QRect(8, 83, 58, 24), u"宝宝生日："_s, left);
    auto *birthday =
        placed(new QDateEdit(QDate::currentDate(), group), u"日期框1"_s, QRect(68, 84, 107, 20));
    birthday->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    birthday->setCalendarPopup(true);
    birthday->setAccessibleName(birthdayLabel->text());
}

void MainWindow::createOptionControls(QWidget *group) {
    oneCharacterBox =
        panelControl<QCheckBox>(group, u"选择框1"_s, QRect(11, 20, 70, 24), u"取单字名"_s);
    oneCharacterBox->setChecked(true);
    connect(oneCharacterBox, &QAbstractButton::clicked, this, &MainWindow::onOption1Clicked);
    panelControl<QCheckBox>(group, u"选择框3"_s, QRect(91, 20, 70, 24), u"五行风水"_s);
    twoCharactersBox =
        panelControl<QCheckBox>(group, u"选择框2"_s, QRect(11, 50, 70, 24), u"取双字名"_s);
    connect(twoCharactersBox, &QAbstractButton::clicked, this, &MainWindow::onOption2Clicked);
    panelControl<QCheckBox>(group, u"选择框4"_s, QRect(91, 49, 70, 24), u"易经八卦"_s);

    const QLabel *middleLabel = panelLabel(group, u"标签4"_s, QRect(10, 82, 72, 24),
                                           u"指定中间字："_s, Qt::AlignLeft | Qt::AlignVCenter);
    middleBox = panelEdit(group, u"编辑框4"_s, QRect(86, 84, 70, 20), middleLabel->text());
    // Two Chinese characters, or four ASCII ones.
    middleBox->setValidator(new GbkLengthValidator(4, middleBox));
    middleBox->setEnabled(false);
}

void MainWindow::createResultLabels(QWidget *group) {
    // Slot order runs down each column, the columns from left to right.
    constexpr int lefts[] = {6, 75, 145, 214, 282};
    constexpr int tops[] = {13, 44, 74, 104};
    int number = 5;
    for (int left : lefts) {
        for (int top : tops) {
            QLabel *label = panelLabel(group, u"标签"_s + QString::number(number++),
                                       QRect(left, top, 63, 24), QString(), Qt::AlignCenter);
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
    }
}

void MainWindow::setMessageFunction(MessageFunction function) {
    messageFunction = std::move(function);
}

void MainWindow::generateNames() {
    namer::generateNames(*namingForm, listStores);
}

void MainWindow::onOption1Clicked() {
    oneCharacterBox->setChecked(true);
    twoCharactersBox->setChecked(false);
    middleBox->setEnabled(false);
    middleBox->clear();
}

void MainWindow::onOption2Clicked() {
    twoCharactersBox->setChecked(true);
    oneCharacterBox->setChecked(false);
    middleBox->setEnabled(true);
}

void MainWindow::onCloseClicked() {
    // Ends here and now with status 0; exit() still runs the clean-up registered at entry.
    std::exit(0);
}
