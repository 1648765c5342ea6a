// Whole-file reads, and writes that replace a file only once the new content
// is completely on disk.
#include "atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool ReadFileBytes(const QString& path, std::string& bytes) {
    // A folder opens as a file on some systems; it is never a readable file here.
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    bytes.assign(content.constData(), static_cast<std::size_t>(content.size()));
    return true;
}

bool WriteFileAtomically(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    // commit() flushes, checks for any earlier write error and only then
    // renames the temporary file over the target.
    return file.commit();
}
