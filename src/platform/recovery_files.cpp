// Names of a recovery copy's files.
#include "recovery_files.h"

#include <QDir>

TRecoveryFiles::TRecoveryFiles(const QString& folder, const QString& base)
    : Copy(QDir(folder).filePath(base + QStringLiteral(".zvt"))),
      Info(QDir(folder).filePath(base + QStringLiteral(".info"))),
      Lock(QDir(folder).filePath(base + QStringLiteral(".lock"))) {}
