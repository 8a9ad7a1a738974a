#pragma once
#include <QObject>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void versionFromTheProgramsFile();
    void versionBlockRefusesDamage();
    void hintWrapsAtBlanksOrCuts();
    void windowGrowsForALongColumn();
    void systemLinesFromOsRelease();
};
