// Crash recovery for the sheet: while the drawing has unsaved changes it is
// written aside at a fixed interval, never over the user's file; a normal end
// and every save remove the copy, and the next start after a crash offers it.
#pragma once

#include "geometry/polygon.h"

#include <QTimer>

#include <chrono>
#include <optional>

class IPrompt;
class TRecoveryFile;
class TSheetDocument;

inline constexpr std::chrono::milliseconds DefaultRecoveryInterval{60 * 1000};

// The interval a setting names in whole milliseconds; text that is not a
// positive whole number, or none, gives the default.
std::chrono::milliseconds RecoveryIntervalFrom(const char* milliseconds);

class TCrashRecovery {
public:
    // Without a file, or with one another running program holds, it keeps
    // nothing. A copy a crashed program left is kept until Offer has asked.
    TCrashRecovery(TRecoveryFile* file, IPrompt& prompt, const TSheetDocument& document,
                   std::chrono::milliseconds interval);

    // Asks, once, whether to open the drawing a program that did not end
    // normally left unsaved: the drawing to restore when the user wants it and
    // it can be read. Otherwise the copy is given up.
    std::optional<TZvDat> Offer();
    // Writes the drawing aside while it has unsaved changes and removes the
    // copy once it has none; the timer calls it at every interval.
    void Write();
    // The changes were saved or given up: no copy needs keeping.
    void Forget();
    // A normal end leaves no copy behind, offered or not.
    void EndNormally();

private:
    TRecoveryFile* File;
    IPrompt& Prompt;
    const TSheetDocument& Document;
    // Until the user has answered, the copy a crashed program left is kept.
    bool Offered = true;
    QTimer Timer;
};
