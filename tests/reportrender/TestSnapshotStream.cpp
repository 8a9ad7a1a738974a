#include "TestSnapshotStream.h"

#include "ReportError.h"
#include "Snapshot.h"
#include "SnapshotSamples.h"
#include "SnapshotWriter.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

using namespace SnapshotSamples;

namespace
{
const QString Damaged = QStringLiteral("Die Report-Datei ist beschädigt oder unvollständig.");

TSnapshotPage EveryKind()
{
    TSnapshotPage page;
    page.Size = QSize(29700, 21000);
    page.Items.append(Text(QRect(100, 200, 3000, 500), QStringLiteral("Anschaffung äöüß €"),
                           Qt::AlignRight | Qt::AlignVCenter, Font("Liberation Serif", 9.5, true)));
    TSnapItem pageText = Text(QRect(-5, 0, 10, 1), QStringLiteral("Seite {page} von {pages}"));
    pageText.Kind = TSnapItem::TKind::PageText;
    pageText.Font.Italic = true;
    pageText.Font.Underline = true;
    pageText.Color = 0x80123456;
    page.Items.append(pageText);
    TSnapItem line;
    line.Kind = TSnapItem::TKind::Line;
    line.Line = QLine(0, 10, 29700, -10);
    line.PenWidth = 35;
    line.Color = 0xffff0000;
    page.Items.append(line);
    page.Items.append(Rect(QRect(10, 20, 30, 40), 0x7f00ff00, 5, 0xff0000ff));
    TSnapItem rich;
    rich.Kind = TSnapItem::TKind::RichText;
    rich.Box = QRect(1000, 1000, 5000, 2000);
    rich.Text = QStringLiteral("<html><body><p><b>fett</b> und normal</p></body></html>");
    page.Items.append(rich);
    page.Items.append(Text(QRect(0, 0, 1, 1), QString())); // empty text, default font
    return page;
}

TSnapshot Loaded(const QByteArray &data)
{
    TSnapshot snapshot;
    snapshot.Load(data);
    return snapshot;
}

// Loads data and decodes every page; the message of the error, or empty when it held.
QString LoadError(const QByteArray &data)
{
    try {
        TSnapshot snapshot;
        snapshot.Load(data);
        for (int n = 1; n <= snapshot.PageCount(); ++n)
            snapshot.Page(n);
        return {};
    } catch (const EReportError &e) {
        return e.Message();
    }
}

void PutU32(QByteArray &data, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char(value >> (24 - 8 * i));
}
} // namespace

void TestSnapshotStream::roundTripKeepsEveryItemKind()
{
    const TSnapshotPage page = EveryKind();
    const TSnapshot snapshot = Loaded(Write({page, NumberedPage(2), page}));
    QCOMPARE(snapshot.PageCount(), 3);
    QCOMPARE(snapshot.Page(1), page);
    QCOMPARE(snapshot.Page(2), NumberedPage(2));
    QCOMPARE(snapshot.Page(3), page);
}

void TestSnapshotStream::roundTripKeepsManyPagesAndTheTitle()
{
    const TSnapshot standard = Loaded(Numbered(1));
    QCOMPARE(standard.Title(), QStringLiteral("Ferolind-Report"));

    QList<TSnapshotPage> pages;
    for (int n = 1; n <= 1500; ++n) {
        TSnapshotPage page = NumberedPage(n);
        // a font of its own every 100 pages
        page.Items[0].Font.PointSize = 6 + n / 100;
        pages.append(page);
    }
    const TSnapshot snapshot = Loaded(Write(pages, QStringLiteral("AfA 2024 – Übersicht")));
    QCOMPARE(snapshot.Title(), QStringLiteral("AfA 2024 – Übersicht"));
    QCOMPARE(snapshot.PageCount(), 1500);
    QVERIFY(!snapshot.IsEmpty());
    for (int n : {1, 2, 99, 100, 101, 777, 1499, 1500})
        QCOMPARE(snapshot.Page(n), pages[n - 1]);
}

