#pragma once

#include <memory>

#include <QWidget>

#include "characterlists.h"
#include "messagebox.h"

class QCheckBox;
class QLineEdit;
class WindowNamingForm;

// The program's one window: borderless, 623 × 408, centred on the primary screen, with every
// control in its initial state and the four list stores behind it. Controls carry their names
// as object names (编辑框1, 选择框1, 标签5 …), by which the handlers and tests find them.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    namer::ListStores &stores() { return listStores; }
    const namer::ListStores &stores() const { return listStores; }
    // How the start button reports a missing surname; showMessage unless replaced.
    void setMessageFunction(MessageFunction function);

private slots:
    void generateNames();
    void onOption1Clicked();
    void onOption2Clicked();
    void onCloseClicked();

private:
    void createTopControls(QWidget *picture);
    void createBabyControls(QWidget *group);
    void createOptionControls(QWidget *group);
    void createResultLabels(QWidget *group);
    void dragBySurface(QWidget *picture);

    namer::ListStores listStores;
    MessageFunction messageFunction = showMessage;
    // The generator's view of the controls, found once rather than at every click.
    std::unique_ptr<WindowNamingForm> namingForm;
    QCheckBox *oneCharacterBox = nullptr;
    QCheckBox *twoCharactersBox = nullptr;
    QLineEdit *middleBox = nullptr;
};
