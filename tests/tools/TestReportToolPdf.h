#pragma once
#include <QObject>

class TestReportToolPdf : public QObject
{
    Q_OBJECT
private slots:
    void fiscalYearFiguresAndTotals();
    void headlineKeepsItsFormatting();
    void longReportRepeatsAccountHeaders();
    void scheduleOfSelectedAssets();
    void pdfNeedsAnOutputFile();
};
