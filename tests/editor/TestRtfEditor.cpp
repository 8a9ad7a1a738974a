#include "TestRtfEditor.h"

#include "Fonts.h"
#include "Form_HtmlColor.h"
#include "Form_RtfSearchAndReplace.h"
#include "Frame_RtfEditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

namespace
{

// The format of the character at index.
QTextCharFormat charAt(QTextEdit *edit, int index)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(index + 1);
    return cursor.charFormat();
}

void select(QTextEdit *edit, int from, int to)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

void moveTo(QTextEdit *edit, int position)
{
    select(edit, position, position);
}

} // namespace

void TestRtfEditor::cleanup()
{
    Tfrm_HtmlColor::Answer = nullptr;
}

void TestRtfEditor::boldWithoutSelectionSetsTypingAttributes()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("abc"));
    moveTo(editor.re_Rtf, 3);
    editor.ac_StdBold->trigger();
    QVERIFY(editor.ac_StdBold->isChecked());
    QTest::keyClicks(editor.re_Rtf, QStringLiteral("XY"));
    QCOMPARE(editor.re_Rtf->toPlainText(), QStringLiteral("abcXY"));
    QVERIFY(charAt(editor.re_Rtf, 3).font().bold());
    QVERIFY(charAt(editor.re_Rtf, 4).font().bold());
    QVERIFY(!charAt(editor.re_Rtf, 2).font().bold()); // the existing text stays as it was

    editor.ac_StdBold->trigger();
    QVERIFY(!editor.ac_StdBold->isChecked());
    QTest::keyClicks(editor.re_Rtf, QStringLiteral("Z"));
    QVERIFY(!charAt(editor.re_Rtf, 5).font().bold());
}

void TestRtfEditor::boldItalicUnderlineOnSelection()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("abcd"));
    select(editor.re_Rtf, 1, 3);
    editor.ac_StdBold->trigger();
    editor.ac_StdItalic->trigger();
    editor.ac_StdUnderline->trigger();
    for (int i : {1, 2}) {
        const QFont font = charAt(editor.re_Rtf, i).font();
        QVERIFY(font.bold() && font.italic() && font.underline());
    }
    for (int i : {0, 3}) { // first outside on each side
        const QFont font = charAt(editor.re_Rtf, i).font();
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
    }
    QVERIFY(editor.ac_StdBold->isChecked());
    editor.ac_StdBold->trigger(); // toggles off again
    QVERIFY(!charAt(editor.re_Rtf, 1).font().bold());
    QVERIFY(charAt(editor.re_Rtf, 1).font().italic());
}

void TestRtfEditor::colourFromDialog()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("rot"));
    editor.re_Rtf->selectAll();
    QString answer = QStringLiteral("#FF0000");
    bool ok = true;
    Tfrm_HtmlColor::Answer = [&](QString &result) {
        result = answer;
        return ok;
    };
    editor.ac_StdSetForground->trigger();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(charAt(editor.re_Rtf, i).foreground().color(), QColor(255, 0, 0));

    answer = QStringLiteral("#0000FF");
    ok = false; // cancelled: no change
    editor.ac_StdSetForground->trigger();
    QCOMPARE(charAt(editor.re_Rtf, 0).foreground().color(), QColor(255, 0, 0));

    answer = QStringLiteral("#12G456");
    ok = true; // not a colour: no change
    editor.ac_StdSetForground->trigger();
    QCOMPARE(charAt(editor.re_Rtf, 0).foreground().color(), QColor(255, 0, 0));

    answer.clear(); // "Ok" without a swatch: black
    editor.ac_StdSetForground->trigger();
    QCOMPARE(charAt(editor.re_Rtf, 0).foreground().color(), QColor(0, 0, 0));

    answer = QStringLiteral("#00FF80");
    moveTo(editor.re_Rtf, 3);
    editor.ac_StdSetForground->trigger();
    QTest::keyClicks(editor.re_Rtf, QStringLiteral("g"));
    QCOMPARE(charAt(editor.re_Rtf, 3).foreground().color(), QColor(0, 255, 128));
    QCOMPARE(charAt(editor.re_Rtf, 2).foreground().color(), QColor(0, 0, 0));
}

