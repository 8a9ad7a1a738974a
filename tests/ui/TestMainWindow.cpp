#include "TestMainWindow.h"

#include "Application.h"
#include "AssetPage.h"
#include "BoxAnswerer.h"
#include "CloseSignals.h"
#include "DMod_Afa.h"
#include "DatabaseError.h"
#include "DbGrid.h"
#include "EvaluationSession.h"
#include "EvaluationSettingsPage.h"
#include "Form_Afa.h"
#include "StoreTableModel.h"
#include "TestDatabase.h"

#include "Frame_RtfEditor.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <memory>

namespace
{
struct TWindow {
    explicit TWindow(const QString &path = TestDatabase::FreshCopy())
        : Path(path), Dm(std::make_unique<Tdm_Afa>(nullptr, path)),
          Form(std::make_unique<Tfrm_Afa>(*Dm))
    {
    }
    ~TWindow()
    {
        Form.reset();
        Dm.reset();
    }
    QString Path;
    std::unique_ptr<Tdm_Afa> Dm;
    std::unique_ptr<Tfrm_Afa> Form;
};

void AddAsset(Tdm_Afa &dm, const QString &name, double cost)
{
    TRecordStore *assets = dm.qry_Afa_Erfassung;
    assets->Append();
    assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(name);
    assets->FieldByName(QStringLiteral("KOSTEN"))->SetAsFloat(cost);
    assets->FieldByName(QStringLiteral("NUTZUNGSDAUER"))->SetAsInteger(36);
    assets->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"))
        ->SetValue(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
    assets->Post();
}

int AssetCount(const QString &path)
{
    Tdm_Afa dm(nullptr, path);
    dm.qry_Afa_Erfassung->Open();
    return dm.qry_Afa_Erfassung->RecordCount();
}
} // namespace

void TestMainWindow::startsOnTheWelcomePageWithSettingsFirst()
{
    TWindow w;
    Tfrm_Afa &f = *w.Form;
    QCOMPARE(f.windowTitle(), QStringLiteral("norbek >> Dov - Ivevera"));
    // 915 x 786, nudged one pixel lower at creation to lay out the drawn controls again
    QCOMPARE(f.size(), QSize(915, 785));
    QCOMPARE(f.pgc_Main->count(), 5);
    QCOMPARE(f.pgc_Main->tabText(2), QStringLiteral("Auswertung"));
    QCOMPARE(f.pgc_Main->currentIndex(), 0);
    QCOMPARE(f.pgc_Afa->tabText(f.pgc_Afa->currentIndex()), QStringLiteral("Anlagen"));
    f.pgc_Main->setCurrentWidget(f.ts_Evaluation);
    QCOMPARE(f.pgc_Evaluation->tabText(f.pgc_Evaluation->currentIndex()),
             QStringLiteral("Einstellungen"));
    QVERIFY(w.Dm->qry_Afa_Erfassung->Active());
    QVERIFY(w.Dm->qry_Afa_ZuAbgang->Active());
    QVERIFY(f.ReportHost());
    QCOMPARE(f.ReportHost(), f.ReportHost());
}

void TestMainWindow::commandsRouteBySender()
{
    TWindow w;
    Tfrm_Afa &f = *w.Form;
    QObject stranger;
    f.ActionClicks(&stranger);
    QCOMPARE(f.pgc_Main->currentIndex(), 0);
    f.bt_GotoAfaErf->click();
    QCOMPARE(f.pgc_Main->currentWidget(), f.ts_AfaErfassung);
    // "Speichern" does not move pages or evaluate.
    f.ActionClicks(f.bt_SaveSettings);
    QCOMPARE(f.pgc_Main->currentWidget(), f.ts_AfaErfassung);
    QVERIFY(f.Session()->Preview.isEmpty());
}

void TestMainWindow::evaluateButtonsLeaveOnlyTheirTarget()
{
    TWindow w;
    Tfrm_Afa &f = *w.Form;
    f.bt_AfaCalcPrintPreview->click();
    QVERIFY(f.Session()->Filter.Flags & TargetPrint);
    QVERIFY(!(f.Session()->Filter.Flags & TargetText));
    QCOMPARE(f.pgc_Evaluation->currentWidget(), f.ts_PrintPreview);
    f.bt_AfaCalcTextPreview->click();
    QVERIFY(f.Session()->Filter.Flags & TargetText);
    QVERIFY(!(f.Session()->Filter.Flags & TargetPrint));
    QCOMPARE(f.pgc_Evaluation->currentWidget(), f.ts_TextPreview);
}

void TestMainWindow::textPreviewShowsTheAssets()
{
    TWindow w;
    AddAsset(*w.Dm, QStringLiteral("Drehbank"), 3600);
    AddAsset(*w.Dm, QStringLiteral("Stapler"), 7200);
    Tfrm_Afa &f = *w.Form;
    f.ts_EvaluationSettings->ed_FilterJahr->setValue(2024);
    f.bt_AfaCalcTextPreview->click();
    const QString text = f.rtfe_Afa->re_Rtf->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Drehbank")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Stapler")));
    QVERIFY2(text.contains(QStringLiteral("1.200,00")), qPrintable(text)); // 3600 over 3 years
    // The buttons are usable again, and the asset store stands where it stood.
    QVERIFY(f.bt_AfaCalcTextPreview->isEnabled());
    QVERIFY(!f.CommandRunning());
}

