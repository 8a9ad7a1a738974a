#pragma once
// Receives the pages of a render as they are finished, page 1 first.
#include "SnapshotPage.h"

class TPageSink
{
public:
    virtual ~TPageSink() = default;
    virtual void BeginDocument(const QString &title) = 0;
    virtual void AddPage(const TSnapshotPage &page) = 0;
    // After the last page; pageCount pages were added.
    virtual void EndDocument(int pageCount) = 0;
};
