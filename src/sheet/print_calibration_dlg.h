// The printer calibration dialog "印刷の校正": prints the calibration page and
// takes the lengths the user measured on it, which give the correction
// factors of every print.
#pragma once

#include "drawing/print_calibration.h"

#include <QDialog>

#include <functional>

class IPrompt;
class QLabel;
class QLineEdit;
class QPushButton;

// What the sheet window asks of the calibration dialog; sheet tests stand in for it.
class IPrintCalibrationDialog {
public:
    virtual ~IPrintCalibrationDialog() = default;
    // Shows the dialog for the factors scale; its "校正ページを印刷" runs
    // printPage. True when it is closed with OK, scale then holding the
    // factors the measured lengths give.
    virtual bool Calibrate(TPrintScale& scale, const std::function<void()>& printPage) = 0;
};

class TPrintCalibrationDlg : public QDialog, public IPrintCalibrationDialog {
    Q_OBJECT

public:
    // Lengths that give no accepted factor are refused with a message through prompt.
    explicit TPrintCalibrationDlg(IPrompt& prompt, QWidget* parent = nullptr);

    bool Calibrate(TPrintScale& scale, const std::function<void()>& printPage) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void OKBtnClick();
    // The factor from the length in field, or false after telling the user
    // which lengths the ruler accepts.
    bool ReadFactor(QLineEdit* field, const QString& ruler, long double current,
                    long double nominal, long double& factor);

    IPrompt& Prompt;
    TPrintScale FScale;
    std::function<void()> FPrintPage;

    QLabel* CurrentLbl = nullptr;
    QLineEdit* MeasuredXEd = nullptr;
    QLineEdit* MeasuredYEd = nullptr;
    QPushButton* PrintPageBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
