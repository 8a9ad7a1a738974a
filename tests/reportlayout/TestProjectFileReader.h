#pragma once
#include <QObject>

// The project file reader: what it reads, its defaults, the errors with file, line and
// column, the limits at their edges, and random damage.
class TestProjectFileReader : public QObject
{
    Q_OBJECT
private slots:
    void readsExample();
    void defaultsAndInheritedFont();
    void missingFile();
    void malformedNamesLineAndColumn();
    void ruleBreaks_data();
    void ruleBreaks();
    void lengthEdges();
    void nestingLimit();
    void sizeLimit();
    void randomMutations();
};
