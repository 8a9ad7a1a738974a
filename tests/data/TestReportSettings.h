#pragma once
#include <QObject>

// The report row store and the settings store.
class TestReportSettings : public QObject
{
    Q_OBJECT
private slots:
    void reportRowsReadInIndexOrder();
    void reportBatchIsOneTransaction();
    void batchRowsSortedAsReadAgain();
    void reportStoreNeedsItsIndex();
    void inMemoryReportSetStaysClosed();
    void reportColumnsMatchTheTable();
    void settingRowCreatedOnFirstRead();
    void settingWrittenBeforeRead();
    void settingContentRoundTrips();
    void settingKeysAreIndependent();
};
