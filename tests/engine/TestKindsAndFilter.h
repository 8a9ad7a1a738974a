#pragma once
#include <QObject>

class TestKindsAndFilter : public QObject
{
    Q_OBJECT
private slots:
    void kindFromCode_data();
    void kindFromCode();
    void codeFromKindLeavesTargetForUnknownValue();
    void setKindCode();
    void setFlags();
};
