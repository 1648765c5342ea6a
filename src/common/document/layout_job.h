// A layout of shapes onto pages as the sheet asks for it: which shapes, onto
// which pages of the drawing, around which shapes that stay. A job is made
// from the drawing, run apart from the document (a window runs it on a worker
// thread) and then applied to the document as one step of its history
// (TSheetDocument::ApplyLayout).
#pragma once

#include "geometry/polygon.h"
#include "placement/layout_engine.h"

#include <vector>

// Which shapes a layout takes.
enum class TLayoutScope {
    Selection,   // the selected shapes of the current page
    CurrentPage, // every shape of the current page
    AllPages,    // every shape of the drawing
};

// What the layout dialog asks.
struct TLayoutSettings {
    TLayoutScope Scope = TLayoutScope::AllPages;
    long double Gap = 1; // mm, LayoutMinGap to LayoutMaxGap
    TLayoutRotations Rotations = TLayoutRotations::QuarterTurns;
    bool AllowMirror = false;
    friend bool operator==(const TLayoutSettings&, const TLayoutSettings&) = default;
};

// A shape's place in the drawing, zero-based; Page -1 for a shape that is not
// in it.
struct TShapeRef {
    int Page = -1;
    int Index = -1;
    friend bool operator==(const TShapeRef&, const TShapeRef&) = default;
};

struct TLayoutJob {
    // Copies of the shapes to lay out, and where each lies in the drawing.
    std::vector<TPolygon> Shapes;
    std::vector<TShapeRef> From;
    // The drawing's pages the layout fills, in order: its first page is the
    // first of them. The layout's pages past them are added at the end of the
    // drawing.
    std::vector<int> Pages;
    // The white area, the gap and the turns; Fixed holds the shapes that stay
    // on each of Pages.
    TLayoutOptions Options;
    // How many pages the drawing had: a job applies only to the drawing it
    // was made from.
    int PageCount = 0;
};

// The shapes of scope laid out from the first page of the scope (the current
// page, or page 1 for every page) over the pages after it that hold no shape
// outside the scope, around the shapes of those pages that stay. Shapes are
// taken page by page in their order on the page.
TLayoutJob MakeLayoutJob(const TZvDat& drawing, int curPage, const TDaInt& selection,
                         const TLayoutSettings& settings, long double pageWidth,
                         long double pageHeight);

// Shapes new to the drawing laid out onto the empty pages at its end and the
// pages added after them.
TLayoutJob NewShapesLayoutJob(const TZvDat& drawing, std::vector<TPolygon> shapes,
                              const TLayoutSettings& settings, long double pageWidth,
                              long double pageHeight);

// Lays the job out; touches nothing but the job it is given, so it may run on
// a worker thread. The result has one placement per shape of the job (page 0
// the job's first page). Its misfits are the shapes that fit no empty page
// alone (and the rare shape whose place failed the final check): they are to
// stay where they are, and those on the job's pages are kept clear of as
// shapes that stay.
TLayoutResult RunLayoutJob(const TLayoutJob& job, const TLayoutProgress& progress = {});
