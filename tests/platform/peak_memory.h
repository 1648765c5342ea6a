// The peak of a process's resident memory over a stretch of a test.
#pragma once

#include <QFile>

// The peak from now on, in kilobytes: the peak so far is forgotten first. -1
// where the system cannot tell.
class TPeakMemory {
public:
    TPeakMemory() {
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        FKnown = reset.open(QIODevice::WriteOnly) && reset.write("5") == 1;
    }
    long Kilobytes() const { return FKnown ? StatusKilobytes("VmHWM:") : -1; }
    // The resident memory now, in kilobytes.
    static long ResidentKilobytes() { return StatusKilobytes("VmRSS:"); }

private:
    static long StatusKilobytes(const char* key) {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(key))
                return line.mid(static_cast<qsizetype>(qstrlen(key)))
                    .trimmed()
                    .split(' ')
                    .value(0)
                    .toLong();
        return -1;
    }

    bool FKnown = false;
};
