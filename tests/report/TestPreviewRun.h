#pragma once
#include <QObject>

class TestPreviewRun : public QObject
{
    Q_OBJECT
private slots:
    void yearLineAndHeader();
    void emptyLineBeforeLaterAssets();
    void wideValueShiftsColouredPieces();
    void headlinePlaceholder();
    void runHeadlineUnchanged();
    void headlineYearOutsideTheCalendar();
};
