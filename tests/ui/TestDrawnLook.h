#pragma once
#include <QObject>

class TestDrawnLook : public QObject
{
    Q_OBJECT
private slots:
    void mainWindowRegistersAndUnregisters();
    void aboutKeepsItsPageWithoutTabs();
    void dialogsDrawTheirButtons();
};
