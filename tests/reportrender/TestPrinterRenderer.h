#pragma once
#include <QObject>

class TestPrinterRenderer : public QObject
{
    Q_OBJECT

private slots:
    void printsTheChosenPages_data();
    void printsTheChosenPages();
    void refusesEmptyChoicesAndMissingSnapshot();
    void takesItsOwnSettingsOnlyWhenTold();
    void printerDeviceWithoutPrinters();
};
