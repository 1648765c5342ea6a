// Stand-ins for the sheet window's services: scripted prompts, a fixed printer
// and a clock the test sets.
#pragma once

#include "printer_metrics.h"
#include "prompt.h"
#include "tick_counter.h"

#include <QStringList>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// Answers from a script and records every question asked.
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
    std::vector<TMessage> Questions;
    std::vector<TMessage> Errors;
    std::vector<TInputBox> InputBoxes;
    QStringList Filters;
    QStringList Extensions;
    QStringList InitialPaths;

    TPromptAnswer AskYesNoCancel(const QString& title, const QString& text) override {
        Questions.push_back({title, text});
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return TPromptAnswer::Cancel;
        }
        const TPromptAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    TPromptAnswer AskYesNo(const QString&, const QString& text) override {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return TPromptAnswer::No;
    }
    TPromptAnswer AskOkCancel(const QString&, const QString& text) override {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return TPromptAnswer::Cancel;
    }
    void ShowError(const QString& title, const QString& text) override {
        Errors.push_back({title, text});
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
        text = *entry;
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

private:
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

// 10 printer pixels per millimetre and a printable page of 190 x 277 mm.
class TFakePrinter : public IPrinterMetrics {
public:
    long double PixelsPerInchX() const override { return 254; }
    long double PixelsPerInchY() const override { return 254; }
    long double PageWidthPixels() const override { return 1900; }
    long double PageHeightPixels() const override { return 2770; }
};

// Stands still until the test moves it.
class TFakeTicks : public ITickCounter {
public:
    std::uint32_t Time = 0;
    std::uint32_t Now() override { return Time; }
};
