#pragma once
#include <QObject>

// Hostile input: limits, clean errors that leave the document alone, random mutations,
// and the inputs the fuzzer found.
class TestRtfRobustness : public QObject
{
    Q_OBJECT
private slots:
    void nestingLimit();
    void sizeLimits();
    void extremeParameters();
    void tableLimits();
    void fuzzerFindings_data();
    void fuzzerFindings();
    void randomMutations();
};
