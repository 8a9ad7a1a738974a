#pragma once
#include <QObject>

// Reading select lists and ORDER BY clauses out of statement texts, and writing the clause.
class TestGridSortItems : public QObject
{
    Q_OBJECT
private slots:
    void splitItemsEdges();
    void parsersReadTheItems();
    void sortNameOfLookupFields();
    void randomStatementsNeverCrash();
};
