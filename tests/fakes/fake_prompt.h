// A prompt for tests that answers from a script and records what it was asked.
#pragma once

#include "prompt.h"

#include <QFont>
#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// Questions, file dialogs, input boxes and font dialogs take the next scripted
// answer; one the script has none for fails the test. Error, warning and
// information boxes are only recorded.
class TFakePrompt : public IPrompt {
public:
    struct TMessage {
        QString Title;
        QString Text;
    };
    struct TInputBox {
        QString Caption;
        QString Prompt;
        QString OfferedText;
    };

    std::deque<TPromptAnswer> Answers;
    std::deque<QString> FileNames;              // "" answers Cancel
    std::deque<std::optional<QString>> Entries; // typed into input boxes; nullopt answers Cancel
    std::deque<std::optional<QFont>> Fonts;     // chosen in font dialogs; nullopt answers Cancel
    std::vector<TMessage> Questions;
    std::function<void()> WhileAsking; // what goes on while a question waits for its answer
    std::vector<TMessage> Errors;
    std::vector<TMessage> Warnings;
    std::vector<TMessage> Informations;
    QStringList ReplaceQuestions; // the files whose replacement was asked about
    std::vector<TInputBox> InputBoxes;
    std::vector<QFont> FontsShown;
    QStringList Filters;
    QStringList Extensions;
    QStringList InitialPaths;

    TPromptAnswer AskYesNoCancel(const QString& title, const QString& text) override {
        return NextAnswer(title, text, TPromptAnswer::Cancel);
    }
    TPromptAnswer AskYesNo(const QString& title, const QString& text) override {
        return NextAnswer(title, text, TPromptAnswer::No);
    }
    TPromptAnswer AskOkCancel(const QString& title, const QString& text) override {
        return NextAnswer(title, text, TPromptAnswer::Cancel);
    }
    void ShowError(const QString& title, const QString& text) override {
        Errors.push_back({title, text});
    }
    void ShowWarning(const QString& title, const QString& text) override {
        Warnings.push_back({title, text});
    }
    void ShowInformation(const QString& title, const QString& text) override {
        Informations.push_back({title, text});
    }
    bool AskReplaceFile(const QString& path) override {
        ReplaceQuestions << path;
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected replace question: " << path.toStdString();
            return false;
        }
        const TPromptAnswer answer = Answers.front();
        Answers.pop_front();
        return answer == TPromptAnswer::Yes;
    }
    bool InputText(const QString& caption, const QString& prompt, QString& text) override {
        InputBoxes.push_back({caption, prompt, text});
        if (Entries.empty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
            return false;
        }
        const std::optional<QString> entry = Entries.front();
        Entries.pop_front();
        if (!entry)
            return false;
        text = entry->left(InputBoxMaxLength); // as the box's field takes it
        return true;
    }
    QString OpenFileName(const QString& filter, const QString& extension) override {
        Filters << filter;
        Extensions << extension;
        return NextFileName();
    }
    QString SaveFileName(const QString& filter, const QString& extension,
                         const QString& initialPath) override {
        Filters << filter;
        Extensions << extension;
        InitialPaths << initialPath;
        return NextFileName();
    }

    bool ChooseFont(QFont& font) override {
        FontsShown.push_back(font);
        if (Fonts.empty()) {
            ADD_FAILURE() << "unexpected font dialog";
            return false;
        }
        const std::optional<QFont> chosen = Fonts.front();
        Fonts.pop_front();
        if (!chosen)
            return false;
        font = *chosen;
        return true;
    }

private:
    // A question the script has no answer for fails the test and is closed.
    TPromptAnswer NextAnswer(const QString& title, const QString& text, TPromptAnswer closed) {
        Questions.push_back({title, text});
        if (WhileAsking)
            WhileAsking();
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return closed;
        }
        const TPromptAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    QString NextFileName() {
        if (FileNames.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return {};
        }
        const QString name = FileNames.front();
        FileNames.pop_front();
        return name;
    }
};
