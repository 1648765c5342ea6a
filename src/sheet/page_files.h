// The names printing and export give a drawing's pages: the caption each page
// carries and the files they write, one per page with the page's number in
// it, with the drawing's own name offered for them.
#pragma once

#include <QString>

// The caption of page (0 the first) of a drawing shown under windowCaption:
// "Zelvo - box" and 2 give "Zelvo - box - 3".
QString PageCaption(const QString& windowCaption, int page);

// The page number joined to the name before its extension ("box.pdf" and 3
// give "box-3.pdf").
QString NumberedFileName(const QString& path, int pageNumber);

// The drawing file's name beside it with extension instead of its own, or
// with none when extension is empty; empty for a drawing never saved.
QString DrawingNameAs(const QString& drawingFile, const QString& extension);