void TestRtfEditor::editorTextRoundTrip()
{
    Tfrm_RtfEditor editor;
    const QString text = QStringLiteral("Zeile 1 äöü\nZeile 2");
    editor.SetEditorText(1, text);
    QCOMPARE(editor.GetEditorText(1), text);
    QVERIFY(!editor.IsModified());

    select(editor.re_Rtf, 0, 5);
    editor.ac_StdBold->trigger();
    Tfrm_HtmlColor::Answer = [](QString &result) {
        result = QStringLiteral("#FF0000");
        return true;
    };
    select(editor.re_Rtf, 8, 11);
    editor.ac_StdSetForground->trigger();
    QVERIFY(editor.IsModified());
    const QString rtf = editor.GetEditorText(2);
    QVERIFY(rtf.startsWith(QStringLiteral("{\\rtf")));

    Tfrm_RtfEditor copy;
    copy.SetEditorText(2, rtf);
    QVERIFY(!copy.IsModified());
    QCOMPARE(copy.GetEditorText(1), text);
    QVERIFY(charAt(copy.re_Rtf, 4).font().bold());
    QVERIFY(!charAt(copy.re_Rtf, 5).font().bold());
    QCOMPARE(charAt(copy.re_Rtf, 8).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(charAt(copy.re_Rtf, 10).foreground().color(), QColor(255, 0, 0));
    QVERIFY(charAt(copy.re_Rtf, 11).foreground().color() != QColor(255, 0, 0));

    copy.SetEditorText(2, QStringLiteral("kein RTF {\\b x}")); // shown as plain text
    QCOMPARE(copy.GetEditorText(1), QStringLiteral("kein RTF {\\b x}"));
}

void TestRtfEditor::otherModesChangeNothing()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("bleibt"));
    for (int mode : {0, 3, -1})
        editor.SetEditorText(mode, QStringLiteral("anders"));
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("bleibt"));
    QVERIFY(editor.GetEditorText(0).isEmpty());
    QVERIFY(editor.GetEditorText(3).isEmpty());
}

void TestRtfEditor::mirrorsAttributesAtCaret()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("fett\nrechts\nfrei"));
    QTextCursor cursor(editor.re_Rtf->document());
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centre);
    cursor.setPosition(5);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    QTextCharFormat font;
    font.setFontFamilies({QStringLiteral("Liberation Sans")});
    font.setFontPointSize(12);
    font.setFontItalic(true);
    cursor.mergeCharFormat(font);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.mergeBlockFormat(right);
    cursor.setPosition(12);
    cursor.setPosition(16, QTextCursor::KeepAnchor);
    QTextCharFormat odd;
    odd.setFontPointSize(11); // no such entry in the size list
    cursor.mergeCharFormat(odd);

    moveTo(editor.re_Rtf, 2);
    QVERIFY(editor.ac_StdBold->isChecked());
    QVERIFY(!editor.ac_StdItalic->isChecked());
    QVERIFY(editor.ac_StdCenter->isChecked());
    QVERIFY(!editor.ac_StdLeft->isChecked() && !editor.ac_StdRight->isChecked());
    QCOMPARE(editor.cob_FontNames_Rtf->currentText(), editor.re_Rtf->font().family());
    QCOMPARE(editor.cob_FontSizes_Rtf->currentText(), QStringLiteral("10"));

    moveTo(editor.re_Rtf, 8);
    QVERIFY(!editor.ac_StdBold->isChecked());
    QVERIFY(editor.ac_StdItalic->isChecked());
    QVERIFY(editor.ac_StdRight->isChecked());
    QVERIFY(!editor.ac_StdLeft->isChecked() && !editor.ac_StdCenter->isChecked());
    QCOMPARE(editor.cob_FontNames_Rtf->currentText(), QStringLiteral("Liberation Sans"));
    QCOMPARE(editor.cob_FontSizes_Rtf->currentText(), QStringLiteral("12"));

    moveTo(editor.re_Rtf, 14);
    QVERIFY(editor.ac_StdLeft->isChecked());
    // text in a family that is not installed names the family drawn instead
    QTextCharFormat missing;
    missing.setFontFamilies({QStringLiteral("Keine Solche Schrift")});
    QTextCursor all(editor.re_Rtf->document());
    all.setPosition(14);
    all.setPosition(15, QTextCursor::KeepAnchor);
    all.mergeCharFormat(missing);
    moveTo(editor.re_Rtf, 15);
    QVERIFY(editor.cob_FontNames_Rtf->currentIndex() >= 0);
    QVERIFY(!editor.cob_FontNames_Rtf->currentText().isEmpty());
    QVERIFY(!editor.ac_StdCenter->isChecked() && !editor.ac_StdRight->isChecked());
    QCOMPARE(editor.cob_FontSizes_Rtf->currentIndex(), -1);
    QVERIFY(!editor.ac_StdBulletList->isChecked());

    editor.ac_StdBulletList->trigger();
    QVERIFY(editor.re_Rtf->textCursor().currentList());
    QVERIFY(editor.ac_StdBulletList->isChecked());
    moveTo(editor.re_Rtf, 2);
    QVERIFY(!editor.ac_StdBulletList->isChecked());
    moveTo(editor.re_Rtf, 14);
    editor.ac_StdBulletList->trigger();
    QVERIFY(!editor.re_Rtf->textCursor().currentList());
    QVERIFY(!editor.ac_StdBulletList->isChecked());

    editor.ac_StdCenter->trigger();
    QCOMPARE(editor.re_Rtf->document()->findBlock(14).blockFormat().alignment() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QVERIFY(editor.ac_StdCenter->isChecked() && !editor.ac_StdLeft->isChecked());
}

