#pragma once
#include <QObject>

// The layout: page breaks with repeated group headers, footers and sums, page numbers,
// bands at and beyond the page's size, empty sources, growing text and memos.
class TestReportLayouter : public QObject
{
    Q_OBJECT
private slots:
    void groupsAcrossPages();
    void headersNotRepeated();
    void firstPageLeavesEarly();
    void nestedGroupSums();
    void bandHeightEdges_data();
    void bandHeightEdges();
    void emptySourcePrintsSummary();
    void unknownFieldRefused();
    void wrapGrowsBand();
    void memoGrowsWithHeadline();
    void memoPlainTextAndBadRtf();
};
