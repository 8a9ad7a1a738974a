#pragma once
#include <QObject>

class TestSnapshotStream : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryItemKind();
    void roundTripKeepsManyPagesAndTheTitle();
    void writerWritesEachPageAsItComes();
    void repeatedFontsCostNothing();
    void writerTakesPagesOnlyWithAStream();
    void writerRefusesBadPagesAndAWrongCount();
    void failingStreamIsAnError();
    void emptyDataIsAnEmptySnapshot();
    void pageOutsideTheCountIsAnError();
    void truncatedSnapshotIsRefused();
    void foreignAndNewerDataAreRefused();
    void flippedBytesNeverCrash();
    void bogusLengthsAreRefused();
    void failedLoadKeepsThePreviousSnapshot();
};
