// Naming the shapes that reach outside the printable area, page by page.
#include "outside_warning.h"

#include "drawing/print_reach.h"
#include "prompt.h"
#include "ui_text.h"

#include <QStringList>

namespace {

QString OutsideText() {
    return UiText("TOutsideWarning", "次の図形が用紙の印刷できる範囲からはみ出しています。"
                                     "はみ出した部分は印刷されません。\n\n%1\n\n続けますか?");
}
QString PageLineText() {
    return UiText("TOutsideWarning", "%1 ページ: %2 番目の図形");
}
// What stands between the shapes' numbers on one page's line.
QString ShapeSeparator() {
    return UiText("TOutsideWarning", "、");
}
QString MoreText() {
    return UiText("TOutsideWarning", "ほかに %1 個");
}

// Enough lines to find every shape on a few pages; more would not fit the box.
constexpr int MaxListedPages = 10;

} // namespace

bool ConfirmShapesInside(IPrompt& prompt, const TZvDat& drawing, const std::vector<int>& pages,
                         const TBox& printable) {
    const std::vector<TShapeAt> outside = ShapesReachingOutside(drawing, pages, printable);
    if (outside.empty())
        return true;
    QStringList lines;
    int listed = 0;
    for (std::size_t i = 0; i < outside.size();) {
        const int page = outside[i].Page;
        QStringList shapes;
        for (; i < outside.size() && outside[i].Page == page; ++i)
            shapes << QString::number(outside[i].Shape + 1);
        if (lines.size() < MaxListedPages) {
            lines << PageLineText().arg(page + 1).arg(shapes.join(ShapeSeparator()));
            listed = static_cast<int>(i);
        }
    }
    if (listed < static_cast<int>(outside.size()))
        lines << MoreText().arg(static_cast<int>(outside.size()) - listed);
    return prompt.AskOkCancel(WarningTitle(), OutsideText().arg(lines.join(u'\n'))) ==
           TPromptAnswer::Ok;
}
