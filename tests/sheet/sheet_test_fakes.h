// Stand-ins for the sheet window's services: scripted prompts, a fixed printer,
// a clock the test sets, a clipboard and a pointer of its own, and a shape
// editor that hands back a scripted shape.
#pragma once

#include "clipboard.h"
#include "fakes/fake_prompt.h"
#include "fakes/fake_ticks.h"
#include "printer_metrics.h"
#include "screen_cursor.h"
#include "shape_editor.h"

#include <QPoint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// 10 printer pixels per millimetre and a printable page of 190 x 277 mm.
class TFakePrinter : public IPrinterMetrics {
public:
    long double PixelsPerInchX() const override { return 254; }
    long double PixelsPerInchY() const override { return 254; }
    long double PageWidthPixels() const override { return 1900; }
    long double PageHeightPixels() const override { return 2770; }
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
    std::vector<std::string> FlangeNames;  // as handed in for the run
    const IFlangeLookup* Lookup = nullptr; // while a run lasts
    std::function<void()> OnShow;          // what the user does while the editor is shown

    void NewPolygon() override {
        ++NewCount;
        FWorking = TPolygon();
    }
    void SetPolygon(const TPolygon& shape) override {
        Given.push_back(shape);
        FWorking = shape;
    }
    void SetFlangeNames(const std::vector<std::string>& names,
                        const IFlangeLookup* lookup) override {
        FlangeNames = names;
        Lookup = lookup;
    }
    void ShowModal() override {
        if (OnShow)
            OnShow();
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
