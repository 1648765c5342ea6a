// Work that may take long (open, save, print, export, layout, unfold): run off
// the window's thread while the windows keep painting, with a progress dialog
// that can cancel. Behind a small interface so tests and the command line run
// the work where they stand.
#pragma once

#include <QString>
#include <functional>

// What the work is handed: it reports the share done (0 to 1) now and then
// and stops, returning false, once a report answers false (cancelled).
using TProgressFn = std::function<bool(double done)>;
// The work itself: true when it finished, false when it stopped on a cancel
// or failed. It must not touch widgets.
using TLongWork = std::function<bool(const TProgressFn& progress)>;

enum class TLongTaskEnd { Finished, Failed, Cancelled };

class ILongTask {
public:
    virtual ~ILongTask() = default;
    // Runs work to its end and says how it ended. Meanwhile the user can only
    // watch and cancel: input to the program's windows waits.
    virtual TLongTaskEnd Run(const QString& title, const TLongWork& work) = 0;
};

// On the calling thread, without a dialog: for tests and for the command line.
class TInlineLongTask : public ILongTask {
public:
    TLongTaskEnd Run(const QString& title, const TLongWork& work) override;
};
