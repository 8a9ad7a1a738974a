#include "TestSaveSnapshot.h"

#include "ExportFixture.h"
#include "PdfProbe.h"
#include "ReportError.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTimer>
#include <QtTest>

namespace
{
// Answers the save dialog with a file name and a filter; keeps what it was asked.
class TSaveAnswer
{
public:
    TSaveAnswer(TExportFixture &fixture, const QString &fileName, int filter)
    {
        SnapshotExport::AskFileName = [&fixture, fileName, filter,
                                       this](QWidget *, const QString &title,
                                             const QStringList &filters, int &chosen) {
            Title = title;
            Filters = filters;
            ToolbarWhileAsked = fixture.ToolbarEnabled;
            chosen = filter;
            return fileName;
        };
    }
    ~TSaveAnswer() { SnapshotExport::AskFileName = m_old; }
    QString Title;
    QStringList Filters;
    bool ToolbarWhileAsked = true;

private:
    SnapshotExport::TAskFileName m_old = SnapshotExport::AskFileName;
};

QByteArray Read(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
} // namespace

void TestSaveSnapshot::savesInTheChosenFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::newRow("PDF without extension") << "bericht" << 0 << "bericht.pdf";
    QTest::newRow("PDF with extension") << "bericht.pdf" << 0 << "bericht.pdf";
    QTest::newRow("PDF, name ends in a dot") << "bericht." << 0 << "bericht.pdf";
    QTest::newRow("snapshot without extension") << "bericht" << 1 << "bericht.nsr";
    QTest::newRow("snapshot with extension") << "bericht.nsr" << 1 << "bericht.nsr";
}

void TestSaveSnapshot::savesInTheChosenFormat()
{
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QTemporaryDir dir;
    TExportFixture fixture(7);
    fixture.Stream.seek(17);
    TSaveAnswer answer(fixture, dir.filePath(name), filter);
    TExportContext context = fixture.Context();
    SnapshotExport::SaveSnapshot(context);

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    const QString file = dir.filePath(written);
    const QByteArray bytes = Read(file);
    if (filter == 0) {
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(PdfProbe::PageCount(file), 7);
        QVERIFY(PdfProbe::Text(file).contains(QStringLiteral("Seite 7")));
    } else {
        QCOMPARE(bytes, fixture.Stream.data());
    }
    QCOMPARE(fixture.Stream.pos(), 17);
    QCOMPARE(answer.Title, QStringLiteral("Save File"));
    QVERIFY(!answer.ToolbarWhileAsked);
    QVERIFY(fixture.ToolbarEnabled);
    QCOMPARE(fixture.BusyCalls, (QList<bool>{true, false}));
    QCOMPARE(fixture.Refreshes, 1);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestSaveSnapshot::cancelWritesNothing()
{
    QTemporaryDir dir;
    TExportFixture fixture;
    TSaveAnswer answer(fixture, QString(), 0);
    TExportContext context = fixture.Context();
    SnapshotExport::SaveSnapshot(context);
    QCOMPARE(answer.Filters, (QStringList{QStringLiteral("Adobe Acrobat (PDF) (*.pdf)"),
                                          QStringLiteral("norbekAfa-Report (*.nsr)")}));
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(fixture.ToolbarEnabled);
    QCOMPARE(fixture.ToolbarSwitches, 2);
    QCOMPARE(fixture.Refreshes, 1);
    QVERIFY(fixture.BusyCalls.isEmpty());
}

void TestSaveSnapshot::failedSaveEnablesTheToolbarAndReports_data()
{
    QTest::addColumn<int>("filter");
    QTest::newRow("PDF") << 0;
    QTest::newRow("snapshot") << 1;
}

void TestSaveSnapshot::failedSaveEnablesTheToolbarAndReports()
{
    QFETCH(int, filter);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("fehlt/bericht"));
    TExportFixture fixture;
    fixture.Stream.seek(5);
    TSaveAnswer answer(fixture, target, filter);
    TExportContext context = fixture.Context();
    QString reported;
    try {
        SnapshotExport::SaveSnapshot(context);
    } catch (const EReportError &error) {
        reported = error.Message();
    }
    QVERIFY2(
        reported.startsWith(QStringLiteral("Die Datei „%1.").arg(QDir::toNativeSeparators(target))),
        qPrintable(reported));
    QVERIFY(reported.contains(QStringLiteral("kann nicht geschrieben werden")));
    QVERIFY(fixture.ToolbarEnabled);
    QCOMPARE(fixture.Refreshes, 1);
    QCOMPARE(fixture.BusyCalls, (QList<bool>{true, false}));
    QCOMPARE(fixture.Stream.pos(), 5);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestSaveSnapshot::fileDialogOffersTheFormats()
{
    TExportFixture fixture;
    TExportContext context = fixture.Context();
    QString title, suffixes;
    QStringList filters;
    bool nonNative = false, confirms = false;
    QTimer::singleShot(50, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            nonNative = dialog->testOption(QFileDialog::DontUseNativeDialog);
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite) &&
                       dialog->acceptMode() == QFileDialog::AcceptSave;
            suffixes = dialog->defaultSuffix();
            dialog->selectNameFilter(filters.value(1));
            emit dialog->filterSelected(filters.value(1));
            suffixes += u' ' + dialog->defaultSuffix();
            dialog->reject();
        }
    });
    SnapshotExport::SaveSnapshot(context);
    QCOMPARE(title, QStringLiteral("Save File"));
    QCOMPARE(filters, (QStringList{QStringLiteral("Adobe Acrobat (PDF) (*.pdf)"),
                                   QStringLiteral("norbekAfa-Report (*.nsr)")}));
    QVERIFY(nonNative);
    QVERIFY(confirms);
    QCOMPARE(suffixes, QStringLiteral("pdf nsr"));
    QVERIFY(fixture.ToolbarEnabled);
}
