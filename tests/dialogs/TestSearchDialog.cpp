#include "TestSearchDialog.h"

#include "BoxAnswerer.h"
#include "Form_RtfSearchAndReplace.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace
{
enum { Case, WholeWords, Regular, Confirm };

// An edit with its dialog; the dialog opens non-modally so the test can drive it.
struct TSearchFixture {
    QTextEdit Edit;
    Tfrm_RtfSearchAndReplace Dialog;
    QStringList Asked; // the selected text at each "Ersetzen ?"
    QList<QMessageBox::StandardButton> Answers;

    explicit TSearchFixture(const QString &text)
    {
        Edit.setPlainText(text);
        Dialog.Bind(&Edit);
        Dialog.AskReplace = [this] {
            Asked << Edit.textCursor().selectedText();
            return Answers.isEmpty() ? QMessageBox::Cancel : Answers.takeFirst();
        };
    }
    void Open(bool replace)
    {
        Dialog.SetMode(replace);
        Dialog.show();
    }
    void Set(int option, bool on)
    {
        Dialog.lst_Options->item(option)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    bool IsSet(int option) const
    {
        return Dialog.lst_Options->item(option)->checkState() == Qt::Checked;
    }
    void Replace(const QString &search, const QString &by, bool all)
    {
        Dialog.edt_Search->setText(search);
        Dialog.edt_Replace->setText(by);
        QTest::mouseClick(all ? Dialog.btn_ReplaceAll : Dialog.btn_Ok, Qt::LeftButton);
    }
    void Find(const QString &search)
    {
        Dialog.edt_Search->setText(search);
        QTest::mouseClick(Dialog.btn_Ok, Qt::LeftButton);
    }
    QString Selected() const { return Edit.textCursor().selectedText(); }
};

} // namespace

void TestSearchDialog::OptionListPerMode()
{
    TSearchFixture f(QStringLiteral("x"));
    f.Open(false);
    QCOMPARE(f.Dialog.windowTitle(), QStringLiteral("Text suchen"));
    QCOMPARE(f.Dialog.lst_Options->count(), 3);
    QVERIFY(!f.Dialog.edt_Replace->isVisible());
    QVERIFY(!f.Dialog.btn_ReplaceAll->isVisible());
    QVERIFY(!f.Dialog.btn_Cancel->isVisible());
    const int searchHeight = f.Dialog.height();

    f.Open(true);
    QCOMPARE(f.Dialog.windowTitle(), QStringLiteral("Text ersetzen"));
    QCOMPARE(f.Dialog.lst_Options->count(), 4);
    QCOMPARE(f.Dialog.lst_Options->item(Confirm)->text(), QStringLiteral("Mit Bestätigung"));
    QVERIFY(f.IsSet(Confirm)); // checked the first time
    QVERIFY(f.Dialog.edt_Replace->isVisible());
    QCOMPARE(f.Dialog.height() - searchHeight, 34);
    // Buttons left to right in their order.
    QVERIFY(f.Dialog.btn_Ok->x() < f.Dialog.btn_Cancel->x());
    QVERIFY(f.Dialog.btn_Cancel->x() < f.Dialog.btn_ReplaceAll->x());

    // The height is one per mode, not shrinking at every opening.
    f.Open(false);
    f.Open(false);
    QCOMPARE(f.Dialog.height(), searchHeight);
    QCOMPARE(f.Dialog.lst_Options->count(), 3);
}

void TestSearchDialog::OptionsAtEveryOpening()
{
    TSearchFixture f(QStringLiteral("Wort wort"));
    f.Open(false);
    f.Set(Case, true);
    f.Dialog.rb_FromCursor->setChecked(true);
    f.Find(QStringLiteral("wort"));
    QVERIFY(f.Dialog.Options.CaseSensitive);
    QCOMPARE(f.Selected(), QStringLiteral("wort"));
    QVERIFY(!f.Dialog.isVisible()); // closed after the run

    f.Open(false);
    QVERIFY(!f.IsSet(Case));                      // unchecked again
    QVERIFY(f.Dialog.rb_FromCursor->isChecked()); // the groups keep their state
    QCOMPARE(f.Dialog.edt_Search->text(), QStringLiteral("wort"));

    // Search mode leaves no replace run behind but keeps the confirmation.
    f.Open(true);
    f.Set(Confirm, false);
    f.Dialog.rb_FromStart->setChecked(true);
    f.Replace(QStringLiteral("nichts"), QStringLiteral("x"), true);
    QVERIFY(f.Dialog.Options.ReplaceAll);
    f.Open(true);
    QVERIFY(!f.IsSet(Confirm));
    f.Set(Confirm, true);
    f.Replace(QStringLiteral("nichts"), QStringLiteral("x"), false);
    f.Open(false);
    f.Find(QStringLiteral("Wort"));
    QVERIFY(!f.Dialog.Options.ReplaceAll);
    QVERIFY(f.Dialog.Options.ReplaceText.isEmpty());
    f.Open(true);
    QVERIFY(f.IsSet(Confirm));
}

void TestSearchDialog::FindSelectsMatchesAcrossParagraphs()
{
    TSearchFixture f(QStringLiteral("Ziel eins\nzwei\n\nZiel drei ziel"));
    f.Open(false);
    f.Find(QStringLiteral("ziel"));
    QCOMPARE(f.Edit.textCursor().selectionStart(), 0);
    f.Dialog.FindNext(); // F3
    QCOMPARE(f.Selected(), QStringLiteral("Ziel"));
    QCOMPARE(f.Edit.textCursor().block().text(), QStringLiteral("Ziel drei ziel"));
    QCOMPARE(f.Edit.textCursor().positionInBlock(), 4);
    f.Dialog.FindNext();
    QCOMPARE(f.Edit.textCursor().positionInBlock(), 14);

    // "Ab Cursor" continues behind the selected match.
    TSearchFixture g(QStringLiteral("ab\nab ab"));
    QTextCursor cursor = g.Edit.textCursor();
    cursor.setPosition(1);
    g.Edit.setTextCursor(cursor);
    g.Open(false);
    g.Dialog.rb_FromCursor->setChecked(true);
    g.Find(QStringLiteral("ab"));
    QCOMPARE(g.Edit.textCursor().selectionStart(), 3);
    g.Open(false);
    g.Find(QStringLiteral("ab"));
    QCOMPARE(g.Edit.textCursor().selectionStart(), 6);
}

void TestSearchDialog::BackwardSearches()
{
    TSearchFixture f(QStringLiteral("ab ab ab"));
    TBoxAnswerer answerer;
    f.Open(false);
    f.Dialog.rb_Backward->setChecked(true);
    f.Find(QStringLiteral("ab")); // from "Textanfang"
    QCOMPARE(answerer.Shown, QStringList{QStringLiteral("Suchbegriff \"ab\" nicht gefunden !")});
    QVERIFY(!f.Edit.textCursor().hasSelection());

    QTextCursor cursor = f.Edit.textCursor();
    cursor.movePosition(QTextCursor::End);
    f.Edit.setTextCursor(cursor);
    f.Open(false);
    f.Dialog.rb_FromCursor->setChecked(true);
    f.Find(QStringLiteral("ab"));
    QCOMPARE(f.Edit.textCursor().selectionStart(), 6);
    f.Dialog.FindNext();
    QCOMPARE(f.Edit.textCursor().selectionStart(), 3);
    f.Dialog.FindNext();
    QCOMPARE(f.Edit.textCursor().selectionStart(), 0);
    f.Dialog.FindNext();
    QCOMPARE(answerer.Shown.size(), 2);
    QCOMPARE(f.Edit.textCursor().selectionStart(), 0);
}

void TestSearchDialog::NotFoundMessage()
{
    TSearchFixture f(QStringLiteral("Abschreibung"));
    TBoxAnswerer answerer;
    f.Open(false);
    f.Set(Case, true);
    f.Find(QStringLiteral("afa"));
    f.Open(false);
    f.Find(QString()); // an empty text finds nothing
    QCOMPARE(answerer.Shown, (QStringList{QStringLiteral("Suchbegriff \"afa\" nicht gefunden !"),
                                          QStringLiteral("Suchbegriff \"\" nicht gefunden !")}));
    // A replace run without a match ends silently.
    f.Open(true);
    f.Replace(QStringLiteral("afa"), QStringLiteral("x"), true);
    QCOMPARE(answerer.Shown.size(), 2);
    QVERIFY(f.Asked.isEmpty());
}

void TestSearchDialog::ReplaceAnswers()
{
    // "Alle" at the first question replaces every later match without asking.
    TSearchFixture f(QStringLiteral("x x\nx x"));
    f.Answers = {QMessageBox::YesToAll};
    f.Open(true);
    f.Replace(QStringLiteral("x"), QStringLiteral("yy"), true);
    QCOMPARE(f.Edit.toPlainText(), QStringLiteral("yy yy\nyy yy"));
    QCOMPARE(f.Asked, QStringList{QStringLiteral("x")}); // the match was selected when asked

    // No skips, yes replaces, cancel stops and keeps what was done.
    TSearchFixture g(QStringLiteral("a a a a"));
    g.Answers = {QMessageBox::No, QMessageBox::Yes, QMessageBox::Cancel};
    g.Open(true);
    g.Replace(QStringLiteral("a"), QStringLiteral("b"), true);
    QCOMPARE(g.Edit.toPlainText(), QStringLiteral("a b a a"));
    QCOMPARE(g.Asked.size(), 3);

    // "Ok" replaces one match only.
    TSearchFixture h(QStringLiteral("a a"));
    h.Answers = {QMessageBox::Yes, QMessageBox::Yes};
    h.Open(true);
    h.Replace(QStringLiteral("a"), QStringLiteral("b"), false);
    QCOMPARE(h.Edit.toPlainText(), QStringLiteral("b a"));
    QCOMPARE(h.Asked.size(), 1);
}

void TestSearchDialog::ReplaceAllEnds()
{
    const auto replaceAll = [](const QString &text, const QString &search, const QString &by) {
        TSearchFixture f(text);
        f.Open(true);
        f.Set(Confirm, false);
        f.Replace(search, by, true);
        return f.Edit.toPlainText();
    };
    // A replacement containing the text ends after the matches there were.
    QCOMPARE(replaceAll(QStringLiteral("aa"), QStringLiteral("a"), QStringLiteral("ba")),
             QStringLiteral("baba"));
    QCOMPARE(replaceAll(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("aa")),
             QStringLiteral("aa"));
    // A deletion skips no match behind it ...
    QCOMPARE(replaceAll(QStringLiteral("ababab x ab"), QStringLiteral("ab"), QString()),
             QStringLiteral(" x "));
    // ... and one pass over the text: a match the deletion joins in front is left.
    QCOMPARE(replaceAll(QStringLiteral("aab"), QStringLiteral("ab"), QString()),
             QStringLiteral("a"));
    // Backward runs end as well.
    TSearchFixture f(QStringLiteral("aa"));
    f.Open(true);
    f.Set(Confirm, false);
    f.Dialog.rb_Backward->setChecked(true);
    f.Dialog.rb_FromCursor->setChecked(true);
    QTextCursor cursor = f.Edit.textCursor();
    cursor.movePosition(QTextCursor::End);
    f.Edit.setTextCursor(cursor);
    f.Replace(QStringLiteral("a"), QStringLiteral("ab"), true);
    QCOMPARE(f.Edit.toPlainText(), QStringLiteral("abab"));
}

void TestSearchDialog::ReplaceInSelectionOnly()
{
    TSearchFixture f(QStringLiteral("ab ab ab ab"));
    QTextCursor cursor = f.Edit.textCursor();
    cursor.setPosition(3);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    f.Edit.setTextCursor(cursor);
    f.Open(true);
    f.Set(Confirm, false);
    f.Dialog.rb_Selection->setChecked(true);
    f.Replace(QStringLiteral("ab"), QStringLiteral("abc"), true);
    QCOMPARE(f.Edit.toPlainText(), QStringLiteral("ab abc abc ab"));

    // Shrinking replacements move the region's end the other way.
    TSearchFixture g(QStringLiteral("xx xx xx xx"));
    cursor = g.Edit.textCursor();
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    g.Edit.setTextCursor(cursor);
    g.Open(true);
    g.Set(Confirm, false);
    g.Dialog.rb_Selection->setChecked(true);
    g.Replace(QStringLiteral("xx"), QStringLiteral("y"), true);
    QCOMPARE(g.Edit.toPlainText(), QStringLiteral("y y xx xx"));
}

void TestSearchDialog::WholeWordsAndRegularExpressions()
{
    TSearchFixture f(QStringLiteral("an and an"));
    f.Open(true);
    f.Set(Confirm, false);
    f.Set(WholeWords, true);
    f.Replace(QStringLiteral("an"), QStringLiteral("AN"), true);
    QCOMPARE(f.Edit.toPlainText(), QStringLiteral("AN and AN"));

    TSearchFixture g(QStringLiteral("Jahr 2023, Jahr 2024"));
    g.Open(true);
    g.Set(Confirm, false);
    g.Set(Regular, true);
    g.Replace(QStringLiteral("20[0-9]{2}"), QStringLiteral("XXXX"), true);
    QCOMPARE(g.Edit.toPlainText(), QStringLiteral("Jahr XXXX, Jahr XXXX"));

    TBoxAnswerer answerer;
    g.Open(true);
    g.Set(Regular, true);
    g.Replace(QStringLiteral("(Jahr"), QStringLiteral("x"), true);
    QCOMPARE(answerer.Shown.size(), 1);
    QVERIFY(answerer.Shown.first().startsWith(
        QStringLiteral("Der reguläre Ausdruck „(Jahr“ ist ungültig: ")));
    QVERIFY(g.Dialog.isVisible()); // open for a correction
    QCOMPARE(g.Edit.toPlainText(), QStringLiteral("Jahr XXXX, Jahr XXXX"));
}

void TestSearchDialog::ButtonsLeaveTheDrawer()
{
    TSpeedButtonDrawer drawer;
    {
        TSearchFixture f(QStringLiteral("x"));
        f.Dialog.SetDrawer(&drawer);
        QCOMPARE(drawer.Manager().Count(), 3); // Ok, Abbrechen, Alle ersetzen
        QVERIFY(drawer.Manager().Contains(f.Dialog.btn_Ok));
        f.Open(true);
        QTest::qWait(20);
        // handing over another drawer (or none) takes the buttons away from the first
        f.Dialog.SetDrawer(nullptr);
        QCOMPARE(drawer.Manager().Count(), 0);
        f.Dialog.SetDrawer(&drawer);
    }
    // The dialog is gone and unregistered; the drawer lives on unharmed.
    QCOMPARE(drawer.Manager().Count(), 0);
    QVERIFY(!drawer.IsRegistered(nullptr));

    // A drawer that goes first is forgotten, not used.
    auto *early = new TSpeedButtonDrawer;
    TSearchFixture g(QStringLiteral("x"));
    g.Dialog.SetDrawer(early);
    delete early;
    g.Open(true);
    QTest::qWait(20);
}

void TestSearchDialog::ModalRunAndAccessibleNames()
{
    TSearchFixture f(QStringLiteral("eins zwei"));
    for (QWidget *control : f.Dialog.findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control) ||
            qobject_cast<QAbstractItemView *>(control) || qobject_cast<QGroupBox *>(control))
            QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
    }
    f.Dialog.SetMode(true);
    for (int i = 0; i < f.Dialog.lst_Options->count(); ++i)
        QCOMPARE(f.Dialog.lst_Options->item(i)->data(Qt::AccessibleTextRole).toString(),
                 f.Dialog.lst_Options->item(i)->text());

    // Shown modally as the frame does: the run ends the dialog.
    f.Dialog.SetMode(false);
    QTimer::singleShot(50, &f.Dialog, [&f] { f.Find(QStringLiteral("zwei")); });
    QCOMPARE(f.Dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(f.Selected(), QStringLiteral("zwei"));
}
