// Stand-ins for the sheet window's services: scripted prompts, a fixed printer,
// a clock the test sets, a clipboard and a pointer of its own, and a shape
// editor that hands back a scripted shape.
#pragma once

#include "clipboard.h"
#include "printer_metrics.h"
#include "prompt.h"
#include "screen_cursor.h"
#include "shape_editor.h"
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

// Holds its text in memory.
class TFakeClipboard : public IClipboard {
public:
    QString Content;
    QString Text() const override { return Content; }
    void SetText(const QString& text) override { Content = text; }
};

// Stays where the test puts it and records where the program sends it.
class TFakeCursor : public IScreenCursor {
public:
    QPoint Position;
    std::vector<QPoint> SentTo;
    QPoint Pos() const override { return Position; }
    void SetPos(const QPoint& global) override {
        SentTo.push_back(global);
        Position = global;
    }
};

// An editing run that ends with the shape the test scripted, or with the
// shape it was given when none is scripted.
class TFakeShapeEditor : public IShapeEditor {
public:
    std::optional<TPolygon> Result; // the working shape when the editor closes
    std::vector<TPolygon> Given;    // shapes handed to SetPolygon
    int NewCount = 0;
    int ShowCount = 0;

    void NewPolygon() override {
        ++NewCount;
        FWorking = TPolygon();
    }
    void SetPolygon(const TPolygon& shape) override {
        Given.push_back(shape);
        FWorking = shape;
    }
    void ShowModal() override {
        ++ShowCount;
        if (Result)
            FWorking = *Result;
    }
    int ApexCount() const override { return static_cast<int>(FWorking.Apexes.size()); }
    bool GetPolygon(TPolygon& shape) const override {
        if (FWorking.Apexes.size() < 3)
            return false;
        shape = FWorking;
        return true;
    }

private:
    TPolygon FWorking;
};
