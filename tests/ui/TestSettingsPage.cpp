#include "TestSettingsPage.h"

#include "AfaReport.h"
#include "BoxAnswerer.h"
#include "DMod_Afa.h"
#include "EvaluationSession.h"
#include "Form_Afa.h"
#include "Form_AfaReport.h"
#include "Frame_RtfEditor.h"
#include "SettingsPage.h"
#include "TestModules.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace
{

struct TWindow {
    QString Path;
    std::unique_ptr<Tdm_Afa> Dm;
    std::unique_ptr<Tfrm_Afa> Form;

    TWindow()
    {
        TestModules::ModuleWithThreeAssets(&Path).reset();
        Dm = std::make_unique<Tdm_Afa>(nullptr, Path);
        Form = std::make_unique<Tfrm_Afa>(*Dm);
    }
    ~TWindow()
    {
        Form.reset();
        Dm.reset();
    }
    QTextEdit *Title() const { return Form->rtfe_Title->re_Rtf; }
    QString Stored(const QString &key) const { return ReadStoredHeadline(*Dm, key); }
    void Type(const QString &text) const
    {
        Title()->moveCursor(QTextCursor::End);
        Title()->insertPlainText(text);
    }
};

const QString BoldPeriod = QStringLiteral(
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}{\\colortbl;\\red200\\green0\\blue0;}"
    "\\f0\\fs24 Muster GmbH\\par{\\b\\cf1 Afa [%Zeitraum%]}\\par}");

} // namespace

void TestSettingsPage::layoutAndHintText()
{
    TWindow w;
    TSettingsPage &page = *w.Form->ts_SettingsBody;
    QVERIFY(page.rbt_TitleRep->isChecked());
    QCOMPARE(page.rbt_TitleRep->text(), QStringLiteral("Abschreibungsreport"));
    QCOMPARE(page.rbt_TitleRun->text(), QStringLiteral("Abschreibungsverlauf"));
    QCOMPARE(page.rtfe_Title->size(), QSize(772, 262));
    const QStringList lines = page.mem_Hint->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Wenn Sie bei Einstellungen für die Reportausgabe im "
                                      "Register \"Auswertung -> Einstellungen\" unter"));
    QCOMPARE(lines[3], QStringLiteral("1) [%Zeitraum%] : Wird ausgetauscht gegen das "
                                      "Wirtschaftsjahr im Format \"zum 31. Dezember "
                                      "<Wirtschaftsjahr>\" "));
    for (QWidget *control :
         {static_cast<QWidget *>(page.rbt_TitleRep), static_cast<QWidget *>(page.rbt_TitleRun),
          static_cast<QWidget *>(page.rtfe_Title), static_cast<QWidget *>(page.mem_Hint)})
        QVERIFY(!control->accessibleName().isEmpty());
}

void TestSettingsPage::neverSavedHeadlineLoadsEmpty()
{
    TWindow w;
    QCOMPARE(w.Title()->toPlainText(), QString());
    QVERIFY(!w.Form->rtfe_Title->IsModified());
    // The text preview then starts with one empty line.
    w.Form->pgc_Main->setCurrentWidget(w.Form->ts_Evaluation);
    w.Form->bt_AfaCalcTextPreview->click();
    const QTextDocument *preview = w.Form->rtfe_Afa->re_Rtf->document();
    QCOMPARE(preview->firstBlock().text(), QString());
    QVERIFY(!preview->toPlainText().startsWith(QStringLiteral("\n\n")));
}

void TestSettingsPage::saveStoresUnderTheCheckedButton()
{
    TWindow w;
    w.Type(QStringLiteral("Jahresbericht"));
    w.Form->bt_SaveSettings->click();
    QVERIFY(w.Stored(QStringLiteral("RPT")).startsWith(QStringLiteral("{\\rtf")));
    QVERIFY(w.Stored(QStringLiteral("RPT")).contains(QStringLiteral("Jahresbericht")));
    QCOMPARE(w.Stored(QStringLiteral("RUT")), QString());
    QVERIFY(!w.Form->rtfe_Title->IsModified());

    w.Form->rbt_TitleRun->click(); // nothing unsaved: no question
    QCOMPARE(w.Title()->toPlainText(), QString());
    w.Type(QStringLiteral("Verlauf"));
    w.Form->bt_SaveSettings->click();
    QVERIFY(w.Stored(QStringLiteral("RUT")).contains(QStringLiteral("Verlauf")));
    QVERIFY(!w.Stored(QStringLiteral("RPT")).contains(QStringLiteral("Verlauf")));
    w.Form->rbt_TitleRep->click();
    QCOMPARE(w.Title()->toPlainText(), QStringLiteral("Jahresbericht"));
}

void TestSettingsPage::switchingWithEditsAsks()
{
    TWindow w;
    w.Type(QStringLiteral("Gespeichert"));
    w.Form->bt_SaveSettings->click();

    // Nein: the edits go, the other headline shows; back again shows the stored one.
    w.Type(QStringLiteral(" und geändert"));
    {
        TBoxAnswerer no(QStringLiteral("Nein"));
        w.Form->rbt_TitleRun->click();
        QCOMPARE(no.Shown, QStringList{QStringLiteral("Änderungen an der Reportüberschrift "
                                                      "speichern?")});
    }
    QVERIFY(w.Form->rbt_TitleRun->isChecked());
    w.Form->rbt_TitleRep->click();
    QCOMPARE(w.Title()->toPlainText(), QStringLiteral("Gespeichert"));

    // Abbrechen: the edits and the radio button stay.
    w.Type(QStringLiteral(" nochmal"));
    {
        TBoxAnswerer cancel(QStringLiteral("Abbrechen"));
        w.Form->rbt_TitleRun->click();
        QCOMPARE(cancel.Shown.size(), 1);
    }
    QVERIFY(w.Form->rbt_TitleRep->isChecked());
    QCOMPARE(w.Title()->toPlainText(), QStringLiteral("Gespeichert nochmal"));

    // Ja: stored under the headline it belongs to, then the other one shows.
    {
        TBoxAnswerer yes(QStringLiteral("Ja"));
        w.Form->rbt_TitleRun->click();
    }
    QVERIFY(w.Stored(QStringLiteral("RPT")).contains(QStringLiteral("Gespeichert nochmal")));
    QCOMPARE(w.Stored(QStringLiteral("RUT")), QString());
    QCOMPARE(w.Title()->toPlainText(), QString());
}

void TestSettingsPage::headlineReachesBothTargets()
{
    TWindow w;
    w.Form->rtfe_Title->SetEditorText(2, BoldPeriod);
    w.Form->bt_SaveSettings->click();
    w.Form->pgc_Main->setCurrentWidget(w.Form->ts_Evaluation);

    w.Form->bt_AfaCalcTextPreview->click();
    const QTextDocument *preview = w.Form->rtfe_Afa->re_Rtf->document();
    const QTextBlock second = preview->firstBlock().next();
    QCOMPARE(second.text(),
             QStringLiteral("Afa vom 01.01.%1 bis 31.12.%1").arg(QDate::currentDate().year()));
    QTextCursor c(second);
    c.setPosition(second.position() + 1);
    QVERIFY(c.charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(c.charFormat().foreground().color(), QColor(200, 0, 0));

    w.Form->bt_AfaCalcPrintPreview->click();
    const QString headline = w.Form->ReportHost()->AfaReport->Headline;
    QVERIFY2(headline.contains(QStringLiteral("vom 01.01.")), qPrintable(headline));
    QVERIFY(!headline.contains(QStringLiteral("[%Zeitraum%]")));
}
