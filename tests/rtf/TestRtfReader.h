#pragma once
#include <QObject>

// Reading RTF: code page and Unicode, character and paragraph formats, tables, lists,
// skipped groups, plain text, and a file written by LibreOffice.
class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void codePageAndUnicode_data();
    void codePageAndUnicode();
    void characterFormats();
    void fontTableAndDefaultFont();
    void colourTable();
    void paragraphFormats();
    void paragraphEnds_data();
    void paragraphEnds();
    void listTableBullets();
    void oldStyleBullets();
    void skippedGroups();
    void plainText();
    void loadRtfTextFromString();
    void libreOfficeHeadline();
    void libreOfficeLists();
};
