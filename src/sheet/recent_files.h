// The recent-file list of the sheet window: at most 20 drawing paths, the most
// recent first, kept in the settings file as File1 ... File20.
#pragma once

#include "format/ini_file.h"

#include <QString>
#include <QStringList>

class TRecentFiles {
public:
    static constexpr int MaxCount = 20;

    int Count() const { return static_cast<int>(FPaths.size()); }
    // Entry i, 0 the most recent.
    const QString& At(int index) const { return FPaths.at(index); }
    const QStringList& Paths() const { return FPaths; }

    // Puts path at the top. A path already in the list (same file name in any
    // letter case) moves there; a new one pushes the oldest out past MaxCount.
    void Add(QString path);

    // Appends the non-empty keys File1 ... File20 of the section in key order.
    void ReadFrom(const TIniFile& settings, std::string_view section);
    // Writes File1 ... FileN for the N entries; keys numbered above N stay as they are.
    void WriteTo(TIniFile& settings, std::string_view section) const;

private:
    int IndexOf(const QString& path) const;
    QStringList FPaths;
};

// Menu caption of entry number (1 ... 20): "&" + (number mod 10) + " " + path.
// Ampersands in the path are doubled so that they show instead of marking a key.
QString RecentFileCaption(int number, const QString& path);
