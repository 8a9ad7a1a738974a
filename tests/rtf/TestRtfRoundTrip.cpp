#include "TestRtfRoundTrip.h"

#include "RtfTestSupport.h"
#include "RtfText.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace
{

QByteArray RoundTrip(const QTextDocument &source, QTextDocument &target)
{
    const QByteArray rtf = SaveRtfBytes(&source);
    QString error;
    if (!LoadRtfBytes(&target, rtf, &error))
        qWarning("%s", qPrintable(error));
    return rtf;
}

} // namespace

void TestRtfRoundTrip::everyAttributeSurvives()
{
    QTextDocument source;
    BuildSampleDocument(source);
    QTextDocument target;
    const QByteArray rtf = RoundTrip(source, target);
    const QString difference = CompareDocuments(source, target);
    QVERIFY2(difference.isEmpty(), qPrintable(difference + "\n" + QString::fromLatin1(rtf)));
    // the same holds for a document with another default font, as the editor has
    QTextDocument editor;
    editor.setDefaultFont(QFont("Courier New", 10));
    BuildSampleDocument(editor);
    QTextDocument back;
    back.setDefaultFont(QFont("Courier New", 10));
    RoundTrip(editor, back);
    QCOMPARE(CompareDocuments(editor, back), QString());
}

void TestRtfRoundTrip::writingIsStable()
{
    QTextDocument source;
    BuildSampleDocument(source);
    QTextDocument once;
    const QByteArray first = RoundTrip(source, once);
    QTextDocument twice;
    const QByteArray second = RoundTrip(once, twice);
    QCOMPARE(second, first);
}

void TestRtfRoundTrip::sourceIsSevenBitWithTables()
{
    QTextDocument source;
    BuildSampleDocument(source);
    const QByteArray rtf = SaveRtfBytes(&source);
    for (const char c : rtf)
        QVERIFY2(static_cast<unsigned char>(c) < 0x80, "8-bit byte in the RTF source");
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.trimmed().endsWith('}'));
    const int open = int(rtf.count('{') - rtf.count("\\{"));
    const int close = int(rtf.count('}') - rtf.count("\\}"));
    QCOMPARE(open, close);
    QVERIFY(rtf.contains("{\\fonttbl"));
    QVERIFY(rtf.contains("Times New Roman;}"));
    QVERIFY(rtf.contains("{\\f3\\fnil\\fcharset0 Verdana;}") || rtf.contains("Verdana;}"));
    QVERIFY(rtf.contains("{\\colortbl;\\red16\\green105\\blue123;"));
    QVERIFY(rtf.contains("{\\*\\listtable"));
    QVERIFY(rtf.contains("{\\*\\listoverridetable"));
    QVERIFY(rtf.contains("\\qc"));
    QVERIFY(rtf.contains("\\qr"));
    QVERIFY(rtf.contains("\\qj"));
    QVERIFY(rtf.contains("\\li600\\ri450\\fi300\\sb150\\sa75"));
    // the text as QString, as it goes into the database
    QCOMPARE(SaveRtfText(&source), QString::fromLatin1(rtf));
}

void TestRtfRoundTrip::umlautsAndEuro()
{
    QTextDocument source;
    source.setPlainText(QString::fromUtf8("Ää Öö Üü ß € „“ – … ‰ Ÿ"));
    const QByteArray rtf = SaveRtfBytes(&source);
    // code page 1252: € is 0x80, the umlauts their Latin-1 values
    QVERIFY(rtf.contains(
        "\\'c4\\'e4 \\'d6\\'f6 \\'dc\\'fc \\'df \\'80 \\'84\\'93 \\'96 \\'85 \\'89 \\'9f"));
    QTextDocument target;
    RoundTrip(source, target);
    QCOMPARE(target.toPlainText(), source.toPlainText());
}

void TestRtfRoundTrip::placeholderInSource()
{
    // a headline's placeholder is replaced in the RTF source; it must come out in one
    // piece when it has one format, and the replaced text keeps that format
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat f;
    f.setFontFamilies({"Arial"});
    f.setFontPointSize(14);
    f.setFontWeight(QFont::Bold);
    c.insertText("AfA ", f);
    c.insertText("[%Zeitraum%]", f);
    c.insertText(" Ende", QTextCharFormat());
    QString rtf = SaveRtfText(&doc);
    QCOMPARE(rtf.count("[%Zeitraum%]"), 1);
    rtf.replace("[%Zeitraum%]", "vom 01.01.2023 bis 31.12.2023");
    QTextDocument out;
    QString error;
    QVERIFY(LoadRtfText(&out, rtf, &error));
    const QList<TBlockAttrs> blocks = DocumentAttrs(out);
    QCOMPARE(blocks.size(), 1);
    QCOMPARE(blocks.at(0).runs.size(), 2);
    QCOMPARE(blocks.at(0).runs.at(0).text, QString("AfA vom 01.01.2023 bis 31.12.2023"));
    QVERIFY(blocks.at(0).runs.at(0).bold);
    QCOMPARE(blocks.at(0).runs.at(0).points, 14.0);

    // a placeholder split by formatting is not found in the source
    QTextCursor part(&doc);
    part.setPosition(6);
    part.setPosition(10, QTextCursor::KeepAnchor);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    part.mergeCharFormat(italic);
    QVERIFY(!SaveRtfText(&doc).contains("[%Zeitraum%]"));
}

void TestRtfRoundTrip::documentFromHtml()
{
    // formats as the HTML importer or a paste make them: pixel sizes, weights, block indents
    QTextDocument source;
    source.setHtml(QString::fromUtf8(
        "<p style='margin-left:20px'><span style='font-family:Georgia; font-size:16px; "
        "font-weight:600'>"
        "halbfett</span> <span style='color:#336699; background-color:#eeeeee'>farbig</span></p>"
        "<p style='-qt-block-indent:2'>eingerückt</p><ol><li>eins</li><li>zwei</li></ol>"
        "<p align=center><b><i><u><s>alles</s></u></i></b></p>"));
    QTextDocument target;
    RoundTrip(source, target);
    QCOMPARE(CompareDocuments(source, target), QString());
}

void TestRtfRoundTrip::emptyDocument()
{
    QTextDocument source;
    QTextDocument target;
    target.setPlainText("alt");
    RoundTrip(source, target);
    QCOMPARE(target.blockCount(), 1);
    QVERIFY(target.isEmpty());
}
