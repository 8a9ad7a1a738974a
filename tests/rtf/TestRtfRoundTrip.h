#pragma once
#include <QObject>

// Writing RTF and reading it back: every attribute survives, the source is 7-bit and
// keeps a placeholder of one format in one piece.
class TestRtfRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void everyAttributeSurvives();
    void writingIsStable();
    void sourceIsSevenBitWithTables();
    void umlautsAndEuro();
    void placeholderInSource();
    void documentFromHtml();
    void emptyDocument();
};
