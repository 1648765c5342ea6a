// The about box "ﾊﾞｰｼﾞｮﾝ情報": the product name, the version and the legal
// notice in a lowered panel above the OK button, the box as wide as the
// product name needs.
#pragma once

#include <QDialog>

class TVersion;
class QFont;
class QFrame;
class QLabel;
class QPushButton;

// The width a label needs for text in font: its width and, when its last
// character overhangs to the right, that overhang (see LabelWidth).
int LabelWidthIn(const QFont& font, const QString& text);

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(const TVersion& version, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void SetTexts(const TVersion& version);
    void ApplyLayout();

    QFrame* Panel1 = nullptr;
    QLabel* ProductNameLbl = nullptr;
    QLabel* VersionLbl = nullptr;
    QLabel* CopyrightLbl = nullptr;
    QPushButton* OKButton = nullptr;
};
