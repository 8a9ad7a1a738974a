#pragma once
#include <QObject>

// The report tool on a database cut short on disk: an error, never a short report.
class TestDamagedDatabaseTool : public QObject
{
    Q_OBJECT
private slots:
    void cutDatabaseGivesErrorAndNoRows_data();
    void cutDatabaseGivesErrorAndNoRows();
};
