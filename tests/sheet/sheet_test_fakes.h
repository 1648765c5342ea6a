// Stand-ins for the sheet window's services: scripted prompts, a printer that
// prints onto images, a clock the test sets, a clipboard and a pointer of its
// own, a shape editor that hands back a scripted shape, and long work that
// the user cancels.
#pragma once

#include "clipboard.h"
#include "fakes/fake_prompt.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"
#include "long_task.h"
#include "printer.h"
#include "screen_cursor.h"
#include "shape_editor.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// 10 printer pixels per millimetre and a printable page of 190 x 277 mm, 10 mm
// in from the top-left corner of a paper 10 mm larger, unless a test changes
// it. Each sheet of a job paints on an image of the printable page, which the
// printer keeps once the job is finished (a job that goes unfinished leaves
// nothing); the setup dialog is a script, and a preview is kept as a job.
class TFakePrinter : public IPrinter {
public:
    struct TPrinted {
        QString Title;
        QString File;
        std::vector<QImage> Sheets;
    };

    long double PageWidth = 1900;
    long double PageHeight = 2770;
    TPrinterDevice Current{0, 0, 100};
    std::vector<TPrinterDevice> DevicesSet;
    std::function<bool()> SetupDialog; // none: cancelled
    int SetupCount = 0;
    bool ToFile = false;
    bool JobsFail = false;
    std::vector<TPrinted> Printed;
    std::vector<TPrinted> Previewed;

    long double PixelsPerInchX() const override { return 254; }
    long double PixelsPerInchY() const override { return 254; }
    long double PageWidthPixels() const override { return PageWidth; }
    long double PageHeightPixels() const override { return PageHeight; }

    TPrinterDevice Device() const override { return Current; }
    TPaperLayout PaperLayout() const override {
        return {PageWidth / 10 + 10, PageHeight / 10 + 10, 10, 10, 0, 0};
    }
    void SetDevice(const TPrinterDevice& device) override {
        DevicesSet.push_back(device);
        Current = device;
    }
    bool Setup(QWidget*) override {
        ++SetupCount;
        return SetupDialog && SetupDialog();
    }
    bool PrintsToFile() const override { return ToFile; }
    std::unique_ptr<IPrintJob> StartJob(const QString& title, const QString& file) override {
        if (JobsFail)
            return nullptr;
        return std::make_unique<TJob>(*this, Printed, TPrinted{title, file, {}});
    }
    void Preview(const QString& title, const std::function<void(IPrintJob&)>& paint) override {
        TJob job(*this, Previewed, TPrinted{title, {}, {}});
        paint(job);
        job.Finish();
    }

private:
    class TJob : public IPrintJob {
    public:
        TJob(const TFakePrinter& printer, std::vector<TPrinted>& into, TPrinted printed)
            : FPrinter(printer), FInto(into), FPrinted(std::move(printed)) {
            NewSheet();
        }
        QPainter& Painter() override { return FPainter; }
        long double DotsPerInch() const override { return 254; }
        bool NewSheet() override {
            EndSheet();
            FImage = QImage(static_cast<int>(FPrinter.PageWidth),
                            static_cast<int>(FPrinter.PageHeight), QImage::Format_RGB32);
            FImage.fill(Qt::white);
            // 254 pixels per inch, so that fonts have their size on paper.
            FImage.setDotsPerMeterX(10000);
            FImage.setDotsPerMeterY(10000);
            return FPainter.begin(&FImage);
        }
        bool Finish() override {
            EndSheet();
            FInto.push_back(FPrinted);
            return true;
        }

    private:
        void EndSheet() {
            if (!FPainter.isActive())
                return;
            FPainter.end();
            FPrinted.Sheets.push_back(FImage);
        }

        const TFakePrinter& FPrinter;
        std::vector<TPrinted>& FInto;
        TPrinted FPrinted;
        QImage FImage;
        QPainter FPainter;
    };
};

// Runs the work where it is asked, answering the progress reports as the
// user would: the report numbered CancelAt (from 1) cancels.
class TCancelAtReportLongTask : public ILongTask {
public:
    int CancelAt = 1;
    int Reports = 0;
    TLongTaskEnd Run(const QString&, const TLongWork& work) override {
        bool cancelled = false;
        const bool finished = work([&](double) {
            cancelled = cancelled || ++Reports >= CancelAt;
            return !cancelled;
        });
        if (cancelled)
            return TLongTaskEnd::Cancelled;
        return finished ? TLongTaskEnd::Finished : TLongTaskEnd::Failed;
    }
};

// Holds its text in memory; with NoAnswer it stands for a holder of the
// clipboard that does not answer.
class TFakeClipboard : public IClipboard {
public:
    QString Content;
    bool NoAnswer = false;
    QString Text() const override { return NoAnswer ? QString() : Content; }
    void SetText(const QString& text) override { Content = text; }
    TClipboardRead ReadText(QString& text) const override {
        text = Text();
        return NoAnswer ? TClipboardRead::NoAnswer : TClipboardRead::Answered;
    }
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
    TFlange DefaultFlange() const override { return Default; }

    // The editor's first-run defaults: 3 mm, 45 degrees.
    TFlange Default = MakeFlange("", 3, Pi / 4, Pi / 4);

private:
    TPolygon FWorking;
};
