// Keeping the sheet's drawing aside against a crash, and offering it back.
#include "crash_recovery.h"

#include "document/sheet_document.h"
#include "long_task.h"
#include "prompt.h"
#include "recovery_copy.h"
#include "recovery_messages.h"

#include "ui_text.h"

#include <QLabel>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>
#include <vector>

namespace {

QString ReadingCopiesTitle() {
    return UiText("TCrashRecovery", "復元用の控えを読み込んでいます...");
}
QString WritingCopyTitle() {
    return UiText("TCrashRecovery", "復元用の控えを書き込んでいます...");
}

// One slice of a copy holds the window's thread at most this long.
constexpr std::chrono::milliseconds SliceTime{15};

// The drawing is looked at this often: cheap, as only counters are compared.
std::chrono::milliseconds PollIntervalFor(std::chrono::milliseconds interval) {
    return std::clamp(interval / 2, std::chrono::milliseconds(10), std::chrono::milliseconds(250));
}

TLongTaskEnd RunLong(ILongTask* task, const QString& title, const TLongWork& work) {
    TInlineLongTask here;
    return (task != nullptr ? *task : here).Run(title, work);
}

} // namespace

std::chrono::milliseconds RecoveryIntervalFrom(const char* milliseconds) {
    if (milliseconds == nullptr)
        return DefaultRecoveryInterval;
    const char* end = milliseconds + std::strlen(milliseconds);
    int value = 0;
    const auto [last, error] = std::from_chars(milliseconds, end, value);
    if (error != std::errc{} || last != end || value <= 0)
        return DefaultRecoveryInterval;
    return std::chrono::milliseconds(value);
}

TCrashRecovery::TCrashRecovery(TRecoveryCopy* copy, IPrompt& prompt, ILongTask* longTask,
                               const TSheetDocument& document, std::chrono::milliseconds interval)
    : Copy(copy), Prompt(prompt), LongTask(longTask), Document(document), Interval(interval),
      FStatusPanel(new QLabel) {
    FStatusPanel->setObjectName(QStringLiteral("RecoveryPanel"));
    if (Copy == nullptr)
        return;
    FPollTimer.setInterval(PollIntervalFor(interval));
    connect(&FPollTimer, &QTimer::timeout, this, &TCrashRecovery::Poll);
    FPollTimer.start();
}

TCrashRecovery::~TCrashRecovery() {
    if (FWriter.joinable())
        FWriter.join();
}

std::optional<TZvDat> TCrashRecovery::Offer() {
    if (Copy == nullptr || FOffered)
        return std::nullopt;
    FOffered = true;
    if (!Copy->Problem().Ok()) {
        ShowProblem(Copy->Problem());
        Prompt.ShowWarning(WarningTitle(),
                           RecoveryUnavailableText(Copy->Folder(), Copy->Problem()));
    }
    std::vector<TLeftRecoveryCopy> left;
    RunLong(LongTask, ReadingCopiesTitle(), [this, &left](const TProgressFn& progress) {
        left = ListLeftRecoveryCopies(Copy->Folder(), progress);
        return true;
    });
    std::optional<TZvDat> restored;
    int others = 0;
    for (TLeftRecoveryCopy& copy : left) {
        if (copy.State() != TRecoveryCopyState::Readable) {
            copy.SetAside();
            Prompt.ShowError(ErrorTitle(), UnreadableRecoveryText(copy));
        } else if (restored) {
            ++others;
        } else if (Prompt.AskYesNo(InfoTitle(), RecoveryQuestionText(copy)) == TPromptAnswer::Yes) {
            restored = copy.TakeDrawing();
            FRestored.emplace(std::move(copy));
            FRestoring = true;
        } else {
            copy.Discard();
        }
    }
    if (others > 0)
        Prompt.ShowWarning(WarningTitle(), MoreRecoveryCopiesText(others));
    return restored;
}

