#pragma once
// One snapshot read back: checked and indexed on Load, each page decoded when asked for, so
// that reports of thousands of pages stay small in memory.
#include "SnapshotPage.h"

#include <QByteArray>
#include <QList>
#include <QString>

class TSnapshot
{
public:
    // Takes a snapshot as TSnapshotWriter wrote it. Empty data gives an empty snapshot (no
    // report was rendered). A damaged, truncated, foreign or newer snapshot throws an
    // EReportError and leaves this snapshot as it was.
    void Load(const QByteArray &data);
    void Clear();

    bool IsEmpty() const { return m_pages.isEmpty(); }
    int PageCount() const { return int(m_pages.size()); }
    QString Title() const { return m_title; }
    // The bytes loaded, to be saved unchanged.
    const QByteArray &Data() const { return m_data; }

    // Page n, 1-based; throws an EReportError for a page outside 1..PageCount() or for a
    // page whose content is damaged.
    TSnapshotPage Page(int n) const;

private:
    struct TPageRef {
        qsizetype Offset = 0;
        qsizetype Length = 0;
        int Fonts = 0; // fonts defined before this page
    };

    QByteArray m_data;
    QString m_title;
    QList<TSnapFont> m_fonts;
    QList<TPageRef> m_pages;
};
