#include "TestReportLayouter.h"

#include "LayoutTestSupport.h"
#include "MemoryDataSource.h"
#include "ReportError.h"
#include "ReportLayouter.h"

#include <QtTest>

namespace
{

// A4, margins 10 mm; page header 10, group header 7, detail 5, group footer 6, summary 8,
// page footer 8 mm: the body runs from 20 mm to 279 mm.
QByteArray AccountsProject(bool repeat)
{
    return ProjectText(
        QStringLiteral(
            "<page left=\"10\" top=\"10\" right=\"10\" bottom=\"10\"/>"
            "<pageHeader name=\"bnd_Kopf\" height=\"10\">"
            "  <text name=\"txt_Kopf\" x=\"0\" y=\"0\" width=\"100\" height=\"5\">Kopf</text>"
            "</pageHeader>"
            "<group name=\"grp_Konto\" field=\"KONTO_ID\" repeatHeader=\"%1\">"
            "  <groupHeader name=\"bnd_Konto\" height=\"7\">"
            "    <field name=\"txt_Konto\" field=\"KONTO_NR\" x=\"0\" y=\"1\" width=\"50\" "
            "           height=\"5\"/>"
            "  </groupHeader>"
            "  <detail name=\"bnd_Zeile\" height=\"5\">"
            "    <field name=\"txt_Name\" field=\"NAME\" x=\"0\" y=\"0\" width=\"100\" "
            "           height=\"5\"/>"
            "    <field name=\"txt_Betrag\" field=\"BETRAG\" format=\"#,0.00\" x=\"140\" y=\"0\" "
            "           width=\"45\" height=\"5\" align=\"right\"/>"
            "  </detail>"
            "  <groupFooter name=\"bnd_KontoSumme\" height=\"6\">"
            "    <field name=\"txt_Letzte\" field=\"name\" x=\"0\" y=\"0\" width=\"100\" "
            "           height=\"5\"/>"
            "    <sum name=\"sum_Konto\" field=\"BETRAG\" over=\"grp_Konto\" format=\"#,0.00\" "
            "         x=\"140\" y=\"0\" width=\"45\" height=\"5\"/>"
            "  </groupFooter>"
            "</group>"
            "<summary name=\"bnd_Summe\" height=\"8\">"
            "  <sum name=\"sum_Gesamt\" field=\"BETRAG\" format=\"#,0.00\" x=\"140\" y=\"0\" "
            "       width=\"45\" height=\"5\"/>"
            "</summary>"
            "<pageFooter name=\"bnd_Fuss\" height=\"8\">"
            "  <pageNumber name=\"txt_Seite\" x=\"0\" y=\"3\" width=\"190\" height=\"5\"/>"
            "</pageFooter>")
            .arg(repeat ? "true" : "false"));
}

// 120 rows: account 4711 has rows 1 to 60, account 4712 rows 61 to 120; amount = row.
TMemoryDataSource AccountRows()
{
    TMemoryDataSource source({"KONTO_ID", "KONTO_NR", "NAME", "BETRAG"});
    for (int i = 1; i <= 120; ++i) {
        const int account = i <= 60 ? 1 : 2;
        source.Rows.append({account, QStringLiteral("Konto %1").arg(4710 + account),
                            QStringLiteral("Zeile %1").arg(i, 3, 10, QLatin1Char('0')), double(i)});
    }
    return source;
}

class TCountingSource : public TMemoryDataSource
{
public:
    using TMemoryDataSource::TMemoryDataSource;
    bool First() override
    {
        Read = Rows.isEmpty() ? 0 : 1;
        return TMemoryDataSource::First();
    }
    bool Next() override
    {
        const bool more = TMemoryDataSource::Next();
        Read += more ? 1 : 0;
        return more;
    }
    int Read = 0;
};

// The first text item below the page header.
QString FirstBodyText(const TSnapshotPage &page)
{
    const QStringList texts = TextsOf(page);
    return texts.size() > 1 ? texts[1] : QString();
}

} // namespace

