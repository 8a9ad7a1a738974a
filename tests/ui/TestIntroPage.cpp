#include "TestIntroPage.h"

#include "AppPaths.h"
#include "IntroPage.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPdfView>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// Where the program looks for the welcome document: beside the executable (the tests are
// built into the same folder).
QString BuiltIntroPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Intro.pdf");
}

// All text of the document, whitespace and line breaks folded into single blanks.
QString AllText(QPdfDocument &doc)
{
    QString text;
    for (int page = 0; page < doc.pageCount(); ++page)
        text += doc.getAllText(page).text() + u' ';
    return text.simplified();
}

QString ExpectedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Einführung „%1“ kann nicht angezeigt werden: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The page shows exactly one of document and message, and a screen reader hears the message.
void VerifyShowsMessage(TIntroPage &page, const QString &message)
{
    QCOMPARE(page.Message(), message);
    QVERIFY(!page.IsShowingDocument());
    QVERIFY(!page.View()->isVisible());
    auto *label = page.findChild<QLabel *>();
    QVERIFY(label && label->isVisible());
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible);
    QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    QCOMPARE(accessible->text(QAccessible::Description), message);
}
} // namespace

void TestIntroPage::builtDocumentIsA4WithSeveralPages()
{
    QVERIFY2(QFileInfo::exists(BuiltIntroPath()), qPrintable(BuiltIntroPath()));
    QPdfDocument doc;
    QCOMPARE(doc.load(BuiltIntroPath()), QPdfDocument::Error::None);
    QVERIFY2(doc.pageCount() >= 2 && doc.pageCount() <= 4,
             qPrintable(QString::number(doc.pageCount())));
    for (int page = 0; page < doc.pageCount(); ++page) {
        const QSizeF size = doc.pagePointSize(page);
        QVERIFY2(qAbs(size.width() - 595.3) < 1 && qAbs(size.height() - 841.9) < 1,
                 qPrintable(QStringLiteral("Seite %1: %2 × %3")
                                .arg(page + 1)
                                .arg(size.width())
                                .arg(size.height())));
    }
    const QString text = AllText(doc);
    QVERIFY(text.contains(QStringLiteral("Seite 1 von %1").arg(doc.pageCount())));
    QVERIFY(
        text.contains(QStringLiteral("Seite %1 von %1").arg(doc.pageCount()))); // the last page too
}

void TestIntroPage::builtDocumentNamesTheProgramsTexts_data()
{
    QTest::addColumn<QString>("phrase");
    // Umlauts and quotes survive the PDF round trip.
    QTest::newRow("title") << QStringLiteral("Willkommen bei norbekAfa");
    QTest::newRow("assets") << QStringLiteral("Abschreibungsgüter");
    QTest::newRow("movements page") << QStringLiteral("Zu- / Abgänge");
    QTest::newRow("assets sub-page") << QStringLiteral("Anlagen");
    QTest::newRow("accounts page") << QStringLiteral("Konten");
    QTest::newRow("start button") << QStringLiteral("„.. und los geht's“");
    QTest::newRow("acquisition cost") << QStringLiteral("Anschaffungskosten");
    QTest::newRow("useful life") << QStringLiteral("Nutzungsdauer");
    QTest::newRow("kind") << QStringLiteral("Abschreibungsart");
    QTest::newRow("evaluate") << QStringLiteral("Auswerten mit Textvorschau");
    QTest::newRow("print preview") << QStringLiteral("Auswerten mit Druckvorschau");
    QTest::newRow("change-over") << QStringLiteral("Übergang zur linearen Abschreibung");
    QTest::newRow("fiscal year report") << QStringLiteral("Afa-Report");
    QTest::newRow("course") << QStringLiteral("Afa-Verlauf");
    QTest::newRow("worked example") << QStringLiteral("10.200,00");
    QTest::newRow("database file") << DatabaseFileName;
    QTest::newRow("backup") << QStringLiteral("Datensicherung");
    QTest::newRow("quit") << QStringLiteral("Beenden");
}

void TestIntroPage::builtDocumentNamesTheProgramsTexts()
{
    QFETCH(QString, phrase);
    QPdfDocument doc;
    QCOMPARE(doc.load(BuiltIntroPath()), QPdfDocument::Error::None);
    const QString text = AllText(doc);
    QVERIFY2(text.contains(phrase), qPrintable(phrase));
}

