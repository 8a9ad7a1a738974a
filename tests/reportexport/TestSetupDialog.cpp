#include "TestSetupDialog.h"

#include "BoxAnswerer.h"
#include "ExportFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace
{
// A dialog over the fixture, shown as PrintSnapshot would show it.
void Open(Tfrm_RpSetupGerman &dialog, TExportFixture &fixture, bool withDevice = false)
{
    fixture.PrinterRenderer.PageCountHint = fixture.Snapshot.PageCount();
    dialog.ReportSystem = &fixture.ReportSystem;
    dialog.PrinterRenderer = &fixture.PrinterRenderer;
    dialog.PrinterDevice = withDevice ? &fixture.PrinterDevice : nullptr;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

QColor TextColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}
} // namespace

void TestSetupDialog::proposesTheFullRangeWithoutPrinter()
{
    for (bool withDevice : {false, true}) {
        TExportFixture fixture(7);
        if (withDevice && fixture.PrinterDevice.PrinterCount() > 0)
            continue; // a printer is installed here: only the case without a device applies
        fixture.ReportSystem.Printer.Copies = 4;
        Tfrm_RpSetupGerman dialog;
        Open(dialog, fixture, withDevice);
        QCOMPARE(dialog.windowTitle(),
                 QStringLiteral("Tirun - Reports >> Steuerung der Reportausgabe"));
        QCOMPARE(dialog.size(), QSize(511, 445));
        QCOMPARE(dialog.FromED->text(), QStringLiteral("1"));
        QCOMPARE(dialog.ToED->text(), QStringLiteral("7"));
        QCOMPARE(dialog.SelectionED->text(), QStringLiteral("1-7"));
        QCOMPARE(dialog.PrinterLabel->text(), QStringLiteral("Keine Drucker installiert"));
        QCOMPARE(dialog.CopiesED->text(), QStringLiteral("4"));
        QVERIFY(!dialog.CopiesED->isEnabled());
        QVERIFY(!dialog.CopiesLabel->isEnabled());
        QVERIFY(!dialog.CollateCK->isEnabled());
        QVERIFY(!dialog.DuplexCK->isEnabled());
        QVERIFY(!dialog.SetupBB->isEnabled());
        QVERIFY(dialog.AllRB->isChecked());
    }
}

void TestSetupDialog::everyControlHasAnAccessibleName()
{
    Tfrm_RpSetupGerman dialog;
    const QList<QWidget *> controls = dialog.findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *control : controls) {
        if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)) {
            QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
            ++checked;
        }
    }
    QCOMPARE(checked, 12);
    QCOMPARE(dialog.CopiesLabel->buddy(), dialog.CopiesED);
    QCOMPARE(dialog.CopiesED->accessibleName(), QStringLiteral("Kopien"));
    QCOMPARE(dialog.bbtnCancel->text(), QStringLiteral("Abbruch"));
}

void TestSetupDialog::rangeButtonsEnableTheirFields()
{
    TExportFixture fixture;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    const QColor grey(128, 128, 128);
    QVERIFY(!dialog.SelectionED->isEnabled());
    QVERIFY(!dialog.FromED->isEnabled());
    QCOMPARE(TextColor(dialog.FromLabel), grey);

    QVERIFY(dialog.PagesRB->isVisible());
    dialog.PagesRB->click();
    QVERIFY(dialog.PagesRB->isChecked());
    QVERIFY(dialog.FromED->isEnabled());
    QVERIFY(dialog.ToED->isEnabled());
    QVERIFY(!dialog.SelectionED->isEnabled());
    QCOMPARE(TextColor(dialog.ToLabel), QColor(Qt::black));

    dialog.SelectionRB->click();
    QVERIFY(dialog.SelectionED->isEnabled());
    QVERIFY(!dialog.FromED->isEnabled());
    QCOMPARE(TextColor(dialog.FromLabel), grey);

    dialog.AllRB->click();
    QVERIFY(!dialog.SelectionED->isEnabled());
    QVERIFY(!dialog.ToED->isEnabled());
}

void TestSetupDialog::keyFiltersDiscardOtherCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString typed = QStringLiteral("0a9 -,/:x\r.5");
    QTest::newRow("Von") << "Von" << typed << "095";
    QTest::newRow("bis") << "bis" << typed << "095";
    QTest::newRow("Kopien") << "Kopien" << typed << "095";
    QTest::newRow("Auswahl") << "Auswahl" << typed << "09-,5";
}