void TestReportLayouter::groupsAcrossPages()
{
    TMemoryDataSource source = AccountRows();
    const QList<TSnapshotPage> pages = LayOut(AccountsProject(true), &source);
    // page 1: 50 rows; page 2: rows 51-60, footer, 4712 with rows 61-97; page 3 the rest
    QCOMPARE(pages.size(), 3);

    QStringList rows;
    for (int p = 0; p < pages.size(); ++p) {
        const TSnapshotPage &page = pages[p];
        QCOMPARE(page.Size, QSize(21000, 29700));
        QCOMPARE(page.Items.first().Text, "Kopf");
        QCOMPARE(page.Items.first().Box.top(), 1000);
        const TSnapItem &footer = page.Items.last();
        QCOMPARE(footer.Kind, TSnapItem::TKind::PageText);
        QCOMPARE(FillPageText(footer.Text, p + 1, int(pages.size())),
                 QStringLiteral("Seite %1 von 3").arg(p + 1));
        QCOMPARE(footer.Box.bottom() + 1, 29700 - 1000); // on the bottom margin
        for (const TSnapItem &item : ItemsStartingWith(page, "Zeile")) {
            QVERIFY(item.Box.top() >= 2000);
            QVERIFY(item.Box.bottom() < 27900); // above the page footer
            rows.append(item.Text);
        }
    }
    // every detail once, in order; footers repeat the group's last row
    QStringList expected;
    for (int i = 1; i <= 120; ++i) {
        expected.append(QStringLiteral("Zeile %1").arg(i, 3, 10, QLatin1Char('0')));
        if (i == 60 || i == 120)
            expected.append(expected.last());
    }
    QCOMPARE(rows, expected);

    QCOMPARE(FirstBodyText(pages[0]), "Konto 4711");
    QCOMPARE(FirstBodyText(pages[1]), "Konto 4711"); // repeated
    QCOMPARE(ItemsStartingWith(pages[1], "Konto 4711").first().Box.top(), 2000 + 100);
    QCOMPARE(FirstBodyText(pages[2]), "Konto 4712"); // repeated
    QCOMPARE(TextsOf(pages[0]).mid(0, 5),
             QStringList({"Kopf", "Konto 4711", "Zeile 001", "1,00", "Zeile 002"}));

    // footers with their group's sum, the summary with the total
    const QStringList second = TextsOf(pages[1]);
    const qsizetype footer1 = second.indexOf("1.830,00");
    QVERIFY(footer1 > 0);
    QCOMPARE(second[footer1 - 1], "Zeile 060");
    QCOMPARE(second[footer1 + 1], "Konto 4712");
    const QStringList third = TextsOf(pages[2]);
    QCOMPARE(third.mid(third.size() - 4),
             QStringList({"Zeile 120", "5.430,00", "7.260,00", "Seite {page} von {pages}"}));
}

void TestReportLayouter::headersNotRepeated()
{
    TMemoryDataSource source = AccountRows();
    const QList<TSnapshotPage> pages = LayOut(AccountsProject(false), &source);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(FirstBodyText(pages[1]), "Zeile 051");
    QCOMPARE(ItemsStartingWith(pages[1], "Zeile 051").first().Box.top(), 2000);
    QCOMPARE(ItemsStartingWith(pages[1], "Konto 4711").size(), 0);
}

void TestReportLayouter::firstPageLeavesEarly()
{
    TCountingSource source({"KONTO_ID", "KONTO_NR", "NAME", "BETRAG"});
    source.Rows = AccountRows().Rows;
    const TReportList reports = ReadProject(AccountsProject(true));
    TPageCollector sink;
    QList<int> readAtPage;
    sink.OnPage = [&](int) { readAtPage.append(source.Read); };
    TReportLayouter layouter(*reports.front(), &source, {});
    QCOMPARE(layouter.Run(sink), 3);
    // page 1 goes out when row 51 does not fit on it any more
    QCOMPARE(readAtPage, QList<int>({51, 98, 120}));
}

