#pragma once
#include <QObject>

// The entry stores of the data module against a real embedded database.
class TestStores : public QObject
{
    Q_OBJECT
private slots:
    void missingDatabaseIsNotCreated();
    void openingAssetsOpensTheOthers();
    void newAssetDefaults();
    void beforePostFillsMissingValues();
    void cancelledRowLeavesGeneratorGap();
    void movementsFollowTheCurrentAsset();
    void lookupFollowsAccountJoinStaysStale();
    void textFormsThroughTheAssetStore();
    void floatFieldsShowTheStandardForm();
    void refusedPostKeepsTheRow_data();
    void refusedPostKeepsTheRow();
    void usefulLifeLimitedToHundredYears();
    void concurrentChangeIsReported();
    void deletedAssetTakesItsMovements();
    void usedAccountCannotBeDeleted();
    void usedRowsKeepTheirId();
    void missingLinearKindLeavesKindNull();
    void walkAsMovementCursor();
    void tableInsertFollowsWritableColumns();
    void appendRecordInFieldOrder();
    void openEmptyReadsOnlyWithoutFields();
};
