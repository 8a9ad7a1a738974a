#pragma once
#include <QObject>

class TestTextPreview : public QObject
{
    Q_OBJECT
private slots:
    void headerTemplate();
    void piecesKeepTheirPositions();
    void flushColoursEachPiece();
    void widePieceShiftsTheRest();
    void linesFollowUnterminatedText();
    void multiLinePieceBecomesSeveralLines();
};
