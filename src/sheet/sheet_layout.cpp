// The layout command: dialog, long work, one undo step, messages.
#include "sheet_layout.h"

#include "document/sheet_document.h"
#include "drawing/page_area.h"
#include "layout_dlg.h"
#include "layout_messages.h"
#include "long_task.h"
#include "prompt.h"

namespace {

const QString LayoutTitle = QStringLiteral("自動配置");
const QString NothingToLayOutText = QStringLiteral("配置する図形がありません。");
const QString NoPageAreaText = QStringLiteral("用紙の描画領域がないため、配置できません。");
const QString TooManyPagesText = QStringLiteral(
    "配置には %1 ページが必要ですが、ページは %2 ページまでです。何も変更していません。");

} // namespace

TSheetLayout::TSheetLayout(IPrompt& prompt, ILongTask& longTask, const IPageArea& pageArea,
                           TSheetDocument& document, ILayoutDialog* dialog)
    : Prompt(prompt), LongTask(longTask), PageArea(pageArea), Document(document), Dialog(dialog) {}

// The document does not change while the work runs: the runner holds the
// user's input back until it ends.
bool TSheetLayout::LayOut() {
    if (Dialog == nullptr)
        return false;
    TLayoutSettings settings = FSettings;
    if (!Dialog->ChooseLayout(settings, !Document.Selection().empty()))
        return false;
    FSettings = settings;
    const TPageAreaMm area = PageArea.PageArea();
    const TLayoutJob job = MakeLayoutJob(Document.Drawing(), Document.CurPage(),
                                         Document.Selection(), settings, area.Width, area.Height);
    if (job.Shapes.empty()) {
        Prompt.ShowWarning(WarningTitle, NothingToLayOutText);
        return false;
    }
    TLayoutResult result;
    const TLongTaskEnd end = LongTask.Run(LayoutTitle, [&](const TProgressFn& progress) {
        result = RunLayoutJob(job, progress);
        return result.Outcome == TLayoutOutcome::Done;
    });
    if (result.Outcome == TLayoutOutcome::InvalidOptions) {
        Prompt.ShowError(ErrorTitle, NoPageAreaText);
        return false;
    }
    if (end != TLongTaskEnd::Finished)
        return false;
    const TLayoutApplied applied = Document.ApplyLayout(job, result);
    if (applied.End == TLayoutEnd::TooManyPages) {
        Prompt.ShowError(ErrorTitle, TooManyPagesText.arg(applied.PageCount).arg(MaxPageCount));
        return false;
    }
    if (!applied.Misfits.empty())
        Prompt.ShowWarning(WarningTitle, MisfitsText(job, applied, area));
    return applied.End == TLayoutEnd::Done;
}
