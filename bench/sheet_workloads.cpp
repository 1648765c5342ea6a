// The tab strip and the flange check window on large drawings. Both sides
// paint into windows of the offscreen platform, so that what they paint and
// lay out counts as it does on a screen.
#include "sheet_workloads.h"

#include "document/flange_partner_index.h"
#include "document/sheet_document.h"
#include "drawing/page_repaint.h"
#include "drawing/view_scale.h"
#include "flange_check_dlg.h"
#include "geometry/angles.h"
#include "history/tick_counter.h"
#include "irregular_page.h"
#include "page_surface.h"
#include "page_tabs.h"
#include "qpainter_canvas.h"
#include "today_drag.h"
#include "today_flange_check_model.h"
#include "today_page_tabs.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

#include <random>
#include <string>

namespace {

constexpr int StripHeight = 800;
constexpr int ViewWidth = 1600;
constexpr int ViewHeight = 1200;
constexpr int ShapesPerPage = 20;

class TStillTicks : public ITickCounter {
public:
    std::uint32_t Now() override { return 0; }
};

// A clock a user's commands are a second apart on, so that each is a step of
// its own in the history; on a still clock every command would join one step
// and each undo would take back all of them.
class TUserTicks : public ITickCounter {
public:
    std::uint32_t Now() override { return FNow; }
    void NextCommand() { FNow += 1000; }

private:
    std::uint32_t FNow = 0;
};

void Settle() {
    QCoreApplication::processEvents();
}

// The strip as the window's layout gives it room: the width it asks for.
template <class TStrip> QImage PaintStrip(TStrip& strip) {
    strip.resize(strip.sizeHint().width(), StripHeight);
    return strip.grab().toImage();
}

// What both strips show: the production strip's width of each.
bool SameStrips(const QImage& today, const QImage& now) {
    const QRect shown(0, 0, std::min(today.width(), now.width()), now.height());
    return today.copy(shown) == now.copy(shown);
}

void Click(QWidget& strip, const QRect& tab) {
    QMouseEvent press(QEvent::MouseButtonPress, tab.center(), strip.mapToGlobal(tab.center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&strip, &press);
}

// Page 1 in the view, as the first paint after an open shows it.
QImage PaintPage(const TPolygonTbl& page, const auto& paint) {
    const long double scale = TViewScale().ScreenScale();
    QImage image(ViewWidth, ViewHeight, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    TQPainterCanvas canvas(painter);
    const TPixelRect surface{0, 0, ViewWidth - 1, ViewHeight - 1};
    paint(canvas, page, scale, surface);
    return image;
}

} // namespace

TPageTabRuns RunPageTabs(int pages, int repeats, bool baseline, bool production) {
    const TPolygonTbl shapes = IrregularPage(ShapesPerPage, 41).Shapes;
    const TZvDat drawing(pages, shapes);
    TStillTicks ticks;
    TSheetDocument document(ticks);
    today::TPageIndex todayIndex;
    today::TPageTabs oldStrip;
    TPageTabs newStrip;
    oldStrip.addTab(QStringLiteral("1"));
    newStrip.SetNumberedTabs(1);
    oldStrip.show();
    newStrip.show();
    Settle();
    TPageTabRuns runs;
    std::mt19937 random(5);
    for (int i = 0; i < repeats; ++i) {
        QImage oldTabs, newTabs, oldPage, newPage;
        if (baseline) {
            TZvDat copy = drawing;
            const TStopwatch watch;
            document.SetDrawing(std::move(copy));
            while (oldStrip.count() < pages)
                oldStrip.addTab(QString::number(oldStrip.count() + 1));
            oldStrip.setCurrentIndex(0);
            oldTabs = PaintStrip(oldStrip);
            oldPage =
                PaintPage(document.Drawing()[0], [&](ICanvas& canvas, const TPolygonTbl& page,
                                                     long double scale, const TPixelRect& surface) {
                    todayIndex.Sync(page);
                    today::PaintPageArea(canvas, page, todayIndex, {}, dmSelected, scale, surface,
                                         surface);
                });
            runs.Open.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            TZvDat copy = drawing;
            const TStopwatch watch;
            document.SetDrawing(std::move(copy));
            newStrip.SetNumberedTabs(pages);
            newStrip.setCurrentIndex(0);
            newTabs = PaintStrip(newStrip);
            newPage =
                PaintPage(document.Drawing()[0], [&](ICanvas& canvas, const TPolygonTbl& page,
                                                     long double scale, const TPixelRect& surface) {
                    PaintPageArea(canvas, page, document.PageIndex(), {}, dmSelected, scale,
                                  surface, surface);
                });
            runs.Open.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            runs.Open.Identical =
                runs.Open.Identical && SameStrips(oldTabs, newTabs) && oldPage == newPage;

        // Clicks on tabs both strips show, each followed by the strip's paint.
        for (int click = 0; click < 10; ++click) {
            const int visible =
                std::min(newStrip.count(), 3 * (StripHeight / newStrip.tabRect(0).height()));
            const int index = static_cast<int>(random() % static_cast<unsigned>(visible));
            if (baseline) {
                const TStopwatch watch;
                Click(oldStrip, oldStrip.tabRect(index));
                document.ChangePage(oldStrip.currentIndex());
                Settle();
                runs.Click.Baseline.Add(watch.Milliseconds());
            }
            if (production) {
                const TStopwatch watch;
                Click(newStrip, newStrip.tabRect(index));
                document.ChangePage(newStrip.currentIndex());
                Settle();
                runs.Click.Production.Add(watch.Milliseconds());
            }
            if (baseline && production)
                runs.Click.Identical =
                    runs.Click.Identical && oldStrip.currentIndex() == newStrip.currentIndex() &&
                    SameStrips(oldStrip.grab().toImage(), newStrip.grab().toImage());
        }

        if (baseline) {
            const TStopwatch watch;
            document.Reset();
            while (oldStrip.count() > 1)
                oldStrip.removeTab(oldStrip.count() - 1);
            oldStrip.setCurrentIndex(0);
            oldTabs = PaintStrip(oldStrip);
            runs.New.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            const TStopwatch watch;
            document.Reset();
            newStrip.SetNumberedTabs(1);
            newStrip.setCurrentIndex(0);
            newTabs = PaintStrip(newStrip);
            runs.New.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            runs.New.Identical = runs.New.Identical && SameStrips(oldTabs, newTabs);
        Settle();
    }
    return runs;
}

namespace {

constexpr int ModelPages = 100;
constexpr int ModelShapesPerPage = 200;

std::string NameOf(const char* kind, int number) {
    std::string name(kind);
    name += std::to_string(number);
    return name;
}

// The flange check benchmark's model with its bottom sides named too: every
// side carries a mark, most of them glued to a side of the same or the
// facing page, one shape in a hundred with a mark whose partner is missing.
TZvDat NamedModel() {
    TZvDat drawing(ModelPages);
    const long double angle = Pi / 4;
    for (int page = 0; page < ModelPages; ++page) {
        for (int column = 0; column < ModelShapesPerPage; ++column) {
            const int k = page * ModelShapesPerPage + column;
            const long double x = 10 + (column % 10) * 18;
            const long double y = 10 + (column / 10) * 13;
            TPolygon shape;
            shape.Apexes = {PointF(x, y),           PointF(x + 10, y), PointF(x + 14, y + 5),
                            PointF(x + 10, y + 10), PointF(x, y + 10), PointF(x - 4, y + 5)};
            const int partner = page % 2 == 0 ? k + ModelShapesPerPage : k - ModelShapesPerPage;
            const int next = page * ModelShapesPerPage + (column + 1) % ModelShapesPerPage;
            const int previous =
                page * ModelShapesPerPage + (column + ModelShapesPerPage - 1) % ModelShapesPerPage;
            shape.Flanges = {
                MakeFlange(NameOf("T", std::min(k, partner)), 3, angle, angle),
                MakeFlange(NameOf("R", k), 3, angle, angle),
                MakeFlange(NameOf("S", next), 3, angle, angle),
                MakeFlange(NameOf("U", std::min(k, partner)), 0, angle, angle),
                MakeFlange(k % 100 == 0 ? NameOf("X", k) : NameOf("S", k), 3, angle, angle),
                MakeFlange(NameOf("R", previous), 3, angle, angle),
            };
            drawing[page].push_back(std::move(shape));
        }
    }
    return drawing;
}

// Today's window: the whole check, the table reset, the row kept selected
// and the columns fitted, as its refresh did.
struct TTodayWindow {
    today::TFlangeCheckModel Model;
    QTableView View;
    QString Summary;

    TTodayWindow() {
        View.setModel(&Model);
        View.setSelectionBehavior(QAbstractItemView::SelectRows);
        View.setWordWrap(false);
        View.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        View.horizontalHeader()->setStretchLastSection(true);
        View.resize(640, 320);
        View.show();
    }
    void Refresh(const TZvDat& drawing) {
        const int current = View.currentIndex().row();
        Model.SetReport(CheckFlangePartners(drawing));
        if (current >= 0 && Model.rowCount() > 0)
            View.selectRow(std::min(current, Model.rowCount() - 1));
        for (int column = 0; column < today::TFlangeCheckModel::ColFindings; ++column)
            View.resizeColumnToContents(column);
        Summary = Model.SummaryText();
    }
};

bool SameTables(const QAbstractItemModel& a, const QAbstractItemModel& b) {
    if (a.rowCount() != b.rowCount() || a.columnCount() != b.columnCount())
        return false;
    for (int row = 0; row < a.rowCount(); ++row)
        for (int column = 0; column < a.columnCount(); ++column)
            if (a.index(row, column).data() != b.index(row, column).data())
                return false;
    return true;
}

} // namespace

// The commands: a shape dragged a little and let go, then undone and redone,
// each on another shape of another page.
TFlangeCheckRuns RunFlangeCheck(int steps, bool baseline, bool production) {
    TUserTicks ticks;
    TSheetDocument document(ticks);
    document.SetDrawing(NamedModel());
    TFlangeCheckRuns runs;
    TTodayWindow old;
    TFlangeCheckDlg now(document);
    if (baseline)
        old.Refresh(document.Drawing());
    if (production)
        now.show();
    Settle();
    const auto* grid = now.findChild<QTableView*>(QStringLiteral("PartnerGrid"));
    const auto* summary = now.findChild<QLabel*>(QStringLiteral("SummaryLabel"));
    const auto compare = [&](TTimedRun& run, bool texts) {
        if (baseline && production)
            run.Identical = run.Identical && summary->text() == old.Summary &&
                            (!texts || SameTables(old.Model, *grid->model()));
    };
    compare(runs.Step, true);
    std::mt19937 random(3);
    const TPlacementRules free;
    for (int step = 0; step < steps; ++step) {
        ticks.NextCommand();
        switch (step % 3) {
        case 0: {
            document.ChangePage(static_cast<int>(random() % ModelPages));
            document.SelectOnly(static_cast<int>(random() % ModelShapesPerPage));
            document.BeginDrag();
            const TPointF from =
                document.Drawing()[document.CurPage()][document.CurrentPolygonIndex()].Apexes[0];
            document.MoveSelection(from, PointF(from.X + 0.37L, from.Y + 0.11L), free, TGrip());
            document.EndDrag();
            break;
        }
        case 1:
            document.UndoStep();
            break;
        default:
            document.RedoStep();
            break;
        }
        if (baseline) {
            const TStopwatch watch;
            old.Refresh(document.Drawing());
            Settle();
            runs.Step.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            const TStopwatch watch;
            now.DrawingChanged();
            Settle();
            runs.Step.Production.Add(watch.Milliseconds());
        }
        compare(runs.Step, step == steps / 2 || step == steps - 1);
    }
    // One check rebuilt again and again, as the window's is; the entries it
    // gives up go when the view has taken the new ones, outside the timing.
    TFlangePartnerIndex check;
    for (int repeat = 0; repeat < 100; ++repeat) {
        TFlangePartnerReport report;
        if (baseline) {
            const TStopwatch watch;
            report = CheckFlangePartners(document.Drawing());
            runs.Full.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            const TStopwatch watch;
            check.Rebuild(document.Drawing());
            runs.Full.Production.Add(watch.Milliseconds());
        }
        if (baseline && production && repeat == 0) {
            const TFlangePartnerReport rebuilt = check.Report();
            runs.Full.Identical = rebuilt.UnnamedFlanges == report.UnnamedFlanges &&
                                  rebuilt.Names.size() == report.Names.size();
            for (std::size_t k = 0; runs.Full.Identical && k < report.Names.size(); ++k)
                runs.Full.Identical = rebuilt.Names[k].Name == report.Names[k].Name &&
                                      rebuilt.Names[k].Sides == report.Names[k].Sides &&
                                      rebuilt.Names[k].Findings == report.Names[k].Findings;
        }
        check.TakeRetired();
    }
    return runs;
}
