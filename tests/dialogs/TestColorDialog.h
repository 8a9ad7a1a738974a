#pragma once
#include <QObject>

class TestColorDialog : public QObject
{
    Q_OBJECT
private slots:
    void CellColours();
    void ClickOutlinesAndReports();
    void LastRowPairs();
    void OkWithoutClickIsEmpty();
    void OutlinesCurrentColourAfterOpening();
    void RunUsesTheAnswer();
    void RunShowsTheDialog();
};
