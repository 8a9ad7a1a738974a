#pragma once
#include <QObject>

class TestPreviewPaging : public QObject
{
    Q_OBJECT
private slots:
    void pageCommandsFollowThePage();
    void statusAndPageFieldsNameThePage();
    void pageFieldTakesWholeNumbersOnly();
    void gotoPageAsksAndClamps();
    void downAndUpWalkThroughAllPages();
    void pageUpAndDownScrollByScreens();
    void damagedPageShowsItsError();
    void twoThousandPagesPageQuickly();
};
