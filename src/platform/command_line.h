// The drawing file named when the program is started, as a file manager or a
// user at a terminal names it.
#pragma once

#include <QString>
#include <QStringList>

// The first file named in arguments (the program's arguments, its own path
// first), as a clean absolute path; empty when none is named. Words starting
// with "-" are options, not files, until a "--", after which every word is a
// file.
QString DrawingFileArgument(const QStringList& arguments);
