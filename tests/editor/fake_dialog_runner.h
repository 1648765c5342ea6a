// A dialog runner for tests: each dialog shown takes the next scripted answer,
// which may type into its fields as a user would before pressing OK or
// Cancel. A dialog the script has no answer for fails the test.
#pragma once

#include "dialog_runner.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

class TFakeDialogRunner : public IDialogRunner {
public:
    // Works the dialog while it is shown; true answers OK.
    using TAnswer = std::function<bool(QDialog&)>;

    std::deque<TAnswer> Answers;
    QStringList Captions;           // of the dialogs shown, in order
    std::vector<QStringList> Shown; // per dialog shown, its fields' texts in name order

    // The dialog is shown (not modally) while its answer works it, so that it
    // sets its focus and selection as it does for a user.
    bool Run(QDialog& dialog) override {
        Captions << dialog.windowTitle();
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
            return false;
        }
        const TAnswer answer = std::move(Answers.front());
        Answers.pop_front();
        dialog.show();
        QStringList texts;
        for (const QString& name : FieldNames(dialog))
            texts << dialog.findChild<QLineEdit*>(name)->text();
        Shown.push_back(texts);
        const bool ok = answer(dialog);
        dialog.hide();
        return ok;
    }

private:
    static QStringList FieldNames(const QDialog& dialog) {
        QStringList names;
        for (const QLineEdit* field : dialog.findChildren<QLineEdit*>())
            names << field->objectName();
        names.sort();
        return names;
    }
};

inline QLineEdit* FieldOf(QDialog& dialog, const char* name) {
    QLineEdit* field = dialog.findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

// Types text into the field as keys. Edit1, the first field, is typed into as
// the dialog leaves it: it must come with its whole text selected for the
// typing to replace it. A later field is reached with Tab, which selects its
// text.
inline void TypeInto(QDialog& dialog, const char* name, const QString& text) {
    QLineEdit* field = FieldOf(dialog, name);
    if (field == nullptr)
        return;
    if (QLatin1String(name) != QLatin1String("Edit1"))
        field->selectAll();
    QTest::keyClicks(field, text);
}

inline TFakeDialogRunner::TAnswer Accept() {
    return [](QDialog&) { return true; };
}

inline TFakeDialogRunner::TAnswer Cancel() {
    return [](QDialog&) { return false; };
}

// Types into the fields in order, then presses OK.
inline TFakeDialogRunner::TAnswer
TypeAndAccept(std::vector<std::pair<const char*, QString>> entries) {
    return [entries = std::move(entries)](QDialog& dialog) {
        for (const auto& [name, text] : entries)
            TypeInto(dialog, name, text);
        return true;
    };
}

// Sets the dialog's check box, then types and presses OK.
inline TFakeDialogRunner::TAnswer
CheckAndAccept(bool checked, std::vector<std::pair<const char*, QString>> entries = {}) {
    return [checked, typing = TypeAndAccept(std::move(entries))](QDialog& dialog) {
        QCheckBox* box = dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
        EXPECT_NE(box, nullptr);
        if (box != nullptr)
            box->setChecked(checked);
        return typing(dialog);
    };
}
