#pragma once
#include <QObject>

// The welcome document built beside the program, and the page that shows it or says why it
// cannot.
class TestIntroPage : public QObject
{
    Q_OBJECT
private slots:
    void builtDocumentIsA4WithSeveralPages();
    void builtDocumentNamesTheProgramsTexts_data();
    void builtDocumentNamesTheProgramsTexts();
    void missingFileShowsMessageNamingThePath();
    void damagedFileShowsMessage_data();
    void damagedFileShowsMessage();
    void pathWithBlanksAndUmlautsLoads();
    void otherThanLocalFileShowsMessage();
    void sameUrlIsLoadedOnce();
    void failedLoadIsTriedAgain();
};