// Waits for the worker first: one copy is written at a time.
void TCrashRecovery::Write() {
    FRestoring = false;
    if (Copy == nullptr)
        return;
    JoinWriter();
    FSnapshot.Clear();
    if (!Document.Modified())
        return;
    const std::uint64_t generation = Copy->Generation();
    const std::uint64_t change = Document.ChangeCount();
    TSaveResult result;
    RunLong(LongTask, WritingCopyTitle(), [&](const TProgressFn& progress) {
        result = Copy->Write(Document.Drawing(), FDrawingFile, generation, progress);
        return result.Ok();
    });
    FLastWrite = TClock::now();
    if (result.Failure != TSaveFailure::Cancelled)
        WriteEnded(result, change);
}

void TCrashRecovery::Forget() {
    FSnapshot.Clear();
    if (Copy != nullptr)
        Copy->Remove();
    FCopiedChange.reset();
    FChangedSince.reset();
    FLastWrite.reset();
    // A restored drawing saved or given up needs the copy it came from no more.
    if (!FRestoring)
        DiscardRestored();
}

void TCrashRecovery::EndNormally() {
    FOffered = true;
    FRestoring = false;
    Forget();
}

// A copy is due a moment after the first unsaved change and then once an
// interval after the last one begun, whether it was written or failed.
void TCrashRecovery::Poll() {
    if (FWriter.joinable() && !FWriterEnded.load())
        return;
    JoinWriter();
    if (FSnapshot.Started())
        return;
    const std::uint64_t change = Document.ChangeCount();
    const bool still = change == FLastSeenChange;
    FLastSeenChange = change;
    if (!Document.Modified()) {
        FChangedSince.reset();
        return;
    }
    if (FCopiedChange == change)
        return;
    const TClock::time_point now = TClock::now();
    if (!FChangedSince)
        FChangedSince = now;
    const TClock::time_point due = FLastWrite
                                       ? *FLastWrite + Interval
                                       : *FChangedSince + std::min(Interval, FirstRecoveryDelay);
    if (now < due || !still)
        return;
    FSnapshot.Start(change);
    QTimer::singleShot(0, this, &TCrashRecovery::TakeSlice);
}

// A slice per turn of the event loop; a change in between spoils the copy,
// which the next poll takes again once the drawing stands still.
void TCrashRecovery::TakeSlice() {
    if (!FSnapshot.Started())
        return;
    const TClock::time_point end = TClock::now() + SliceTime;
    switch (FSnapshot.Step(Document.Drawing(), Document.ChangeCount(),
                           [end] { return TClock::now() >= end; })) {
    case TDrawingSnapshot::TStep::Partial:
        QTimer::singleShot(0, this, &TCrashRecovery::TakeSlice);
        break;
    case TDrawingSnapshot::TStep::Spoiled:
        break;
    case TDrawingSnapshot::TStep::Complete:
        StartWriting(FSnapshot.Take());
        break;
    }
}

void TCrashRecovery::StartWriting(TZvDat drawing) {
    FWriterChange = Document.ChangeCount();
    FCopiedChange = FWriterChange;
    FLastWrite = TClock::now();
    TRecoverySnapshot snapshot = Copy->Snapshot(std::move(drawing), FDrawingFile);
    FWriterGeneration = snapshot.Generation;
    FWriterEnded = false;
    // The worker owns the snapshot and lets it go as it ends.
    FWriter = std::thread([this, snapshot = std::move(snapshot)]() mutable {
        FWriterResult = Copy->Write(snapshot);
        snapshot = TRecoverySnapshot();
        FWriterEnded = true;
    });
}

// A write that a Forget overtook has left nothing and tells nothing.
void TCrashRecovery::JoinWriter() {
    if (!FWriter.joinable())
        return;
    FWriter.join();
    if (Copy->Generation() == FWriterGeneration)
        WriteEnded(FWriterResult, FWriterChange);
}

void TCrashRecovery::WriteEnded(const TSaveResult& result, std::uint64_t change) {
    ShowProblem(result);
    if (!result.Ok()) {
        FCopiedChange.reset();
        return;
    }
    FCopiedChange = change;
    DiscardRestored();
}

void TCrashRecovery::ShowProblem(const TSaveResult& problem) {
    if (FStatusPanel)
        FStatusPanel->setText(problem.Ok() ? QString()
                                           : RecoveryUnavailableText(Copy->Folder(), problem));
}

void TCrashRecovery::DiscardRestored() {
    if (FRestored)
        FRestored->Discard();
    FRestored.reset();
}
