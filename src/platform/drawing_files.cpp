// Drawing files read and written as streams of pieces.
#include "drawing_files.h"

#include "atomic_file.h"
#include "file_writing.h"
#include "format/drawing_reader.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t ReadChunkBytes = 1 << 20;

TDrawingLoadResult CannotRead(int error) {
    TDrawingLoadResult result;
    result.End = TDrawingLoadEnd::CannotRead;
    result.Error = error;
    return result;
}

// A read the system broke off for a signal is taken up again.
ssize_t ReadSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

} // namespace

TDrawingLoadResult ReadDrawingFile(const QString& path, TZvDat& drawing,
                                   const TProgressFn& progress) {
    // Opened without waiting: a pipe or a device named like a drawing would
    // block the open itself.
    TFileDescriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        return CannotRead(errno);
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0)
        return CannotRead(errno);
    if (!S_ISREG(status.st_mode))
        return CannotRead(S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    TDrawingLoadResult result;
    // Taken before reading: a change while the file is read shows later.
    result.Identity = FileIdentityOfOpenFile(fd.Get());
    const std::size_t size = static_cast<std::size_t>(status.st_size);
    TDrawingReader reader(size);
    std::string chunk(ReadChunkBytes, '\0');
    std::size_t read = 0;
    for (bool more = true; more;) {
        const ssize_t got = ReadSome(fd.Get(), chunk.data(), chunk.size());
        if (got < 0)
            return CannotRead(errno);
        if (got == 0)
            break;
        read += static_cast<std::size_t>(got);
        more = reader.Take(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
        if (progress && !progress(size > 0 ? static_cast<double>(read) / size : 1)) {
            result.End = TDrawingLoadEnd::Cancelled;
            return result;
        }
    }
    result.Reading = reader.Finish(drawing);
    if (result.Reading != TDrawingReadResult::Ok)
        result.End = TDrawingLoadEnd::NotADrawing;
    return result;
}

TDrawingSaveResult SaveDrawingFile(const QString& path, const TZvDat& drawing,
                                   const TSaveOptions& options, const TProgressFn& progress) {
    TDrawingSaveResult result;
    // The writing may start over, in place, when the folder refuses a new file.
    const TContentWriter content = [&drawing, &progress, &result](TContentSink& sink) {
        result.Writing =
            WriteDrawingText(drawing, [&sink, &progress](std::string_view piece, double done) {
                return sink.Put(piece) && (!progress || progress(done));
            });
        switch (result.Writing.End) {
        case TDrawingWriteEnd::Written:
            return 0;
        case TDrawingWriteEnd::Unwritable:
            return ERANGE;
        case TDrawingWriteEnd::Stopped:
            break;
        }
        return sink.Error() != 0 ? sink.Error() : ECANCELED;
    };
    result.File = SaveFile(path, content, options);
    return result;
}
