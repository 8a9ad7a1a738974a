#pragma once
// Writes a snapshot into one PDF file per render: vector text with embedded font subsets,
// each page on paper of its size, the snapshot's title as the document's title.
#include "Renderer.h"

class QIODevice;
class TSnapshot;

class TPdfRenderer : public TRenderer
{
public:
    QString OutputFileName;

    QString DisplayName() const override { return QStringLiteral("Adobe Acrobat (PDF)"); }
    QString FileExtension() const override { return QStringLiteral("*.pdf"); }
    bool IsPdf() const override { return true; }

    // Writes every page into OutputFileName, replacing that file only when the whole PDF
    // was written. Throws an EReportError naming the file when it cannot be written, and
    // one when there is no file name or the snapshot has no pages.
    void Render(const TSnapshot &snapshot);
    // The same PDF into an open device (which then holds the whole file).
    void RenderTo(const TSnapshot &snapshot, QIODevice &device);

private:
    void Write(const TSnapshot &snapshot, QIODevice &device, const QString &shown);
};