void TestReportLayouter::nestedGroupSums()
{
    const QByteArray text = ProjectText(
        "<group name=\"grp_A\" field=\"A\">"
        "  <group name=\"grp_B\" field=\"B\">"
        "    <detail name=\"d\" height=\"5\"/>"
        "    <groupFooter name=\"fb\" height=\"5\">"
        "      <field name=\"fb_B\" field=\"B\" x=\"0\" y=\"0\" width=\"10\" height=\"5\"/>"
        "      <sum name=\"sb\" field=\"V\" over=\"grp_B\" x=\"20\" y=\"0\" width=\"10\" "
        "height=\"5\"/>"
        "    </groupFooter>"
        "  </group>"
        "  <groupFooter name=\"fa\" height=\"5\">"
        "    <field name=\"fa_A\" field=\"A\" x=\"0\" y=\"0\" width=\"10\" height=\"5\"/>"
        "    <sum name=\"sa\" field=\"V\" over=\"grp_A\" x=\"20\" y=\"0\" width=\"10\" "
        "height=\"5\"/>"
        "  </groupFooter>"
        "</group>"
        "<summary name=\"s\" height=\"5\">"
        "  <sum name=\"st\" field=\"V\" format=\"0.00\" x=\"20\" y=\"0\" width=\"10\" "
        "height=\"5\"/>"
        "</summary>");
    TMemoryDataSource source({"A", "B", "V"});
    // B2 continues across the change of A: a new inner group all the same
    source.Rows = {{"A1", "B1", 1},
                   {"A1", "B1", 2.5},
                   {"A1", "B2", 4},
                   {"A2", "B2", 8},
                   {"A2", "B2", QVariant()}};
    const QList<TSnapshotPage> pages = LayOut(text, &source);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(TextsOf(pages[0]),
             QStringList({"B1", "3,5", "B2", "4", "A1", "7,5", "B2", "8", "A2", "8", "15,50"}));
}

void TestReportLayouter::bandHeightEdges_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    // body: 297 - 10 - 10 = 277 mm
    QTest::newRow("two fit exactly") << "138.5" << 4 << 2;
    QTest::newRow("two do not fit") << "138.51" << 4 << 4;
    QTest::newRow("page body") << "277" << 3 << 3;
    QTest::newRow("taller than the page") << "400" << 3 << 3;
    QTest::newRow("zero height") << "0" << 1000 << 1;
}

void TestReportLayouter::bandHeightEdges()
{
    QFETCH(QString, height);
    QFETCH(int, rows);
    QFETCH(int, pages);
    const QByteArray text = ProjectText(
        QStringLiteral("<page top=\"10\" bottom=\"10\"/><detail name=\"d\" height=\"%1\">"
                       "<field name=\"f\" field=\"N\" x=\"0\" y=\"0\" width=\"10\" height=\"5\"/>"
                       "</detail>")
            .arg(height));
    TMemoryDataSource source({"N"});
    for (int i = 0; i < rows; ++i)
        source.Rows.append(QVariantList{i});
    const QList<TSnapshotPage> result = LayOut(text, &source);
    QCOMPARE(result.size(), pages);
    int placed = 0;
    for (const TSnapshotPage &page : result) {
        QVERIFY(!page.Items.isEmpty());
        QCOMPARE(page.Items.first().Box.top(), 1000); // each page starts at the top margin
        placed += int(page.Items.size());
    }
    QCOMPARE(placed, rows);
}

