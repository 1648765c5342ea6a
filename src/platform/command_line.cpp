// Picking the drawing file out of the program's arguments.
#include "command_line.h"

#include <QDir>
#include <QFileInfo>

QString DrawingFileArgument(const QStringList& arguments) {
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (options && word == QStringLiteral("--")) {
            options = false;
            continue;
        }
        if (word.isEmpty() || (options && word.startsWith(u'-')))
            continue;
        return QDir::cleanPath(QFileInfo(word).absoluteFilePath());
    }
    return QString();
}