void TestMainWindow::percentEditFollowsTheMode()
{
    TWindow w;
    TEvaluationSettingsPage &p = *w.Form->ts_EvaluationSettings;
    const QColor grey(0xDE, 0xDE, 0xDE);
    QVERIFY(p.rbt_AfaLinear->isChecked());
    QVERIFY(!p.ed_ProzDegAbschr->isEnabled());
    QCOMPARE(p.ed_ProzDegAbschr->palette().color(QPalette::Disabled, QPalette::Base), grey);
    p.ed_ProzDegAbschr->setText(QStringLiteral("30"));
    p.rbt_AfaDegressiv->click();
    QVERIFY(p.ed_ProzDegAbschr->isEnabled());
    QVERIFY(p.ed_ProzDegAbschr->palette().color(QPalette::Active, QPalette::Base) != grey);
    p.rbt_AfaIndividuell->click();
    QVERIFY(!p.ed_ProzDegAbschr->isEnabled());
    QCOMPARE(p.ed_ProzDegAbschr->text(), QStringLiteral("30")); // kept while disabled
    QCOMPARE(p.Settings().PercentText, QStringLiteral("30"));
    QCOMPARE(p.Settings().Mode, TAfaMode::Individuell);
    p.cbx_DegToLinAfa->click();
    QVERIFY(p.Settings().AllowSwitch);
}

void TestMainWindow::fiscalYearStaysInItsRange()
{
    TWindow w;
    QSpinBox &year = *w.Form->ts_EvaluationSettings->ed_FilterJahr;
    QCOMPARE(year.value(), QDate::currentDate().year());
    year.setValue(2099);
    year.stepUp();
    QCOMPARE(year.value(), 2099);
    year.setValue(1900);
    year.stepDown();
    QCOMPARE(year.value(), 1900);
    year.setValue(2100);
    QCOMPARE(year.value(), 2099);
    year.setValue(1999);
    QCOMPARE(year.text(), QStringLiteral("1999"));
    QCOMPARE(w.Form->ts_EvaluationSettings->Settings().FiscalYearText, QStringLiteral("1999"));
}

void TestMainWindow::closeAsksAboutAnEditedRecord_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Ja") << QStringLiteral("Ja") << true << QStringLiteral("Neu getippt");
    QTest::newRow("Nein") << QStringLiteral("Nein") << true << QStringLiteral("Alt");
    QTest::newRow("Abbrechen") << QStringLiteral("Abbrechen") << false << QStringLiteral("Alt");
}

