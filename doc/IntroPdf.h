#pragma once
// Lays out the welcome document from its Markdown source on A4 pages and writes it as PDF,
// with a footer "Seite n von m" on every page.
#include <QString>

class QIODevice;

class TIntroPdf
{
public:
    explicit TIntroPdf(const QString &markdown);

    // Writes the PDF into device (opened for writing or openable); gives the page count.
    int Write(QIODevice *device) const;

private:
    QString m_markdown;
};
