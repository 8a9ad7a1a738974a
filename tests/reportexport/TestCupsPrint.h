#pragma once
#include "ScratchCups.h"

#include <QObject>

// Prints through a real CUPS scheduler of the test's own (ScratchCups).
class TestCupsPrint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void dialogShowsThePrinter();
    void permissionsDisableTheirControls_data();
    void permissionsDisableTheirControls();
    void printsTwoCopiesOfTwoPages();
    void refusingQueueIsReported();

private:
    ScratchCups m_cups;
};