void TestMainWindow::closeAsksAboutAnEditedRecord()
{
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(QString, stored);
    TWindow w;
    AddAsset(*w.Dm, QStringLiteral("Alt"), 100);
    w.Form->show();
    TRecordStore *assets = w.Dm->qry_Afa_Erfassung;
    assets->Edit();
    assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->SetAsString(QStringLiteral("Neu getippt"));
    TBoxAnswerer user(answer);
    QCOMPARE(w.Form->close(), closed);
    QCOMPARE(user.Shown, QStringList{QStringLiteral("Änderungen am Datensatz speichern?")});
    if (!closed) {
        QVERIFY(w.Form->isVisible());
        QCOMPARE(assets->State(), TStoreState::Edit);
        QCOMPARE(assets->FieldByName(QStringLiteral("BEZEICHNUNG"))->AsString(),
                 QStringLiteral("Neu getippt"));
        assets->Cancel();
    }
    w.Form.reset();
    w.Dm.reset();
    Tdm_Afa dm(nullptr, w.Path);
    dm.qry_Afa_Erfassung->Open();
    QCOMPARE(dm.qry_Afa_Erfassung->FieldByName(QStringLiteral("BEZEICHNUNG"))->AsString(), stored);
}

void TestMainWindow::unchangedNewRecordIsDroppedOnClose()
{
    TWindow w;
    w.Form->show();
    w.Dm->qry_Afa_Erfassung->Append();
    TBoxAnswerer user(QStringLiteral("Abbrechen"));
    QVERIFY(w.Form->close());
    QVERIFY(user.Shown.isEmpty());
    QCOMPARE(w.Dm->qry_Afa_Erfassung->State(), TStoreState::Browse);
    w.Form.reset();
    w.Dm.reset();
    QCOMPARE(AssetCount(w.Path), 0);
}

void TestMainWindow::closeWaitsForARunningEvaluation()
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) VALUES "
                                            "(1, '0420', 'Büro')"));
    TestDatabase::AddManyAssets(path, 1, 4000, 1);
    TWindow w(path);
    Tfrm_Afa &f = *w.Form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    bool closedDuringRun = true;
    bool buttonsDisabled = false;
    bool beendenDisabled = false;
    QTimer::singleShot(50, &f, [&] {
        buttonsDisabled = f.CommandRunning() && !f.bt_AfaCalcTextPreview->isEnabled() &&
                          !f.bt_AfaCalcPrintPreview->isEnabled();
        beendenDisabled = !f.mmi_Beenden->isEnabled();
        f.close();
        closedDuringRun = !f.isVisible();
    });
    f.bt_AfaCalcTextPreview->click();
    QVERIFY(buttonsDisabled);
    QVERIFY(beendenDisabled);
    QVERIFY(!closedDuringRun);
    QVERIFY(!f.Session()->Preview.isEmpty()); // the run went to its end
    QTRY_VERIFY(!f.isVisible());              // then the window closed
}

void TestMainWindow::missingDatabaseStillShowsTheWindow()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt.fdb"));
    TBoxAnswerer user(QStringLiteral("OK"));
    TWindow w(path);
    w.Form->show();
    QTRY_COMPARE(user.Shown.size(), 1);
    QVERIFY2(user.Shown.first().contains(QStringLiteral("fehlt")), qPrintable(user.Shown.first()));
    QVERIFY(w.Form->isVisible());
    QVERIFY(!w.Dm->qry_Afa_Erfassung->Active());
    // An evaluation reports the missing file again and leaves the commands usable.
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, w.Form->bt_AfaCalcTextPreview->click());
    QVERIFY(!w.Form->CommandRunning());
    QVERIFY(w.Form->bt_AfaCalcTextPreview->isEnabled());
}

void TestMainWindow::anotherAssetShowsItsMovements()
{
    TWindow w;
    Tdm_Afa &dm = *w.Dm;
    AddAsset(dm, QStringLiteral("Drehbank"), 3600);
    TRecordStore *movements = dm.qry_Afa_ZuAbgang;
    movements->Append();
    movements->FieldByName(QStringLiteral("BEZEICHNUNG"))
        ->SetAsString(QStringLiteral("Spannfutter"));
    movements->FieldByName(QStringLiteral("ZUGANG"))->SetAsFloat(400);
    movements->Post();
    AddAsset(dm, QStringLiteral("Stapler"), 7200);
    QCOMPARE(movements->RecordCount(), 0);
    TDbGrid *grid = w.Form->ts_Assets->Grid();
    grid->setCurrentIndex(grid->model()->index(0, 1)); // Drehbank, through the grid
    QCOMPARE(dm.qry_Afa_Erfassung->FieldByName(QStringLiteral("BEZEICHNUNG"))->AsString(),
             QStringLiteral("Drehbank"));
    QCOMPARE(movements->RecordCount(), 1);
    QCOMPARE(w.Form->ts_Movements->Grid()->model()->rowCount(), 1);
}

