#pragma once
#include <QObject>

// Databases cut short on disk: every read that ends early is an error, never a short result.
class TestDamagedDatabase : public QObject
{
    Q_OBJECT
private slots:
    void cutAssetTableRaisesOnOpen();
    void cutMovementTableRaisesOnLoad();
    void intactCopyReadsEveryRow();
};
