// The settings file's location, and reading and writing it as UTF-8 INI text.
#include "settings_file.h"

#include "atomic_file.h"

#include <QCoreApplication>
#include <QDir>
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

TIniFile LoadSettings(const QString& path) {
    std::string text;
    if (!ReadFileBytes(path, text))
        return TIniFile();
    return TIniFile(text);
}

bool SaveSettings(const QString& path, const TIniFile& settings) {
    return WriteFileAtomically(path, settings.ToText());
}
