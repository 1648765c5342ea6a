// The dialog "3Dモデルの読み込み": how large the model comes in (its largest
// dimension in mm), the width and the two angles of its tabs, and the angle
// below which neighbouring faces count as one flat face.
#pragma once

#include "document/unfolded_pages.h"

#include <QDialog>

class IPrompt;
class QLabel;
class QLineEdit;
class QPushButton;

// What the sheet's import asks of the dialog; sheet tests stand in for it.
class IMeshImportDialog {
public:
    virtual ~IMeshImportDialog() = default;
    // Shows the values of options (lengths in mm, angles in radians) for the
    // model file fileName, whose largest dimension is fileSize of its own
    // units. True when it is closed with OK, options then holding the values
    // entered, each in the range IsValidImport takes.
    virtual bool AskOptions(const QString& fileName, long double fileSize,
                            TMeshImportOptions& options) = 0;
};

class TMeshImportDlg : public QDialog, public IMeshImportDialog {
    Q_OBJECT

public:
    // Values out of range are refused with a message through prompt.
    explicit TMeshImportDlg(IPrompt& prompt, QWidget* parent = nullptr);

    bool AskOptions(const QString& fileName, long double fileSize,
                    TMeshImportOptions& options) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void OKBtnClick();
    // The value of field, from low (included or not) to high, or false after
    // telling the user the range of the value caption names.
    bool ReadField(QLineEdit* field, const QString& caption, long double low, bool lowIncluded,
                   long double high, const QString& range, long double& value);

    IPrompt& Prompt;
    TMeshImportOptions FOptions;

    QLabel* FileLbl = nullptr;
    QLineEdit* SizeEd = nullptr;
    QLineEdit* TabWidthEd = nullptr;
    QLineEdit* TabAngle1Ed = nullptr;
    QLineEdit* TabAngle2Ed = nullptr;
    QLineEdit* FlatAngleEd = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