void TestRtfEditor::fontListsChooseNameAndSize()
{
    Tfrm_RtfEditor editor;
    QVERIFY(editor.cob_FontNames_Rtf->count() > 1);
    QCOMPARE(editor.cob_FontNames_Rtf->currentText(), editor.re_Rtf->font().family());
    QCOMPARE(editor.cob_FontSizes_Rtf->currentText(), QStringLiteral("10"));

    editor.SetEditorText(1, QStringLiteral("ab"));
    moveTo(editor.re_Rtf, 2);
    emit editor.cob_FontNames_Rtf->textActivated(QStringLiteral("Liberation Sans"));
    // The size list is refilled and shows its first size, which is not applied.
    QCOMPARE(editor.cob_FontSizes_Rtf->currentText(), QStringLiteral("5"));
    emit editor.cob_FontSizes_Rtf->textActivated(QStringLiteral("14"));
    QTest::keyClicks(editor.re_Rtf, QStringLiteral("c"));
    const QTextCharFormat typed = charAt(editor.re_Rtf, 2);
    QCOMPARE(typed.fontFamilies().toStringList(), QStringList{"Liberation Sans"});
    QCOMPARE(typed.fontPointSize(), 14.0);

    emit editor.cob_FontSizes_Rtf->textActivated(QStringLiteral("1x")); // ignored
    QCOMPARE(editor.re_Rtf->currentCharFormat().fontPointSize(), 14.0);

    // A family without sizes leaves the size text empty.
    editor.Fonts().Add(QStringLiteral("Ohne Größen"), {});
    editor.cob_FontNames_Rtf->addItem(QStringLiteral("Ohne Größen"));
    emit editor.cob_FontNames_Rtf->textActivated(QStringLiteral("Ohne Größen"));
    QCOMPARE(editor.cob_FontSizes_Rtf->count(), 0);
    QVERIFY(editor.cob_FontSizes_Rtf->currentText().isEmpty());
}

void TestRtfEditor::cutCopyFollowSelection()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("abc"));
    moveTo(editor.re_Rtf, 1);
    QVERIFY(!editor.ac_StdCut->isEnabled() && !editor.ac_StdCopy->isEnabled());
    QVERIFY(editor.ac_StdPaste->isEnabled());
    select(editor.re_Rtf, 1, 2);
    QVERIFY(editor.ac_StdCut->isEnabled() && editor.ac_StdCopy->isEnabled());
    editor.ac_StdDelete->trigger();
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("ac"));
    QVERIFY(!editor.ac_StdCut->isEnabled());
    editor.ac_StdSelectAll->trigger();
    QCOMPARE(editor.re_Rtf->textCursor().selectedText(), QStringLiteral("ac"));
}

void TestRtfEditor::undoAndRedo()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("a"));
    moveTo(editor.re_Rtf, 1);
    QTest::keyClicks(editor.re_Rtf, QStringLiteral("b"));
    editor.ac_StdUndo->trigger();
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("a"));
    editor.ac_StdRedo->trigger();
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("ab"));
}

void TestRtfEditor::buttonConfigurationHidesDesignerAndTagIndent()
{
    Tfrm_RtfEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    for (QAction *action : {editor.ac_HtmlDesigner, editor.ac_HtmlTagIndent}) {
        QVERIFY(!action->isVisible());
        QVERIFY(!action->isEnabled());
        QWidget *button = editor.tlb_RtfFormat->widgetForAction(action);
        QVERIFY(!button || !button->isVisible());
    }
    QVERIFY(editor.tlb_RtfFormat->widgetForAction(editor.ac_StdBold)->isVisible());

    QStringList commands;
    editor.OnEditorCommand = [&](QObject *sender, const QString &command, bool &) {
        QCOMPARE(sender, &editor);
        commands << command;
    };
    editor.ApplyButtonConfiguration(QStringLiteral("ACTION=Designer,visible=true,enabled=true|"
                                                   "action=tagindent,visible=true"));
    QVERIFY(editor.ac_HtmlDesigner->isVisible() && editor.ac_HtmlDesigner->isEnabled());
    QVERIFY(editor.ac_HtmlTagIndent->isVisible() && !editor.ac_HtmlTagIndent->isEnabled());
    editor.ac_HtmlDesigner->trigger();
    QCOMPARE(commands, QStringList{"Designer"});
}

