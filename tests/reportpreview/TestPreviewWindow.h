#pragma once
#include <QObject>

class TestPreviewWindow : public QObject
{
    Q_OBJECT
private slots:
    void everyControlIsNamed();
    void embeddedUseHidesExit();
    void characterKeysOnItsOwn();
    void keysInAnotherWidget();
    void emptyStateIgnoresMoves();
    void clearForgetsTheReport();
    void damagedStreamLeavesNoOldReport();
    void hostDeletedBeforePreview();
    void previewDeletedBeforeHost();
    void busyWhilePrintingOrSaving();
};
