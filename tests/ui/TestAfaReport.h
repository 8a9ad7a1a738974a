#pragma once
#include <QObject>

class TestAfaReport : public QObject
{
    Q_OBJECT
private slots:
    void modeChoosesTheReport();
    void emptyModeAndMissingReportShowTheEmptyState();
    void missingProjectFileLeavesThePreview();
    void clearEmptiesThePreview();
    void printPreviewButtonShowsTheReport();
    void qtDialogsSpeakGerman();
};
