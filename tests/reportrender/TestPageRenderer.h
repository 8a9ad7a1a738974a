#pragma once
#include <QObject>

class TestPageRenderer : public QObject
{
    Q_OBJECT

private slots:
    void showPageClampsToTheRange();
    void nextAndPreviousWrapWithTwoPagesOrMore();
    void onePageStaysOnPageOne();
    void zoomClampsAt10And200();
    void zoomOutDoesNothingAtOrBelowOneStep();
    void everyChangeNotifies();
    void inactiveOrEmptyDoesNothing();
    void factorsFitThePageIntoTheViewport();
    void rendersThePageWithItsMargin();
};