void TestSnapshotStream::writerWritesEachPageAsItComes()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TSnapshotWriter writer;
    writer.SetStream(&buffer);
    QList<qint64> sizes;
    QList<int> numbers;
    writer.PageWritten = [&](int page) {
        numbers.append(page);
        sizes.append(buffer.size());
    };
    writer.BeginDocument(QStringLiteral("x"));
    const qint64 header = buffer.size();
    QVERIFY(header > 0);
    for (int n = 1; n <= 3; ++n)
        writer.AddPage(NumberedPage(n));
    writer.EndDocument(3);
    QCOMPARE(numbers, QList<int>({1, 2, 3}));
    QVERIFY(header < sizes[0] && sizes[0] < sizes[1] && sizes[1] < sizes[2]);
    QVERIFY(sizes[2] < buffer.size()); // the end record follows the pages
}

void TestSnapshotStream::repeatedFontsCostNothing()
{
    const qsizetype one = Write({NumberedPage(1)}).size();
    const qsizetype two = Write({NumberedPage(1), NumberedPage(1)}).size();
    const qsizetype three = Write({NumberedPage(1), NumberedPage(1), NumberedPage(1)}).size();
    // the second and third page cost the same: the font record came with the first
    QCOMPARE(three - two, two - one);
    TSnapshotPage otherFont = NumberedPage(1);
    otherFont.Items[1].Font.Bold = true;
    QVERIFY(Write({NumberedPage(1), otherFont}).size() > two);
}

void TestSnapshotStream::writerTakesPagesOnlyWithAStream()
{
    TSnapshotWriter writer;
    QCOMPARE(writer.PageSink(), nullptr);
    QCOMPARE(writer.Stream(), nullptr);
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.BeginDocument(QString()));
    QBuffer buffer;
    writer.SetStream(&buffer);
    QCOMPARE(writer.PageSink(), static_cast<TPageSink *>(&writer));
    QCOMPARE(writer.Stream(), &buffer);
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.AddPage(NumberedPage(1))); // not begun
    writer.SetStream(nullptr);
    QCOMPARE(writer.PageSink(), nullptr);
}

void TestSnapshotStream::writerRefusesBadPagesAndAWrongCount()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TSnapshotWriter writer;
    writer.SetStream(&buffer);
    writer.BeginDocument(QString());
    TSnapshotPage page = NumberedPage(1);
    page.Size = QSize(0, 29700);
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.AddPage(page));
    page.Size = QSize(100000, 100000); // the largest page
    writer.AddPage(page);
    page.Size = QSize(100001, 100);
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.AddPage(page));
    page = NumberedPage(1);
    page.Items[0].Font.PointSize = 0;
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.AddPage(page));
    page.Items[0].Font.PointSize = std::numeric_limits<double>::quiet_NaN();
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.AddPage(page));
    page.Items[0].Font.PointSize = 1000;
    writer.AddPage(page);
    try {
        writer.EndDocument(3);
        QFAIL("a wrong page count was taken");
    } catch (const EReportError &e) {
        QVERIFY(e.Message().contains(u"2"));
    }
    // what was written is a whole snapshot of the two pages
    QCOMPARE(Loaded(buffer.data()).PageCount(), 2);
}

void TestSnapshotStream::failingStreamIsAnError()
{
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    TSnapshotWriter writer;
    writer.SetStream(&readOnly);
    QVERIFY_THROWS_EXCEPTION(EReportError, writer.BeginDocument(QString()));
}

void TestSnapshotStream::emptyDataIsAnEmptySnapshot()
{
    TSnapshot snapshot;
    QVERIFY(snapshot.IsEmpty());
    snapshot.Load(QByteArray());
    QVERIFY(snapshot.IsEmpty());
    QCOMPARE(snapshot.PageCount(), 0);
    const TSnapshot none = Loaded(Write({}));
    QVERIFY(none.IsEmpty());
    QCOMPARE(none.Title(), QStringLiteral("Ferolind-Report"));
}

