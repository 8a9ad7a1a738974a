#pragma once
#include <QObject>

class TestSnapshotPainter : public QObject
{
    Q_OBJECT

private slots:
    void paintsFilledRectWhereItBelongs();
    void paintsTextInsideItsBoxOnly();
    void alignsTextInItsBox();
    void pointSizeIsTheSameOnEveryDevice();
    void paintsRichTextAndLines();
    void damagedValuesDoNotCrash();
};
