#pragma once
#include <QObject>

class TestPrintSnapshot : public QObject
{
    Q_OBJECT
private slots:
    void withoutReportTellsAndDoesNothing_data();
    void withoutReportTellsAndDoesNothing();
    void jobsFollowTheDriversCopies_data();
    void jobsFollowTheDriversCopies();
    void printsTheChosenPages();
    void cancelPrintsNothing();
    void refusedInputPrintsNothing();
    void withoutSetupPermissionPrintsAtOnce();
    void notAllowedFromThePreviewPrintsNothing();
    void failedPrintIsReported_data();
    void failedPrintIsReported();
};
