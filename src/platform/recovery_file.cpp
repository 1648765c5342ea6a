// The recovery file and the lock that gives it to one running program.
#include "recovery_file.h"

#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

TRecoveryFile::TRecoveryFile(const QString& folder)
    : FPath(QDir(folder).filePath(QStringLiteral("recovery.zvt"))) {
    if (!QDir().mkpath(folder))
        return;
    // A lock whose program is gone is taken over at once.
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("recovery.lock")));
    if (lock->tryLock(0))
        FLock = std::move(lock);
}

TRecoveryFile::~TRecoveryFile() = default;

bool TRecoveryFile::Exists() const {
    return IsOwned() && QFile::exists(FPath);
}

bool TRecoveryFile::Read(std::string& bytes) const {
    return IsOwned() && ReadFileBytes(FPath, bytes);
}

bool TRecoveryFile::Write(const std::string& bytes) {
    return IsOwned() && WriteFileAtomically(FPath, bytes);
}

void TRecoveryFile::Remove() {
    if (IsOwned())
        QFile::remove(FPath);
}
