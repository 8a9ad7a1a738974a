#pragma once
#include <QObject>

class TestSaveSnapshot : public QObject
{
    Q_OBJECT
private slots:
    void savesInTheChosenFormat_data();
    void savesInTheChosenFormat();
    void cancelWritesNothing();
    void failedSaveEnablesTheToolbarAndReports_data();
    void failedSaveEnablesTheToolbarAndReports();
    void fileDialogOffersTheFormats();
};
