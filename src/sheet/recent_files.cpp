// The recent-file list: ordering, the 20-entry limit and its settings keys.
#include "recent_files.h"

#include <string>
#include <utility>

namespace {

std::string FileKey(int number) {
    return "File" + std::to_string(number);
}

} // namespace

int TRecentFiles::IndexOf(const QString& path) const {
    for (int i = 0; i < Count(); ++i)
        if (FPaths[i].compare(path, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TRecentFiles::Add(QString path) {
    const int found = IndexOf(path);
    if (found >= 0)
        FPaths.removeAt(found);
    FPaths.prepend(std::move(path));
    if (Count() > MaxCount)
        FPaths.removeLast();
}

void TRecentFiles::ReadFrom(const TIniFile& settings, std::string_view section) {
    for (int number = 1; number <= MaxCount; ++number) {
        // A value longer than any path is no path.
        const std::string value =
            settings.ReadString(section, FileKey(number), "", IniMaxPathBytes);
        if (!value.empty())
            FPaths.append(QString::fromStdString(value));
    }
}

void TRecentFiles::WriteTo(TIniFile& settings, std::string_view section) const {
    for (int i = 0; i < Count(); ++i)
        settings.WriteString(section, FileKey(i + 1), FPaths[i].toStdString());
}

QString RecentFileCaption(int number, const QString& path) {
    QString shown = path;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QLatin1Char('&') + QString::number(number % 10) + QLatin1Char(' ') + shown;
}
