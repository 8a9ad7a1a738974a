#pragma once
#include <QObject>

// The field binder in QDataWidgetMapper's shape, with real controls.
class TestBinderMapping : public QObject
{
    Q_OBJECT
private slots:
    void mappingsTakeTheUserProperty();
    void controlsWriteTheirFields();
    void currentIndexIsTheStoresRow();
    void revertDropsAndSubmitWritesTypedText();
    void removedMappingLeavesTheControlAlone();
};
