// The drawing file written as a stream of pieces: the page count, then per
// page its shape count and each shape's block and empty line, a long block
// passed on a line at a time.
#include "format/drawing_writer.h"

#include "format/number_field.h"
#include "format/shape_text.h"

#include <cstdint>
#include <string>

namespace {

constexpr std::string_view LineEnd = "\r\n";

class TPieceWriter {
public:
    TPieceWriter(const TDrawingTextSink& sink, std::size_t total) : FSink(sink), FTotal(total) {
        FText.reserve(DrawingTextPieceBytes + DrawingTextPieceBytes / 8);
    }
    std::string& Text() { return FText; }
    // A vertex or a shape is done; the piece goes on once it is long enough.
    bool Done(std::size_t units) {
        FDone += units;
        return FText.size() < DrawingTextPieceBytes || Pass();
    }
    bool Pass() {
        const double share = FTotal > 0 ? static_cast<double>(FDone) / FTotal : 1;
        const bool more = FSink(FText, share);
        FText.clear();
        return more;
    }

private:
    const TDrawingTextSink& FSink;
    std::size_t FTotal;
    std::size_t FDone = 0;
    std::string FText;
};

// The share done counts vertices, and each shape as one more, so that pages
// of many small shapes and one of a huge shape both move it evenly.
std::size_t UnitsOf(const TPolygon& polygon) {
    return polygon.Apexes.size() + 1;
}

TDrawingWriteEnd WriteShape(TPieceWriter& out, const TPolygon& polygon) {
    AppendBlockHead(out.Text(), polygon.Apexes.size());
    // A side without a flange record is written as one without a flange.
    const TFlange noFlange;
    for (std::size_t i = 0; i < polygon.Apexes.size(); ++i) {
        const TFlange& flange = i < polygon.Flanges.size() ? polygon.Flanges[i] : noFlange;
        if (!AppendVertexLine(out.Text(), polygon.Apexes[i], flange))
            return TDrawingWriteEnd::Unwritable;
        if (!out.Done(1))
            return TDrawingWriteEnd::Stopped;
    }
    for (const TDaBendLine& bendLines : polygon.BendLines)
        if (!AppendBendLines(out.Text(), bendLines))
            return TDrawingWriteEnd::Unwritable;
    out.Text() += LineEnd;
    return out.Done(1) ? TDrawingWriteEnd::Written : TDrawingWriteEnd::Stopped;
}

} // namespace

TDrawingWriteResult WriteDrawingText(const TZvDat& drawing, const TDrawingTextSink& sink) {
    const TZvDat oneEmptyPage(1);
    const TZvDat& pages = drawing.empty() ? oneEmptyPage : drawing;
    TDrawingWriteResult result;
    if (pages.size() > MaxPageCount) {
        result.End = TDrawingWriteEnd::Unwritable;
        result.Page = static_cast<int>(MaxPageCount);
        return result;
    }
    std::size_t total = 0;
    for (const TPolygonTbl& page : pages)
        for (const TPolygon& polygon : page)
            total += UnitsOf(polygon);
    TPieceWriter out(sink, total);
    AppendInteger(out.Text(), static_cast<std::int64_t>(pages.size()));
    out.Text() += LineEnd;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        AppendInteger(out.Text(), static_cast<std::int64_t>(pages[page].size()));
        out.Text() += LineEnd;
        for (std::size_t shape = 0; shape < pages[page].size(); ++shape) {
            result.End = WriteShape(out, pages[page][shape]);
            if (result.End == TDrawingWriteEnd::Written)
                continue;
            if (result.End == TDrawingWriteEnd::Unwritable) {
                result.Page = static_cast<int>(page);
                result.Shape = static_cast<int>(shape);
            }
            return result;
        }
    }
    if (!out.Pass())
        result.End = TDrawingWriteEnd::Stopped;
    return result;
}