void TestSetupDialog::keyFiltersDiscardOtherCharacters()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    TExportFixture fixture;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    QLineEdit *edit = field == "Von"      ? dialog.FromED
                      : field == "bis"    ? dialog.ToED
                      : field == "Kopien" ? dialog.CopiesED
                                          : dialog.SelectionED;
    edit->setEnabled(true);
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), kept.chopped(1));
    // Shortcuts still work: select all, then a digit replaces the text.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), kept.chopped(1));
    QTest::keyClicks(edit, QStringLiteral("7"));
    QCOMPARE(edit->text(), QStringLiteral("7"));
    QVERIFY(dialog.isVisible());
}

void TestSetupDialog::enterDoesNotClose()
{
    TExportFixture fixture;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    dialog.PagesRB->setChecked(true);
    const QList<QWidget *> fields = {dialog.FromED,    dialog.ToED,      dialog.CopiesED,
                                     dialog.PagesRB,   dialog.CollateCK, dialog.bbtnOK,
                                     dialog.bbtnCancel};
    for (QWidget *field : fields) {
        field->setEnabled(true);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QVERIFY2(dialog.isVisible(), qPrintable(field->accessibleName()));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(dialog.FromED->text(), QStringLiteral("1"));
}

void TestSetupDialog::okWritesTheChoices_data()
{
    QTest::addColumn<QString>("range"); // "all", "selection" or "pages"
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("selection");
    QTest::newRow("Alle") << "all" << 1 << 9999 << "";
    QTest::newRow("Auswahl") << "selection" << 1 << 9999 << "2,4-";
    QTest::newRow("Seiten 2-5") << "pages" << 2 << 5 << "";
    QTest::newRow("Seiten last page only") << "pages" << 7 << 7 << "";
    QTest::newRow("Seiten 1-1") << "pages" << 1 << 1 << "";
    QTest::newRow("Seiten bis past the end") << "pages" << 6 << 10 << "";
}

void TestSetupDialog::okWritesTheChoices()
{
    QFETCH(QString, range);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, selection);
    TExportFixture fixture;
    fixture.PrinterRenderer.Selection = QStringLiteral("7");
    fixture.PrinterRenderer.FirstPage = 3;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    if (range == "selection") {
        dialog.SelectionRB->setChecked(true);
        dialog.SelectionED->setText(selection);
    } else if (range == "pages") {
        FillDialog(dialog, QString::number(first), QString::number(last), QStringLiteral("1"));
    }
    dialog.CopiesED->setText(QStringLiteral("3"));
    dialog.CollateCK->setChecked(true);
    dialog.DuplexCK->setChecked(true);
    QTest::mouseClick(dialog.bbtnOK, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    const TPrinterRenderer &renderer = fixture.PrinterRenderer;
    QCOMPARE(renderer.FirstPage, first);
    QCOMPARE(renderer.LastPage, last);
    QCOMPARE(renderer.Selection, selection);
    QCOMPARE(renderer.Copies, 3);
    QVERIFY(renderer.Collate);
    QCOMPARE(renderer.Duplex, QPrinter::DuplexLongSide);
    QCOMPARE(fixture.ReportSystem.Printer.Copies, 3);
    QVERIFY(fixture.ReportSystem.Printer.Collate);
    QCOMPARE(fixture.ReportSystem.Printer.Duplex, QPrinter::DuplexLongSide);
}

void TestSetupDialog::duplexKeepsASideAlreadyChosen()
{
    TExportFixture fixture;
    fixture.PrinterRenderer.Duplex = QPrinter::DuplexShortSide;
    fixture.ReportSystem.Printer.Duplex = QPrinter::DuplexShortSide;
    fixture.PrinterRenderer.Collate = true;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    dialog.DuplexCK->setChecked(true);
    dialog.bbtnOKClick();
    QCOMPARE(fixture.PrinterRenderer.Duplex, QPrinter::DuplexShortSide);
    QVERIFY(!fixture.PrinterRenderer.Collate);

    // Unchecked is simplex; what is not permitted stays as it was.
    dialog.show();
    dialog.DuplexCK->setChecked(false);
    fixture.ReportSystem.Permission.Collate = false;
    fixture.ReportSystem.Permission.Copies = false;
    fixture.PrinterRenderer.Collate = true;
    dialog.CopiesED->setText(QStringLiteral("5"));
    dialog.bbtnOKClick();
    QCOMPARE(fixture.PrinterRenderer.Duplex, QPrinter::DuplexNone);
    QCOMPARE(fixture.ReportSystem.Printer.Duplex, QPrinter::DuplexNone);
    QVERIFY(fixture.PrinterRenderer.Collate);
    QCOMPARE(fixture.PrinterRenderer.Copies, 1);
    QCOMPARE(fixture.ReportSystem.Printer.Copies, 1);
}

void TestSetupDialog::refusesBadInputAndStaysOpen_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("copies");
    QTest::addColumn<QString>("message");
    const QString noPage = QStringLiteral(
        "Im gewählten Druckbereich liegt keine Seite des Reports; der Report hat 7 Seiten.");
    QTest::newRow("Von empty") << ""
                               << "7"
                               << "1"
                               << "'' ist kein gültiger Integerwert";
    QTest::newRow("bis not a number") << "1"
                                      << "7x"
                                      << "1"
                                      << "'7x' ist kein gültiger Integerwert";
    QTest::newRow("Von too large for int") << "99999999999"
                                           << "7"
                                           << "1"
                                           << "'99999999999' ist kein gültiger Integerwert";
    QTest::newRow("Von 0") << "0"
                           << "7"
                           << "1"
                           << "Die erste Seite („Von“) muss mindestens 1 sein.";
    QTest::newRow("Von after bis") << "5"
                                   << "4"
                                   << "1"
                                   << "Die Seite „Von“ (5) liegt hinter der Seite „bis“ (4).";
    QTest::newRow("Von past the last page") << "8"
                                            << "9"
                                            << "1" << noPage;
    QTest::newRow("copies 0") << "1"
                              << "7"
                              << "0"
                              << "Es muss mindestens 1 Kopie gedruckt werden.";
    QTest::newRow("copies not a number") << "1"
                                         << "7"
                                         << "1a"
                                         << "'1a' ist kein gültiger Integerwert";
    QTest::newRow("bad selection") << "sel"
                                   << "3-1"
                                   << "1"
                                   << "'3-1' ist keine gültige Seitenauswahl.";
    QTest::newRow("selection past the end") << "sel"
                                            << "8-"
                                            << "1" << noPage;
}

