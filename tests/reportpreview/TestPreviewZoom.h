#pragma once
#include <QObject>

class TestPreviewZoom : public QObject
{
    Q_OBJECT
private slots:
    void zoomFieldKeepsTheRange();
    void zoomFieldRejectsASecondDecimal();
    void wheelTimersPerDirection();
    void wheelOverThePageZooms();
    void fittedZoomsFitTheArea();
    void wholePageScreenshot();
};
