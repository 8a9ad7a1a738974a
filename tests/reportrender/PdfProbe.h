#pragma once
// What a PDF file holds, read back for the tests: page count and sizes (Qt PDF) and the
// text (pdftotext from poppler-utils).
#include <QList>
#include <QSizeF>
#include <QString>

namespace PdfProbe
{
int PageCount(const QString &file);
// Page sizes in points.
QList<QSizeF> PageSizes(const QString &file);
// The text of the file; fails the test when pdftotext is missing.
QString Text(const QString &file);
QString Info(const QString &file);
} // namespace PdfProbe