void TestSetupDialog::refusesBadInputAndStaysOpen()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, copies);
    QFETCH(QString, message);
    TExportFixture fixture;
    fixture.PrinterRenderer.FirstPage = 42;
    fixture.PrinterRenderer.Copies = 2;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    if (from == "sel") {
        dialog.SelectionRB->setChecked(true);
        dialog.SelectionED->setText(to);
        dialog.CopiesED->setText(copies);
    } else {
        FillDialog(dialog, from, to, copies);
    }
    TBoxAnswerer answerer;
    QTest::mouseClick(dialog.bbtnOK, Qt::LeftButton);
    QCOMPARE(answerer.Shown, QStringList{message});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(fixture.PrinterRenderer.FirstPage, 42);
    QCOMPARE(fixture.PrinterRenderer.Copies, 2);
    QCOMPARE(fixture.ReportSystem.Printer.Copies, 1);
}

void TestSetupDialog::nextShowKeepsPagesCheckedWithTheFullRange()
{
    TExportFixture fixture;
    Tfrm_RpSetupGerman dialog;
    Open(dialog, fixture);
    FillDialog(dialog, QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("2"));
    dialog.DuplexCK->setChecked(true);
    dialog.bbtnOKClick();
    QVERIFY(!dialog.isVisible());

    fixture.PrinterRenderer.PageCountHint = 9;
    dialog.show();
    QVERIFY(dialog.PagesRB->isChecked());
    QVERIFY(dialog.FromED->isEnabled());
    QCOMPARE(dialog.FromED->text(), QStringLiteral("1"));
    QCOMPARE(dialog.ToED->text(), QStringLiteral("9"));
    QCOMPARE(dialog.SelectionED->text(), QStringLiteral("1-9"));
    QCOMPARE(dialog.CopiesED->text(), QStringLiteral("2"));
    QVERIFY(dialog.DuplexCK->isChecked());
}
