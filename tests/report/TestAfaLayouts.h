#pragma once
#include <QObject>

class TestAfaLayouts : public QObject
{
    Q_OBJECT
private slots:
    void shippedProjectHasTheFourReports();
    void fiscalYearReportMatchesItsGoldenDump();
    void scheduleReportMatchesItsGoldenDump();
    void testReportIsOnePage();
    void emptyReportHasNoPage();
};
