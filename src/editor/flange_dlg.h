// The glue flange dialog: width, two angles and the name of one side's flange,
// or width and angles for all sides at once. It offers the names used in the
// drawing and, when one is picked, can take the parameters of the flange that
// already carries it and the length of that flange's side.
#pragma once

#include "geometry/polygon.h"
#include "shape_editor.h"

#include <QDialog>

#include <string>
#include <vector>

class IPrompt;
class QComboBox;
class QLineEdit;
class QPushButton;

class TFlangeDlg : public QDialog {
    Q_OBJECT

public:
    explicit TFlangeDlg(IPrompt& prompt, QWidget* parent = nullptr);

    // The names offered, Shift-JIS bytes, each once, in the order given: the
    // open joint marks, which wait for a partner, come first.
    void SetNames(const std::vector<std::string>& names);
    void SetLookup(const IFlangeLookup* lookup) { FLookup = lookup; }
    // One side: "糊代設定（１辺）" with its name; all sides: "糊代設定（一括）"
    // without one.
    void SetOneSide(bool oneSide);

    void LoadFlange(const TFlange& flange);
    // The flange as the fields give it, once OK has accepted them.
    TFlange ReadFlange() const;
    // Set when the user chose to take the length of the named flange's side.
    bool LengthMatch() const { return FLengthMatch; }
    long double FoundSideLength() const { return FFoundSideLength; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    IPrompt& Prompt;
    const IFlangeLookup* FLookup = nullptr;
    bool FLengthMatch = false;
    long double FFoundSideLength = 0;

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QComboBox* FlangeName = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void createControls();
    void OkBtnClick();
    void Button1Click();
    void FlangeNameClick(int index);
    void Refuse(QLineEdit* field, const QString& text);
};
