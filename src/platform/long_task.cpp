// The runner that does the work where it is asked.
#include "long_task.h"

TLongTaskEnd TInlineLongTask::Run(const QString&, const TLongWork& work) {
    return work([](double) { return true; }) ? TLongTaskEnd::Finished : TLongTaskEnd::Failed;
}
