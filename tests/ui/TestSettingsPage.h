#pragma once
#include <QObject>

class TestSettingsPage : public QObject
{
    Q_OBJECT
private slots:
    void layoutAndHintText();
    void neverSavedHeadlineLoadsEmpty();
    void saveStoresUnderTheCheckedButton();
    void switchingWithEditsAsks();
    void headlineReachesBothTargets();
};
