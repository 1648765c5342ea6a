// Whole-file reads, and writes that replace a file only once the new content
// is completely on disk.
#include "atomic_file.h"

#include "format/drawing_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool ReadFileBytes(const QString& path, std::string& bytes) {
    // Only a plain file is read: a folder opens as a file on some systems, and
    // a pipe or a device would never end.
    if (!QFileInfo(path).isFile())
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

bool ReadDrawingFileBytes(const QString& path, std::string& bytes) {
    constexpr qint64 ChunkBytes = 1 << 20;
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::string read;
    TDrawingFileScanner scanner;
    QByteArray chunk;
    while (!scanner.Ended() && !file.atEnd()) {
        chunk = file.read(ChunkBytes);
        if (file.error() != QFileDevice::NoError)
            return false;
        const std::string_view taken = scanner.Take(
            std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
        if (scanner.Refused())
            return false;
        read.append(taken);
    }
    bytes = std::move(read);
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
