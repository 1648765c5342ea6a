// The frame, buttons and field rows the sheet's dialogs share.
#include "dialog_parts.h"

#include "ui_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void SetFixedDialogFrame(QDialog& dialog, const char* name, const QString& caption) {
    dialog.setObjectName(QLatin1String(name));
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

QDialogButtonBox* OkCancelButtons(QPushButton*& ok, QPushButton*& cancel) {
    auto* buttons = new QDialogButtonBox;
    ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    cancel = buttons->addButton(UiText("TDialogParts", "キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    return buttons;
}

void AddFieldRows(QGridLayout& grid, const std::vector<std::pair<QString, QLineEdit*>>& rows,
                  const QString& unit) {
    int row = 0;
    for (const auto& [caption, field] : rows) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        grid.addWidget(label, row, 0);
        grid.addWidget(field, row, 1);
        if (!unit.isEmpty())
            grid.addWidget(new QLabel(unit), row, 2);
        ++row;
    }
}
