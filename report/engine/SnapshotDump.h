#pragma once
// A stable text form of rendered pages, for comparing layouts in tests: one line per page,
// then one line per item with its kind, box in millimetres, font, colour and text.
#include "SnapshotPage.h"

#include <QList>
#include <QString>

class TSnapshotDump
{
public:
    static QString Dump(const QList<TSnapshotPage> &pages);
    // One page of pageCount; page counts from 1.
    static QString DumpPage(const TSnapshotPage &page, int number, int pageCount);
};
