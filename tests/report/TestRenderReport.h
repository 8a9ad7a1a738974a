#pragma once
#include <QObject>

class TestRenderReport : public QObject
{
    Q_OBJECT
private slots:
    void reportOfModeTakesTheFirstBit();
    void parametersDateAndHeadline();
    void componentsFoundWithoutRegardToCase();
    void missingProjectFileEmptiesAndRestores();
    void unknownReportLeavesTheStreamEmpty();
    void projectFileReadAgainAtEveryRender();
    void tempFolderFromTheEnvironment();
    void runFilesDeletedByPattern();
    void dataModuleReportsRenderItsRows();
};