void TestIntroPage::missingFileShowsMessageNamingThePath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("fehlt/Intro.pdf"));
    TIntroPage page;
    page.resize(600, 400);
    page.show();
    page.ShowIntro(QUrl::fromLocalFile(path));
    VerifyShowsMessage(page, ExpectedMessage(path, QStringLiteral("Die Datei fehlt.")));
    QCOMPARE(page.LoadCount(), 0);

    // A folder of that name is no document either.
    QVERIFY(QDir().mkpath(path));
    page.ShowIntro(QUrl::fromLocalFile(path));
    VerifyShowsMessage(page, ExpectedMessage(path, QStringLiteral("Die Datei fehlt.")));
}

void TestIntroPage::damagedFileShowsMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("garbage") << QByteArray("Das ist kein PDF.\n\x01\x02\x03\xff\xfe", 23);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<");
}

void TestIntroPage::damagedFileShowsMessage()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Intro.pdf"));
    WriteFile(path, bytes);
    TIntroPage page;
    page.resize(600, 400);
    page.show();
    page.ShowIntro(QUrl::fromLocalFile(path));
    VerifyShowsMessage(
        page, ExpectedMessage(path, QStringLiteral("Die Datei ist beschädigt oder nicht lesbar.")));
    QCOMPARE(page.Document()->pageCount(), 0);
}

void TestIntroPage::pathWithBlanksAndUmlautsLoads()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("Büro Ördner/Einführung für Sie"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Intro.pdf");
    QVERIFY(QFile::copy(BuiltIntroPath(), path));
    QPdfDocument built;
    QCOMPARE(built.load(BuiltIntroPath()), QPdfDocument::Error::None);

    TIntroPage page;
    page.resize(600, 400);
    page.show();
    const QUrl url = QUrl::fromLocalFile(path);
    page.ShowIntro(url);
    QVERIFY(page.IsShowingDocument());
    QCOMPARE(page.Message(), QString());
    QVERIFY(page.View()->isVisible());
    QCOMPARE(page.View()->document(), page.Document());
    QCOMPARE(page.Document()->pageCount(), built.pageCount());
    QCOMPARE(page.Url(), url);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(page.View());
    QVERIFY(accessible && !accessible->text(QAccessible::Name).isEmpty());

    // The same file named with the host part "localhost".
    TIntroPage other;
    QUrl withHost = url;
    withHost.setHost(QStringLiteral("localhost"));
    other.ShowIntro(withHost);
    QVERIFY2(other.IsShowingDocument(), qPrintable(other.Message()));
}

void TestIntroPage::otherThanLocalFileShowsMessage()
{
    TIntroPage page;
    page.show();
    const QUrl url(QStringLiteral("https://example.org/Intro.pdf"));
    page.ShowIntro(url);
    VerifyShowsMessage(
        page,
        ExpectedMessage(url.toString(), QStringLiteral("Die Adresse nennt keine Datei auf diesem "
                                                       "Rechner.")));
    QCOMPARE(page.LoadCount(), 0);
}

void TestIntroPage::sameUrlIsLoadedOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString first = dir.filePath(QStringLiteral("Intro.pdf"));
    const QString second = dir.filePath(QStringLiteral("Zweite.pdf"));
    QVERIFY(QFile::copy(BuiltIntroPath(), first));
    QVERIFY(QFile::copy(BuiltIntroPath(), second));

    TIntroPage page;
    page.show();
    page.ShowIntro(QUrl::fromLocalFile(first));
    QCOMPARE(page.LoadCount(), 1);
    // Shown again (the window hidden and shown): the file may even be gone meanwhile.
    QVERIFY(QFile::remove(first));
    page.hide();
    page.show();
    page.ShowIntro(QUrl::fromLocalFile(first));
    QCOMPARE(page.LoadCount(), 1);
    QVERIFY(page.IsShowingDocument());

    page.ShowIntro(QUrl::fromLocalFile(second));
    QCOMPARE(page.LoadCount(), 2);
    QVERIFY(page.IsShowingDocument());
}

void TestIntroPage::failedLoadIsTriedAgain()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Intro.pdf"));
    const QUrl url = QUrl::fromLocalFile(path);
    TIntroPage page;
    page.show();
    WriteFile(path, QByteArray("kaputt"));
    page.ShowIntro(url);
    QCOMPARE(page.LoadCount(), 1);
    QVERIFY(!page.IsShowingDocument());

    // Installed properly meanwhile: the same URL now shows the document.
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::copy(BuiltIntroPath(), path));
    page.ShowIntro(url);
    QCOMPARE(page.LoadCount(), 2);
    QVERIFY(page.IsShowingDocument());
    QCOMPARE(page.Message(), QString());
}
