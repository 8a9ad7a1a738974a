#pragma once
#include <QObject>

// Buffered rows put in index order without the database.
class TestIndexSort : public QObject
{
    Q_OBJECT
private slots:
    void rowsInOrderStay_data();
    void rowsInOrderStay();
    void emptyValuesFirst();
    void equalKeysKeepTheirOrder();
    void laterKeyPartsDecideTies();
    void numbersByValueWhateverTheirType();
    void dateTimesByWallClock();
    void textsByValue();
};