void TestSnapshotStream::pageOutsideTheCountIsAnError()
{
    const TSnapshot snapshot = Loaded(Numbered(3));
    QCOMPARE(snapshot.Page(1), NumberedPage(1));
    QCOMPARE(snapshot.Page(3), NumberedPage(3));
    QVERIFY_THROWS_EXCEPTION(EReportError, snapshot.Page(0));
    QVERIFY_THROWS_EXCEPTION(EReportError, snapshot.Page(4));
    QVERIFY_THROWS_EXCEPTION(EReportError, TSnapshot().Page(1));
}

void TestSnapshotStream::truncatedSnapshotIsRefused()
{
    const QByteArray whole = Write({EveryKind(), NumberedPage(2)});
    QVERIFY(LoadError(whole).isEmpty());
    for (qsizetype length = 1; length < whole.size(); ++length) {
        const QString error = LoadError(whole.left(length));
        if (error.isEmpty())
            QFAIL(qPrintable(QStringLiteral("cut at %1 was taken").arg(length)));
    }
    QCOMPARE(LoadError(whole.left(whole.size() - 1)), Damaged);
    QCOMPARE(LoadError(whole + '\0'), Damaged); // nothing may follow the end
}

void TestSnapshotStream::foreignAndNewerDataAreRefused()
{
    const QString foreign = QStringLiteral("Die Datei ist keine Report-Datei.");
    QCOMPARE(LoadError("%PDF-1.4\n"), foreign);
    QCOMPARE(LoadError("N"), foreign);
    QByteArray data = Numbered(1);
    QCOMPARE(LoadError(data.left(4)), Damaged);

    QByteArray newer = data;
    newer[5] = char(newer[5] + 1); // format version 2
    QCOMPARE(LoadError(newer), QStringLiteral("Die Report-Datei stammt aus einer neueren "
                                              "Programmversion."));
    QByteArray newerStream = data;
    newerStream[6] = char(0x7f);
    QCOMPARE(LoadError(newerStream), LoadError(newer));
    QByteArray older = data;
    older[5] = 0; // format version 0 never existed
    QCOMPARE(LoadError(older), Damaged);
}

void TestSnapshotStream::flippedBytesNeverCrash()
{
    const QByteArray whole = Write({EveryKind(), NumberedPage(2)});
    for (qsizetype at = 0; at < whole.size(); ++at) {
        for (int bit : {0, 7}) {
            QByteArray data = whole;
            data[at] = char(data[at] ^ (1 << bit));
            LoadError(data); // an error or a snapshot, never a crash
        }
    }
    QRandomGenerator random(4711);
    for (int round = 0; round < 2000; ++round) {
        QByteArray data = whole;
        for (int i = 0; i < 4; ++i)
            data[random.bounded(int(data.size()))] = char(random.bounded(256));
        LoadError(data);
    }
}

void TestSnapshotStream::bogusLengthsAreRefused()
{
    const QByteArray data = Numbered(1);
    // header: magic 4, version 2, stream version 2, title length at 8
    QByteArray title = data;
    PutU32(title, 8, 0xfffffff0);
    QCOMPARE(LoadError(title), Damaged);
    // after the title "Ferolind-Report" the font record, then the page with its length
    const qsizetype pageAt = 8 + 4 + 15 + 1 + 4 + 15 + 8 + 1;
    QCOMPARE(data[pageAt], char(2));
    QByteArray page = data;
    PutU32(page, pageAt + 1, 0x7fffffff);
    QCOMPARE(LoadError(page), Damaged);
    // the item count of the page: far more items than bytes
    QByteArray items = data;
    PutU32(items, pageAt + 1 + 4 + 8, 0x00ffffff);
    QCOMPARE(LoadError(items), Damaged);
}

void TestSnapshotStream::failedLoadKeepsThePreviousSnapshot()
{
    TSnapshot snapshot;
    snapshot.Load(Numbered(2));
    QVERIFY_THROWS_EXCEPTION(EReportError, snapshot.Load(Numbered(3).left(40)));
    QCOMPARE(snapshot.PageCount(), 2);
    QCOMPARE(snapshot.Page(2), NumberedPage(2));
}
