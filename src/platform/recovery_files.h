// The files of one recovery copy in the recovery folder, shared by the program
// that writes it and the one that later finds it left behind.
#pragma once

#include <QString>

// <base>.zvt is the copy, a drawing file; <base>.info notes the drawing's own
// file and the copy's format; <base>.lock is locked while the program that
// writes the copy runs, and the system unlocks it however that program ends.
struct TRecoveryFiles {
    TRecoveryFiles(const QString& folder, const QString& base);
    QString Copy;
    QString Info;
    QString Lock;
};

// The form of the copies this program writes; a copy of a later form comes
// from a newer version of the program and is left for it.
inline constexpr long long RecoveryFormat = 1;
inline constexpr const char* RecoveryInfoSection = "Recovery";
