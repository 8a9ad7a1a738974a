#pragma once
#include <QObject>

class TestSpeedButtonDrawer : public QObject
{
    Q_OBJECT
private slots:
    void greyGlyphOfADisabledButton();
    void faceOutlineAndBackground();
    void mouseStatesLastOnePaint();
    void checkedToolBarButtonLooksUnchecked();
    void registeringTwiceInterceptsOnce();
    void onlyPlainButtonsAreIntercepted();
    void glyphAndCaptionPlacement();
    void painterSlotsOfTheHolder();
};
