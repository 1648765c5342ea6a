// The parts the sheet's dialogs are built from: a fixed frame with a title and
// a close button, OK and Cancel buttons, and rows of captioned fields.
#pragma once

#include <QString>

#include <utility>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

// The dialog's object name and caption, and a frame that cannot be resized.
void SetFixedDialogFrame(QDialog& dialog, const char* name, const QString& caption);

// OK, the default button, named OKBtn, and Cancel, named CancelBtn.
QDialogButtonBox* OkCancelButtons(QPushButton*& ok, QPushButton*& cancel);

// One row of grid a field: its caption as a label that hands the field the
// focus, the field, and unit after it when there is one.
void AddFieldRows(QGridLayout& grid, const std::vector<std::pair<QString, QLineEdit*>>& rows,
                  const QString& unit = {});
