// Captions and file names for the pages printing and export write.
#include "page_files.h"

#include <QDir>
#include <QFileInfo>

QString PageCaption(const QString& windowCaption, int page) {
    return windowCaption + QStringLiteral(" - ") + QString::number(page + 1);
}

QString NumberedFileName(const QString& path, int pageNumber) {
    const QFileInfo info(path);
    QString name = info.completeBaseName() + QStringLiteral("-") + QString::number(pageNumber);
    if (!info.suffix().isEmpty())
        name += QStringLiteral(".") + info.suffix();
    return QDir(info.path()).filePath(name);
}

QString DrawingNameAs(const QString& drawingFile, const QString& extension) {
    if (drawingFile.isEmpty())
        return QString();
    const QFileInfo info(drawingFile);
    QString name = info.completeBaseName();
    if (!extension.isEmpty())
        name += QStringLiteral(".") + extension;
    return info.dir().filePath(name);
}
