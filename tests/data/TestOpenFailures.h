#pragma once
#include <QObject>

// A database that cannot be attached is named with what is wrong and what to do.
class TestOpenFailures : public QObject
{
    Q_OBJECT
private slots:
    void missingFile();
    void damagedFile();
    void fileInUseByAnotherProcess();
};
