#pragma once
#include <QObject>

class TestSearchDialog : public QObject
{
    Q_OBJECT
private slots:
    void OptionListPerMode();
    void OptionsAtEveryOpening();
    void FindSelectsMatchesAcrossParagraphs();
    void BackwardSearches();
    void NotFoundMessage();
    void ReplaceAnswers();
    void ReplaceAllEnds();
    void ReplaceInSelectionOnly();
    void WholeWordsAndRegularExpressions();
    void ButtonsLeaveTheDrawer();
    void ModalRunAndAccessibleNames();
};
