#pragma once
#include <QObject>

class TestPdfRenderer : public QObject
{
    Q_OBJECT

private slots:
    void writesSearchableTextOnEveryPage();
    void writesEachPageOnItsPaper();
    void unwritableFileIsNamedAndTheOldFileStays();
    void refusesMissingNameAndEmptySnapshot();
    void registryListsLiveRenderersInOrder();
};
