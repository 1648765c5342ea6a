// Crash recovery for the sheet: while the drawing has unsaved changes this
// running program keeps its own copy of it, never over the user's file: the
// first a few seconds after the first change, then at most once an interval.
// Each copy is taken from the drawing a slice at a time across turns of the
// event loop and written by a worker thread, so the window never waits for
// it. Saving, New, Open, giving the changes up and a normal end remove it;
// the next start offers the copies of programs that ended without saving.
#pragma once

#include "document/drawing_snapshot.h"
#include "geometry/polygon.h"
#include "left_recovery_copies.h"
#include "save_result.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>

class ILongTask;
class IPrompt;
class TRecoveryCopy;
class TSheetDocument;

inline constexpr std::chrono::milliseconds DefaultRecoveryInterval{60 * 1000};
// The first copy after the drawing was last unchanged comes this soon, or
// sooner with a shorter interval: work of the first minute is kept too.
inline constexpr std::chrono::milliseconds FirstRecoveryDelay{2000};

// The interval a setting names in whole milliseconds; text that is not a
// positive whole number, or none, gives the default.
std::chrono::milliseconds RecoveryIntervalFrom(const char* milliseconds);

class TCrashRecovery : public QObject {
    Q_OBJECT

public:
    // Without a copy it keeps nothing. longTask runs the work that cannot
    // wait: reading the copies left behind and writing one at once; none runs
    // it where it is asked.
    TCrashRecovery(TRecoveryCopy* copy, IPrompt& prompt, ILongTask* longTask,
                   const TSheetDocument& document, std::chrono::milliseconds interval);
    // Waits for a copy being written.
    ~TCrashRecovery() override;

    // The status line's panel that says when copies cannot be written.
    QLabel* StatusPanel() const { return FStatusPanel; }

    // Once, at start: says so when copies cannot be kept, sets aside and
    // reports each copy left behind that cannot be read, and asks about the
    // readable ones, newest first. Returns the drawing of the first the user
    // wants restored; the copies after it are left for another start (one
    // window shows one drawing), and those the user did not want are deleted.
    std::optional<TZvDat> Offer();
    // Writes the copy now and waits for it (the restored drawing is all there
    // is of that work: its own copy then replaces the one it came from).
    void Write();
    // The drawing's own file, which the copy's note names; empty for none.
    void SetDrawingFile(const QString& file) { FDrawingFile = file; }
    // The changes were saved or given up: no copy needs keeping.
    void Forget();
    // A normal end leaves no copy behind, offered or not.
    void EndNormally();

private:
    void Poll();
    void TakeSlice();
    void StartWriting(TZvDat drawing);
    // The worker's write has ended: its outcome goes to the status line.
    void WriteEnded(const TSaveResult& result, std::uint64_t change);
    void ShowProblem(const TSaveResult& problem);
    void JoinWriter();
    void DiscardRestored();

    TRecoveryCopy* Copy;
    IPrompt& Prompt;
    ILongTask* LongTask;
    const TSheetDocument& Document;
    const std::chrono::milliseconds Interval;
    QTimer FPollTimer;
    QPointer<QLabel> FStatusPanel;
    bool FOffered = false;
    QString FDrawingFile;
    // The copy that was restored: kept until this program's own copy of the
    // drawing is written, or the drawing is saved or given up. Restoring
    // lasts from the answer until the restored drawing is in the window.
    std::optional<TLeftRecoveryCopy> FRestored;
    bool FRestoring = false;

    using TClock = std::chrono::steady_clock;
    // The change count the copy on disk holds, or the one being written.
    std::optional<std::uint64_t> FCopiedChange;
    std::optional<TClock::time_point> FChangedSince; // unsaved changes not yet copied
    std::optional<TClock::time_point> FLastWrite;    // begun since the last Forget
    // A copy starts only once the drawing has stood still for a poll: during a
    // drag every slice would be spoiled.
    std::uint64_t FLastSeenChange = 0;
    TDrawingSnapshot FSnapshot;

    std::thread FWriter;
    std::atomic<bool> FWriterEnded{false};
    TSaveResult FWriterResult;
    std::uint64_t FWriterChange = 0;
    std::uint64_t FWriterGeneration = 0;
};
