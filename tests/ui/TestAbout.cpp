#include "TestAbout.h"

#include "AppPaths.h"
#include "Form_About.h"
#include "OsDescription.h"
#include "VersionInfo.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

void TestAbout::versionFromTheProgramsFile()
{
    TVersionInfoResource program;
    program.SetFileName(QStringLiteral(NORBEK_PROGRAM));
    QVERIFY(program.HasResource());
    QCOMPARE(program.FileVersion().Text(), QStringLiteral("1.0.0.5"));
    QCOMPARE(program.ProductVersion().Text(), QStringLiteral("1.0.0.5"));
    QCOMPARE(program.StringEntry(0), QStringLiteral("CompanyName=norbek"));
    QCOMPARE(program.StringEntry(program.StringCount()), QString());
    // This test program carries no version data.
    TVersionInfoResource self;
    self.SetFileName();
    QVERIFY(!self.HasResource());
    QCOMPARE(self.FileVersion().Text(), QStringLiteral("0.0.0.0"));
    TVersionInfoResource missing;
    missing.SetFileName(QStringLiteral("/gibt/es/nicht"));
    QCOMPARE(missing.FileVersion().Text(), QStringLiteral("0.0.0.0"));
    // The words' halves, at their largest.
    QCOMPARE(TVersionNumberInformation(0xFFFF0001, 0x0002FFFF).Text(),
             QStringLiteral("65535.1.2.65535"));
}

void TestAbout::versionBlockRefusesDamage()
{
    TFixedFileVersionInfo fixed;
    fixed.FileVersion = {0x00020003, 0x00040005};
    const QByteArray block =
        TVersionInfoResource::MakeBlock(fixed, {QStringLiteral("A=1"), QStringLiteral("B=2")});
    TFixedFileVersionInfo read;
    QStringList strings;
    QVERIFY(
        TVersionInfoResource::ParseBlock(QByteArray("vorher") + block + "nachher", read, strings));
    QCOMPARE(read.FileVersion.Text(), QStringLiteral("2.3.4.5"));
    QCOMPARE(strings, (QStringList{QStringLiteral("A=1"), QStringLiteral("B=2")}));
    // Cut anywhere inside the block: refused, never read past the end.
    for (qsizetype size = 0; size < block.size(); ++size)
        QVERIFY(!TVersionInfoResource::ParseBlock(block.left(size), read, strings));
}

void TestAbout::hintWrapsAtBlanksOrCuts()
{
    const QFontMetrics metrics(QFont(QStringLiteral("Liberation Sans"), 8));
    const int width = 224;
    const QString shortText = QStringLiteral("Anwendungsdatenordner: /opt/a/");
    QCOMPARE(Tfrm_About::WrapHint(shortText, metrics, width), shortText);

    const QString blanks =
        QStringLiteral("Anwendungsdatenordner: /home/anna/Meine Programme/Buchhaltung und "
                       "Steuern/norbek Afa/");
    const QStringList lines = Tfrm_About::WrapHint(blanks, metrics, width).split("\r\n");
    QVERIFY(lines.size() >= 2);
    for (const QString &line : lines) {
        QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
        QVERIFY(!line.startsWith(u' ') && !line.endsWith(u' '));
    }
    QCOMPARE(lines.join(u' '), blanks); // cut only at blanks, none lost

    const QString noBlanks = QStringLiteral("/") + QString(80, u'x') + QStringLiteral("/");
    const QStringList cut = Tfrm_About::WrapHint(noBlanks, metrics, width).split("\r\n");
    QVERIFY(cut.size() >= 2);
    QCOMPARE(cut.join(QString()), noBlanks);
    QVERIFY(metrics.horizontalAdvance(cut.first()) <= width);
    // The first line takes all that fits: one character more would not.
    QVERIFY(metrics.horizontalAdvance(cut.first() + u'x') > width);
}

void TestAbout::windowGrowsForALongColumn()
{
    Tfrm_About normal;
    // the folder shown is where the database lives (the user's folder when installed)
    QCOMPARE(normal.FolderText, QFileInfo(DatabasePath).absolutePath() + u'/');
    normal.VersionText = QStringLiteral("1.0.0.5");
    normal.OsText = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    normal.FolderText = QStringLiteral("/usr/bin/");
    normal.ShowInformation(false);
    QCOMPARE(normal.height(), 2 * 44 + 239); // 327
    QCOMPARE(normal.width(), 626);
    QVERIFY(normal.lbl_Version->geometry().left() == normal.cap_Version->geometry().left() + 15);
    QCOMPARE(normal.cap_Version->x(), 21 + 266 + 20);

    Tfrm_About tall;
    tall.CompanyText = QStringList(30, QStringLiteral("Zeile")).join(QStringLiteral("\r\n"));
    tall.ShowInformation(false);
    QVERIFY(tall.height() > 327);
    // The column fits the grown page: the last control ends inside it.
    QVERIFY(tall.lbl_Support->geometry().bottom() <= tall.pnl_Info->height());
    QCOMPARE(tall.cap_Version->y(), 5);

    Tfrm_About wide;
    wide.OsText = QString(200, u'W');
    wide.ShowInformation(false);
    QVERIFY(wide.width() > 626);
    QVERIFY(wide.lbl_Os->geometry().right() <= wide.pnl_Info->width());
}

void TestAbout::systemLinesFromOsRelease()
{
    QCOMPARE(OsReleaseLines(QStringLiteral("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian "
                                           "GNU/Linux 12 (bookworm)\"\nVERSION_ID=\"12\"\n")),
             QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    QCOMPARE(OsReleaseLines(QStringLiteral("NAME=Fedora\nVERSION=40\nVARIANT='Workstation "
                                           "Edition'\n")),
             QStringLiteral("Fedora 40\r\nWorkstation Edition"));
    QCOMPARE(OsReleaseLines(QStringLiteral("# nichts\n")), QString());
    const QStringList real = OsDescription().split(QStringLiteral("\r\n"));
    QVERIFY(real.size() >= 3);
    QVERIFY(real[real.size() - 2].startsWith(QStringLiteral("Kernel ")));
}