void TestMainWindow::threeSelectedAssetsAreEvaluated()
{
    TWindow w;
    const QStringList names{QStringLiteral("Anlage A"), QStringLiteral("Anlage B"),
                            QStringLiteral("Anlage C"), QStringLiteral("Anlage D"),
                            QStringLiteral("Anlage E")};
    for (const QString &name : names)
        AddAsset(*w.Dm, name, 1200);
    Tfrm_Afa &f = *w.Form;
    TDbGrid *grid = f.ts_Assets->Grid();
    QSet<int> ids;
    for (int row : {0, 2, 4})
        ids << grid->StoreModel()->IdOfRow(row).toInt();
    grid->SelectIds(ids);
    QCOMPARE(f.ts_Assets->SelectedIds(), ids);
    f.ts_EvaluationSettings->rbt_FilterGridSelection->click();
    f.bt_AfaCalcTextPreview->click();
    const QString text = f.rtfe_Afa->re_Rtf->toPlainText();
    for (int i = 0; i < names.size(); ++i)
        QVERIFY2(text.contains(names[i]) == (i % 2 == 0), qPrintable(names[i]));
}

void TestMainWindow::titleClicksSortTheAssets()
{
    TWindow w;
    AddAsset(*w.Dm, QStringLiteral("Mittel"), 500);
    AddAsset(*w.Dm, QStringLiteral("Teuer"), 900);
    AddAsset(*w.Dm, QStringLiteral("Billig"), 100);
    Tfrm_Afa &f = *w.Form;
    TDbGrid *grid = f.ts_Assets->Grid();
    const int cost = grid->StoreModel()->ColumnOfField(QStringLiteral("KOSTEN"));
    const auto firstName = [grid] { return grid->model()->index(0, 1).data().toString(); };
    emit grid->TitleClicked(cost);
    QVERIFY(w.Dm->qry_Afa_Erfassung->SQL.join(u'\n').endsWith(
        QStringLiteral(" Order By e.kosten asc")));
    QCOMPARE(firstName(), QStringLiteral("Billig"));
    emit grid->TitleClicked(cost);
    QCOMPARE(firstName(), QStringLiteral("Teuer"));
    QVERIFY(w.Dm->qry_Afa_Erfassung->SQL.join(u'\n').endsWith(
        QStringLiteral(" Order By e.kosten desc")));
}

int RunWindowChild(int argc, char **argv)
{
    if (qgetenv("NORBEK_UI_CHILD") != "window")
        return -1;
    // As the program starts: the data module, then the window, which opens the database.
    TCloseSignals::BlockInAllThreads();
    TApplication app(argc, argv);
    auto dm = std::make_unique<Tdm_Afa>(nullptr, qEnvironmentVariable("NORBEK_UI_DB"));
    int result = 1;
    {
        Tfrm_Afa form(*dm);
        form.show();
        QTimer::singleShot(0, &form, [&dm] {
            AddAsset(*dm, QStringLiteral("Vor dem Signal"), 500);
            std::printf("bereit\n");
            std::fflush(stdout);
        });
        result = app.exec();
    }
    dm.reset();
    return result;
}

void TestMainWindow::terminationSignalClosesAndCommits()
{
    const QString path = TestDatabase::FreshCopy();
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NORBEK_UI_CHILD"), QStringLiteral("window"));
    env.insert(QStringLiteral("NORBEK_UI_DB"), path);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(program.canReadLine(), 30000);
    ::kill(pid_t(program.processId()), SIGTERM);
    // Closed like "Beenden": the window goes, the data module commits and detaches.
    const bool ended = program.waitForFinished(30000);
    if (!ended)
        program.kill();
    QVERIFY2(ended, "the program did not end after SIGTERM");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(AssetCount(path), 1);
    QVERIFY(!QFile::exists(path + QStringLiteral(".lock")));
}
