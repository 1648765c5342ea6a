// The names of the files that printing and export write: one per page with
// the page's number in it, and the drawing's own name offered for them.
#pragma once

#include <QString>

// The page number joined to the name before its extension ("box.pdf" and 3
// give "box-3.pdf").
QString NumberedFileName(const QString& path, int pageNumber);

// The drawing file's name beside it with extension instead of its own, or
// with none when extension is empty; empty for a drawing never saved.
QString DrawingNameAs(const QString& drawingFile, const QString& extension);