void TestReportLayouter::emptySourcePrintsSummary()
{
    TMemoryDataSource source({"KONTO_ID", "KONTO_NR", "NAME", "BETRAG"});
    const QList<TSnapshotPage> pages = LayOut(AccountsProject(true), &source);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(TextsOf(pages[0]), QStringList({"Kopf", "0,00", "Seite {page} von {pages}"}));
    QCOMPARE(pages[0].Items[1].Box.top(), 2000); // the summary right below the header

    // Nothing but row bands: no rows, no page at all.
    TMemoryDataSource none({"T"});
    QCOMPARE(LayOut(ProjectText("<detail name=\"d\" height=\"5\">"
                                "<field name=\"f\" field=\"T\" x=\"0\" y=\"0\" width=\"20\" "
                                "height=\"5\"/></detail>"),
                    &none)
                 .size(),
             0);
    // A page footer alone makes the one page.
    QCOMPARE(LayOut(ProjectText("<detail name=\"d\" height=\"5\"/>"
                                "<pageFooter name=\"p\" height=\"5\"/>"),
                    &none)
                 .size(),
             1);
}

void TestReportLayouter::unknownFieldRefused()
{
    TMemoryDataSource source({"KONTO_NR", "NAME", "BETRAG"}); // no group field
    const TReportList reports = ReadProject(AccountsProject(true));
    TPageCollector sink;
    TReportLayouter layouter(*reports.front(), &source, {});
    try {
        layouter.Run(sink);
        QFAIL("no error");
    } catch (const EReportError &e) {
        QCOMPARE(e.Message(),
                 "Das Feld „KONTO_ID“ gibt es in der Datenverbindung „rdc_Test“ nicht.");
    }
    QCOMPARE(sink.Begun, 0);
}

void TestReportLayouter::wrapGrowsBand()
{
    const QByteArray text = ProjectText(
        "<page top=\"10\" bottom=\"10\"/>"
        "<detail name=\"d\" height=\"6\">"
        "  <field name=\"f\" field=\"T\" wrap=\"true\" x=\"0\" y=\"0\" width=\"20\" height=\"5\" "
        "         align=\"right\"/>"
        "  <text name=\"u\" x=\"30\" y=\"5\" width=\"20\" height=\"1\">unter</text>"
        "  <text name=\"n\" x=\"30\" y=\"0\" width=\"20\" height=\"5\">neben</text>"
        "</detail>");
    TMemoryDataSource source({"T"});
    source.Rows = {{"Ein recht langer Text, der in zwanzig Millimetern umbrochen wird"}, {"kurz"}};
    const QList<TSnapshotPage> pages = LayOut(text, &source);
    QCOMPARE(pages.size(), 1);
    const QList<TSnapItem> &items = pages[0].Items;
    QList<TSnapItem> lines;
    for (const TSnapItem &item : items) {
        if (item.Box.left() == 1500 && item.Text != "kurz")
            lines.append(item);
    }
    QVERIFY2(lines.size() >= 3, qPrintable(QString::number(lines.size())));
    QStringList words;
    int y = 1000;
    for (const TSnapItem &line : lines) {
        QCOMPARE(line.Box.top(), y);
        QCOMPARE(line.Box.width(), 2000);
        QCOMPARE(line.Align, int(Qt::AlignRight | Qt::AlignVCenter));
        QVERIFY(line.Box.height() > 250 && line.Box.height() < 450); // one 8 pt line
        y += line.Box.height();
        words.append(line.Text);
    }
    QCOMPARE(words.join(' '), source.Rows[0][0].toString());
    const int grown = y - 1000 - 500;
    QVERIFY(grown > 0);
    auto find = [&](const QString &text, qsizetype from) {
        for (qsizetype i = from; i < items.size(); ++i) {
            if (items[i].Text == text)
                return i;
        }
        return qsizetype(-1);
    };
    QCOMPARE(items[find("unter", 0)].Box.top(), 1000 + 500 + grown); // moved below the text
    QCOMPARE(items[find("neben", 0)].Box.top(), 1000);               // beside it: stays
    // the second row starts below the grown band, and short text keeps its box
    const qsizetype second = find("kurz", 0);
    QVERIFY(second > 0);
    QCOMPARE(items[second].Box, QRect(1500, 1000 + 600 + grown, 2000, 500));
    QCOMPARE(items[find("unter", second)].Box.top(), items[second].Box.top() + 500);
}

