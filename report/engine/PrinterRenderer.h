#pragma once
// Prints a snapshot: the chosen pages (a selection text, or else the range FirstPage to
// LastPage), with copies, collate and duplex from its own settings when TakeOwnSettings is
// set, else as the printer has them. The print job is named after the snapshot's title.
#include "Renderer.h"

#include <QList>
#include <QPrinter>

class TSnapshot;

class TPrinterRenderer : public TRenderer
{
public:
    QString DisplayName() const override { return QStringLiteral("Drucker"); }

    // The snapshot is borrowed; nullptr: none.
    void SetSnapshot(const TSnapshot *snapshot) { m_snapshot = snapshot; }
    const TSnapshot *Snapshot() const { return m_snapshot; }

    int PageCountHint = 0; // the page count a set-up dialog proposes
    int Copies = 1;
    bool Collate = false;
    QPrinter::DuplexMode Duplex = QPrinter::DuplexNone;
    int FirstPage = 1;
    int LastPage = 9999;
    QString Selection; // wins over the range when not empty
    bool TakeOwnSettings = false;

    // The pages Render prints, in order; throws for a bad selection text.
    QList<int> ChosenPages() const;
    // Throws an EReportError when there is no snapshot, when no chosen page exists, when
    // printing cannot start ("Der Druck konnte nicht gestartet werden.") or fails.
    void Render(QPrinter &printer);

private:
    const TSnapshot *m_snapshot = nullptr;
};
