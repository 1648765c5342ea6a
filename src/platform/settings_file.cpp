// The settings file's location, and reading and writing it as UTF-8 INI text.
#include "settings_file.h"

#include "atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString SettingsPathBeside(const QString& executablePath) {
    const QFileInfo executable(executablePath);
    const QString baseName =
        executable.suffix().isEmpty() ? executable.fileName() : executable.completeBaseName();
    return executable.dir().filePath(baseName + ".ini");
}

QString ChooseSettingsPath(const QString& executablePath, const QString& fallbackFolder) {
    const QString besideExecutable = SettingsPathBeside(executablePath);
    const QFileInfo folder(QFileInfo(besideExecutable).absolutePath());
    if (folder.isDir() && folder.isWritable())
        return besideExecutable;
    // Creating the folder may fail too; saving then fails quietly, as any
    // failed settings write does.
    QDir().mkpath(fallbackFolder);
    return QDir(fallbackFolder).filePath(QFileInfo(besideExecutable).fileName());
}

QString DefaultSettingsPath() {
    return ChooseSettingsPath(QCoreApplication::applicationFilePath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

// A chunk at a time: a file of a hundred megabytes is passed through, never
// held, its lines too long to be settings are dropped on the way, and after
// as many lines as settings can have the rest is not read.
TIniFile LoadSettings(const QString& path) {
    constexpr qint64 ChunkBytes = 1 << 20;
    if (!QFileInfo(path).isFile())
        return TIniFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TIniFile();
    TIniReader reader;
    std::string chunk(ChunkBytes, '\0');
    for (;;) {
        const qint64 read = file.read(chunk.data(), ChunkBytes);
        if (read < 0)
            return TIniFile();
        if (read == 0 || reader.Full())
            return reader.Finish();
        reader.Take(std::string_view(chunk.data(), static_cast<std::size_t>(read)));
    }
}

bool SaveSettings(const QString& path, const TIniFile& settings) {
    return WriteFileAtomically(path, settings.ToText());
}
