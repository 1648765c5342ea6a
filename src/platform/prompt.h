// The modal questions, messages, input boxes, file and font dialogs the
// windows ask, behind one interface so that tests answer them without a person.
#pragma once

#include "ui_text.h"

#include <QString>

class QFont;

enum class TPromptAnswer { Yes, No, Cancel, Ok };

// The titles of the message boxes: information and questions, errors and
// warnings, in the interface language.
inline QString InfoTitle() {
    return UiText("IPrompt", "情報");
}
inline QString ErrorTitle() {
    return UiText("IPrompt", "エラー");
}
inline QString WarningTitle() {
    return UiText("IPrompt", "警告");
}

// An input box's text is never longer than this.
inline constexpr int InputBoxMaxLength = 255;

class IPrompt {
public:
    virtual ~IPrompt() = default;

    // Information box with Yes, No and Cancel ("はい(&Y)", "いいえ(&N)",
    // "キャンセル"); Yes is the default, Esc or closing answers Cancel.
    virtual TPromptAnswer AskYesNoCancel(const QString& title, const QString& text) = 0;
    // Information box with Yes and No; closing answers No.
    virtual TPromptAnswer AskYesNo(const QString& title, const QString& text) = 0;
    // Information box with OK and Cancel.
    virtual TPromptAnswer AskOkCancel(const QString& title, const QString& text) = 0;
    // Error box with OK.
    virtual void ShowError(const QString& title, const QString& text) = 0;
    // Warning box with OK.
    virtual void ShowWarning(const QString& title, const QString& text) = 0;
    // Information box with OK: what a long command did.
    virtual void ShowInformation(const QString& title, const QString& text) = 0;
    // The save dialog's own question whether the existing file at path is to
    // be replaced, with Yes and No; No is the default, closing answers No.
    // True for Yes.
    virtual bool AskReplaceFile(const QString& path) = 0;

    // Text input box taking at most InputBoxMaxLength characters; false when
    // cancelled (text is then left unchanged).
    virtual bool InputText(const QString& caption, const QString& prompt, QString& text) = 0;

    // File dialogs with a filter ("name (*.ext)|*.ext|...") and a default
    // extension added to a typed name without one. Empty when cancelled. In a
    // save dialog, choosing a type of one extension adds that one instead.
    virtual QString OpenFileName(const QString& filter, const QString& defaultExtension) = 0;
    virtual QString SaveFileName(const QString& filter, const QString& defaultExtension,
                                 const QString& initialPath) = 0;

    // Font dialog showing font; false when cancelled (font is then left unchanged).
    virtual bool ChooseFont(QFont& font) = 0;
};