void TestRtfEditor::layoutAndEdit()
{
    Tfrm_RtfEditor editor;
    QCOMPARE(editor.re_Rtf->lineWrapMode(), QTextEdit::NoWrap);
    editor.ac_WordWrap->trigger();
    QCOMPARE(editor.re_Rtf->lineWrapMode(), QTextEdit::WidgetWidth);
    editor.ac_WordWrap->trigger();
    QCOMPARE(editor.re_Rtf->lineWrapMode(), QTextEdit::NoWrap);
    QVERIFY(QFontInfo(editor.re_Rtf->font()).fixedPitch());
    QCOMPARE(editor.re_Rtf->font().pointSize(), 10);

    QStringList menu;
    for (QAction *action : editor.pmu_Rtf->actions())
        menu << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(menu.join(u'|'), QStringLiteral("Speichern|Speichern unter|-|&Rückgängig|"
                                             "&Wiederherstellen|-|&Ausschneiden|&Kopieren|"
                                             "&Einfügen|Löschen|-|Alles auswählen"));
    QCOMPARE(editor.ac_StdSaveDoc->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(editor.ac_StdRedo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));

    editor.SetEditorText(1, QStringLiteral("x"));
    moveTo(editor.re_Rtf, 0);
    editor.ac_StdLeftIndent->trigger();
    editor.ac_StdRightIndent->trigger();
    const QTextBlockFormat block = editor.re_Rtf->textCursor().blockFormat();
    const qreal tenPoints = 10.0 * editor.re_Rtf->logicalDpiY() / 72.0;
    QCOMPARE(block.leftMargin(), tenPoints);
    QCOMPARE(block.rightMargin(), tenPoints);
}

void TestRtfEditor::searchDialogCreatedOnceAndKept()
{
    Tfrm_RtfEditor editor;
    QTest::keyRelease(editor.re_Rtf, Qt::Key_F3); // before any search: nothing happens
    QVERIFY(!editor.SearchDialog());
    // A user who closes every dialog and message box that comes up.
    QTimer closer;
    QStringList closed;
    QObject::connect(&closer, &QTimer::timeout, [&closed] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible()) {
                closed << dialog->metaObject()->className();
                dialog->reject();
            }
        }
    });
    closer.start(10);
    editor.ac_StdSearch->trigger();
    Tfrm_RtfSearchAndReplace *dialog = editor.SearchDialog();
    QVERIFY(dialog);
    editor.ac_StdSearchAndReplace->trigger();
    QCOMPARE(editor.SearchDialog(), dialog);
    QCOMPARE(closed, (QStringList{QStringLiteral("Tfrm_RtfSearchAndReplace"),
                                  QStringLiteral("Tfrm_RtfSearchAndReplace")}));
    // F3 repeats the last search without the dialog: nothing to find, so only the message.
    QTest::keyRelease(editor.re_Rtf, Qt::Key_F3);
    QCOMPARE(closed.size(), 3);
    QCOMPARE(closed.last(), QStringLiteral("QMessageBox"));
}

void TestRtfEditor::everyControlHasAnAccessibleName()
{
    Tfrm_RtfEditor editor;
    editor.resize(300, 200); // narrow: the toolbars show their extension buttons
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QStringList unnamed;
    const auto widgets = editor.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool control =
            qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
            qobject_cast<QTextEdit *>(widget) || qobject_cast<QToolBar *>(widget) ||
            qobject_cast<QStatusBar *>(widget) || qobject_cast<QMenu *>(widget);
        if (control && widget->accessibleName().isEmpty())
            unnamed << widget->metaObject()->className() + QStringLiteral(" ") +
                           widget->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QCOMPARE(editor.tlb_RtfEdit->widgetForAction(editor.ac_StdSaveDoc)->accessibleName(),
             QStringLiteral("Speichern"));
    QCOMPARE(editor.cob_FontNames_Rtf->accessibleName(), QStringLiteral("Select Font"));
}
