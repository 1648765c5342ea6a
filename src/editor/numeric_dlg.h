// What the shape editor's four numeric dialogs share: a fixed-size modal box
// with number fields, OK and "キャンセル", and the focus on the first field with
// its whole text selected each time it is shown. Numbers are shown with "%.2f"
// and read back with "." as the decimal mark whatever the locale; a text that
// is not a number reads as 0. Nothing is validated.
#pragma once

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QVBoxLayout;

class TNumericDlg : public QDialog {
    Q_OBJECT

protected:
    // Without a parent the box is centred on the screen.
    explicit TNumericDlg(const QString& caption, QWidget* parent = nullptr);

    // A field in the next row, with its label before it and its unit after it;
    // either may be empty. The first field added is the one focused.
    QLineEdit* AddField(const char* name, const QString& label, const QString& unit);
    // A widget in a row of its own below the fields.
    void AddRow(QWidget* widget);

    static void ShowNumber(QLineEdit& field, long double value);
    static long double NumberIn(const QLineEdit& field);

    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* FLayout = nullptr;
    QGridLayout* FFields = nullptr;
    QLineEdit* FFirstField = nullptr;
};