void TestReportLayouter::memoGrowsWithHeadline()
{
    const QByteArray text = ProjectText(
        "<pageHeader name=\"h\" height=\"12\">"
        "  <memo name=\"dmo_Firmendaten\" parameter=\"param_FirmenDaten\" x=\"0\" y=\"0\" "
        "        width=\"120\" height=\"6\"/>"
        "  <line name=\"l\" x1=\"0\" y1=\"11\" x2=\"185\" y2=\"11\"/>"
        "</pageHeader>"
        "<detail name=\"d\" height=\"5\">"
        "  <text name=\"t\" x=\"0\" y=\"0\" width=\"20\" height=\"5\">Zeile</text>"
        "</detail>",
        false);
    const QString headline = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Sans;}}"
                                            "\\pard\\f0\\fs32\\b Muster GmbH\\b0\\par"
                                            "\\fs20 Musterstra\\'dfe 1\\par "
                                            "12345 Musterstadt\\par "
                                            "Telefon 01234 56789\\par}");
    const QList<TSnapshotPage> pages =
        LayOut(text, nullptr, {{QStringLiteral("param_FirmenDaten"), headline}});
    QCOMPARE(pages.size(), 1);
    const QList<TSnapItem> &items = pages[0].Items;
    QCOMPARE(items.size(), 3);
    const TSnapItem &memo = items[0];
    QCOMPARE(memo.Kind, TSnapItem::TKind::RichText);
    QCOMPARE(memo.Box.topLeft(), QPoint(1500, 1000));
    QCOMPARE(memo.Box.width(), 12000);
    // four lines: 16 pt and three of 10 pt, far more than 6 mm
    QVERIFY2(memo.Box.height() > 1500 && memo.Box.height() < 3000,
             qPrintable(QString::number(memo.Box.height())));
    QVERIFY(memo.Text.contains("Muster GmbH"));
    QVERIFY(memo.Text.contains(QStringLiteral("Musterstraße 1")));
    QVERIFY2(memo.Text.contains("font-weight:700"), qPrintable(memo.Text));
    QVERIFY(memo.Text.contains("font-size:16pt"));
    QVERIFY(memo.Text.contains("font-size:10pt"));
    const int grown = memo.Box.height() - 600;
    QCOMPARE(items[1].Kind, TSnapItem::TKind::Line);
    QCOMPARE(items[1].Line.y1(), 1000 + 1100 + grown);
    QCOMPARE(items[2].Box.top(), 1000 + 1200 + grown);
}

void TestReportLayouter::memoPlainTextAndBadRtf()
{
    const QByteArray text = ProjectText(
        "<summary name=\"s\" height=\"5\">"
        "  <memo name=\"dmo_Text\" parameter=\"p\" x=\"0\" y=\"0\" width=\"50\" height=\"5\"/>"
        "</summary>",
        false);
    const QList<TSnapshotPage> pages = LayOut(text, nullptr, {{"p", "Nur Text"}});
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].Items[0].Box.height(), 500); // one line fits: no growth
    QVERIFY(pages[0].Items[0].Text.contains("Nur Text"));

    const TReportList reports = ReadProject(text);
    TPageCollector sink;
    QString bad = "{\\rtf1 ";
    for (int i = 0; i < 1000; ++i)
        bad += '{';
    TReportLayouter layouter(*reports.front(), nullptr, [&](const QString &) { return bad; });
    try {
        layouter.Run(sink);
        QFAIL("no error");
    } catch (const EReportError &e) {
        QVERIFY2(e.Message().startsWith("Der Text für „dmo_Text“ (Parameter „p“) kann nicht "
                                        "gelesen werden: "),
                 qPrintable(e.Message()));
    }
}
