#pragma once
#include <QObject>

class TestPageControlDrawer : public QObject
{
    Q_OBJECT
private slots:
    void optionTextChoosesPageAndLook();
    void hiddenTabsKeepThePage();
    void stripAndTabColours();
    void noVisibleActiveTabDrawsNoStrip();
    void arrowMiddleAndGradient();
    void unregisteringGivesTheControlBack();
};
