// The layout dialog "自動配置": which shapes are laid out (the selected ones,
// the current page or every page), the gap between them, the turns allowed
// and whether a piece may be mirrored.
#pragma once

#include "document/layout_job.h"

#include <QDialog>

class IPrompt;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the sheet window asks of the layout dialog; sheet tests stand in for it.
class ILayoutDialog {
public:
    virtual ~ILayoutDialog() = default;
    // Shows the dialog with settings, offering the selected shapes only when
    // hasSelection; true when it is closed with OK, settings then holding the
    // user's choice.
    virtual bool ChooseLayout(TLayoutSettings& settings, bool hasSelection) = 0;
};

class TLayoutDlg : public QDialog, public ILayoutDialog {
    Q_OBJECT

public:
    // A gap out of range is refused with a message through prompt.
    explicit TLayoutDlg(IPrompt& prompt, QWidget* parent = nullptr);

    bool ChooseLayout(TLayoutSettings& settings, bool hasSelection) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void OKBtnClick();

    IPrompt& Prompt;
    long double FGap = 1;

    QRadioButton* SelectionRb = nullptr;
    QRadioButton* CurrentPageRb = nullptr;
    QRadioButton* AllPagesRb = nullptr;
    QLineEdit* GapEd = nullptr;
    QComboBox* RotationsCb = nullptr;
    QCheckBox* MirrorChk = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
