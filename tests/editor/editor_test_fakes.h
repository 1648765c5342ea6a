// Stand-ins for the shape editor's services: an input box answered from a
// script, a clock the test sets, and a fixed page.
#pragma once

#include "mk_polygon_fm.h"
#include "prompt.h"
#include "tick_counter.h"

#include <QStringList>
#include <deque>
#include <gtest/gtest.h>
#include <optional>

// Answers input boxes from a script; any other question fails the test.
class TFakePrompt : public IPrompt {
public:
    std::deque<std::optional<QString>> Entries; // typed into input boxes; nullopt cancels
    QStringList OfferedTexts;

    TPromptAnswer AskYesNoCancel(const QString&, const QString& text) override {
        return Unexpected(text);
    }
    TPromptAnswer AskYesNo(const QString&, const QString& text) override {
        return Unexpected(text);
    }
    TPromptAnswer AskOkCancel(const QString&, const QString& text) override {
        return Unexpected(text);
    }
    void ShowError(const QString&, const QString& text) override { Unexpected(text); }
    bool InputText(const QString&, const QString& prompt, QString& text) override {
        OfferedTexts << text;
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
    QString OpenFileName(const QString&, const QString&) override {
        Unexpected(QStringLiteral("file dialog"));
        return {};
    }
    QString SaveFileName(const QString&, const QString&, const QString&) override {
        Unexpected(QStringLiteral("file dialog"));
        return {};
    }

private:
    static TPromptAnswer Unexpected(const QString& text) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return TPromptAnswer::Cancel;
    }
};

// Stands still until the test moves it.
class TFakeTicks : public ITickCounter {
public:
    std::uint32_t Time = 0;
    std::uint32_t Now() override { return Time; }
};

// The drawing area of the page every test shows: 190 x 277 mm.
inline TPageArea TestPageArea() {
    return TPageArea{190, 277};
}
