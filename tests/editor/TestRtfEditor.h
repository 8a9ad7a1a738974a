#pragma once
#include <QObject>

class TestRtfEditor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void boldWithoutSelectionSetsTypingAttributes();
    void boldItalicUnderlineOnSelection();
    void colourFromDialog();
    void editorTextRoundTrip();
    void otherModesChangeNothing();
    void mirrorsAttributesAtCaret();
    void fontListsChooseNameAndSize();
    void cutCopyFollowSelection();
    void undoAndRedo();
    void buttonConfigurationHidesDesignerAndTagIndent();
    void layoutAndEdit();
    void searchDialogCreatedOnceAndKept();
    void everyControlHasAnAccessibleName();
};
