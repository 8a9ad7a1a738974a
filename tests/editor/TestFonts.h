#pragma once
#include <QObject>

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void sizesSortNumerically();
    void namesStaySortedAndUnique();
    void enumerateGivesScalableSizes();
};
