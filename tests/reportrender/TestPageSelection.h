#pragma once
#include <QObject>

class TestPageSelection : public QObject
{
    Q_OBJECT

private slots:
    void selects_data();
    void selects();
    void refusesBadText_data();
    void refusesBadText();
};
