#pragma once
#include <QObject>

class TestTextSearch : public QObject
{
    Q_OBJECT
private slots:
    void LiteralCaseAndRegion();
    void WholeWords();
    void RegularExpressions();
    void Backward();
};
