#pragma once
#include <QObject>

// The report project: opening on selection, case-insensitive names, parameters and data
// connections, closing, and the checks before a run.
class TestReportProject : public QObject
{
    Q_OBJECT
private slots:
    void selectOpensAndIgnoresCase();
    void missingFileNamesIt();
    void closeForgetsAndRereads();
    void parametersAndConnections();
    void runChecks();
    void runRendersIntoTheEnginesSink();
};
