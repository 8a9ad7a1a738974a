#include "TestRtfReader.h"

#include "RtfReader.h"
#include "RtfTestSupport.h"
#include "RtfText.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

namespace
{

void Load(QTextDocument &doc, const QByteArray &rtf)
{
    QString error;
    QVERIFY2(LoadRtfBytes(&doc, rtf, &error), qPrintable(error));
}

// The runs of the one paragraph of a document.
QList<TRunAttrs> Runs(const QTextDocument &doc, int block = 0)
{
    const QList<TBlockAttrs> blocks = DocumentAttrs(doc);
    return block < blocks.size() ? blocks.at(block).runs : QList<TRunAttrs>();
}

} // namespace

void TestRtfReader::codePageAndUnicode_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("hex escapes cp1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'e4\\'f6\\'fc\\'df \\'80 \\'96\\'9f}")
        << QString::fromUtf8("äöüß € –Ÿ");
    QTest::newRow("raw bytes above 127") << QByteArray("{\\rtf1\\ansi Stra\xdf"
                                                       "e \x80 \xc4\xd6\xdc}")
                                         << QString::fromUtf8("Straße € ÄÖÜ");
    QTest::newRow("ansicpg 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1 \xc2}")
                                  << QString::fromUtf8("Аб В");
    QTest::newRow("ansicpg 1250") << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'8a\\'b9}")
                                  << QString::fromUtf8("Šą");
    QTest::newRow("multi-byte code page taken as 1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'e4\\'80}") << QString::fromUtf8("ä€");
    QTest::newRow("font character set")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}"
                      "{\\f1\\fcharset204 Arial Cyr;}{\\f2\\fcharset238 Arial CE;}}"
                      "\\'e4{\\f1\\'e4}{\\f2\\'b9}\\f1\\plain\\'e4}")
        << QString::fromUtf8("äдąä");
    QTest::newRow("u with one fallback")
        << QByteArray("{\\rtf1 \\u8364?\\u252\\'fc!}") << QString::fromUtf8("€ü!");
    QTest::newRow("uc0 has no fallback")
        << QByteArray("{\\rtf1\\uc0\\u8364\\'80}") << QString::fromUtf8("€€");
    QTest::newRow("uc2 skips two escapes")
        << QByteArray("{\\rtf1\\uc2\\u937\\'3f\\'3fx}") << QString::fromUtf8("Ωx");
    QTest::newRow("uc is group local")
        << QByteArray("{\\rtf1{\\uc2\\u937 ab}\\u937 ab}") << QString::fromUtf8("ΩΩb");
    QTest::newRow("fallback ends at group end")
        << QByteArray("{\\rtf1{\\uc3\\u937 a}bc}") << QString::fromUtf8("Ωbc");
    QTest::newRow("negative u") << QByteArray("{\\rtf1\\u-4064?}") << QString(QChar(0xF020));
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1\\u-10179?\\u-8704?}") << QString::fromUtf8("😀");
    QTest::newRow("lone surrogate replaced")
        << QByteArray("{\\rtf1 a\\u-10179?b}") << QString::fromUtf8("a\uFFFDb");
    QTest::newRow("escaped specials")
        << QByteArray("{\\rtf1 a\\\\b\\{c\\}d}") << QString("a\\b{c}d");
    QTest::newRow("tab, line, nbsp, dashes")
        << QByteArray("{\\rtf1 a\\tab b\\line c\\~d\\emdash\\endash\\bullet}")
        << QString::fromUtf8("a\tb\u2028c\u00A0d—–•");
    QTest::newRow("quotes") << QByteArray("{\\rtf1\\lquote a\\rquote\\ldblquote b\\rdblquote}")
                            << QString::fromUtf8("‘a’“b”");
    QTest::newRow("line breaks in source ignored")
        << QByteArray("{\\rtf1 ab\r\ncd\nef}") << QString("abcdef");
    QTest::newRow("control word delimiter")
        << QByteArray("{\\rtf1\\b  two\\b0;x}") << QString(" two;x");
    QTest::newRow("document model characters")
        << QByteArray("{\\rtf1 a\\u65532?\\u64976?\\u8233?b\\u7?}")
        << QString::fromUtf8("a\uFFFD\uFFFDb");
}

void TestRtfReader::codePageAndUnicode()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    Load(doc, rtf);
    QCOMPARE(doc.begin().text(), text);
}

void TestRtfReader::characterFormats()
{
    QTextDocument doc;
    Load(doc, "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
              "\\fs20 n{\\b b}{\\i i}{\\ul u}{\\uld d}{\\ulwave w}{\\strike s}{\\super p}{\\sub q}"
              "\\b\\i x\\b0 y\\i0\\ul z\\ulnone a\\ul b\\ul0 c\\plain e}");
    const QList<TRunAttrs> runs = Runs(doc);
    QStringList got;
    for (const TRunAttrs &r : runs)
        got << DescribeRun(r);
    const QStringList expected = {
        R"("n" Arial 10pt ul0 v0 fore auto back none)",
        R"("b" Arial 10pt b ul0 v0 fore auto back none)",
        R"("i" Arial 10pt i ul0 v0 fore auto back none)",
        R"("u" Arial 10pt ul1 v0 fore auto back none)",
        R"("d" Arial 10pt ul3 v0 fore auto back none)",
        R"("w" Arial 10pt ul6 v0 fore auto back none)",
        R"("s" Arial 10pt ul0 strike v0 fore auto back none)",
        R"("p" Arial 10pt ul0 v1 fore auto back none)",
        R"("q" Arial 10pt ul0 v2 fore auto back none)",
        R"("x" Arial 10pt b i ul0 v0 fore auto back none)",
        R"("y" Arial 10pt i ul0 v0 fore auto back none)",
        R"("z" Arial 10pt ul1 v0 fore auto back none)",
        R"("a" Arial 10pt ul0 v0 fore auto back none)",
        R"("b" Arial 10pt ul1 v0 fore auto back none)",
        R"("c" Arial 10pt ul0 v0 fore auto back none)",
        R"("e" Arial 12pt ul0 v0 fore auto back none)",
    };
    QCOMPARE(got, expected);
    // explicit values, so that a rich edit's own font does not show through
    const QTextCharFormat f = doc.begin().begin().fragment().charFormat();
    QVERIFY(f.hasProperty(QTextFormat::FontWeight));
    QVERIFY(f.hasProperty(QTextFormat::FontItalic));
    QVERIFY(f.hasProperty(QTextFormat::FontPointSize));
}

void TestRtfReader::fontTableAndDefaultFont()
{
    QTextDocument doc;
    Load(doc, "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
              "{\\f1\\fswiss{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}"
              "\\f2\\fmodern Courier New;{\\f3\\fnil Gr\\'fcn;}}"
              "a\\f0 b\\f2 c\\f3 d\\f9 e\\plain f}");
    const QList<TRunAttrs> runs = Runs(doc);
    QCOMPARE(runs.size(), 6);
    QCOMPARE(runs.at(0).family, QString("Arial"));
    QCOMPARE(runs.at(1).family, QString("Times New Roman"));
    QCOMPARE(runs.at(2).family, QString("Courier New"));
    QCOMPARE(runs.at(3).family, QString::fromUtf8("Grün"));
    QCOMPARE(runs.at(4).family, doc.defaultFont().family()); // unknown font number
    QCOMPARE(runs.at(5).family, QString("Arial"));           // \plain returns to \deff
    QTextBlock::iterator it = doc.begin().begin();
    QCOMPARE(it.fragment().charFormat().fontStyleHint(), QFont::SansSerif);
    ++it;
    QCOMPARE(it.fragment().charFormat().fontStyleHint(), QFont::Serif);
    ++it;
    QCOMPARE(it.fragment().charFormat().fontStyleHint(), QFont::TypeWriter);
}

void TestRtfReader::colourTable()
{
    QTextDocument doc;
    Load(doc, "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;"
              "\\red16\\green105\\blue123;}"
              "a\\cf1 b\\cf2\\cb3 c\\cf0\\cb0 d\\highlight1 e\\highlight0\\chcbpat2 f\\cf7 g}");
    const QList<TRunAttrs> runs = Runs(doc);
    QCOMPARE(runs.size(), 6);
    QVERIFY(!runs.at(0).fore.isValid());
    QCOMPARE(runs.at(1).fore, QColor("#ff0000"));
    QCOMPARE(runs.at(2).fore, QColor("#0080ff"));
    QCOMPARE(runs.at(2).back, QColor("#10697b"));
    QVERIFY(!runs.at(3).fore.isValid());
    QVERIFY(!runs.at(3).back.isValid());
    QCOMPARE(runs.at(4).back, QColor("#ff0000"));
    QCOMPARE(runs.at(5).back, QColor("#0080ff"));
    QCOMPARE(runs.at(5).text, QString("fg")); // cf7 is beyond the table: automatic
}

void TestRtfReader::paragraphFormats()
{
    QTextDocument doc;
    Load(doc, "{\\rtf1\\qc a\\par b\\par\\pard c\\par\\qr d\\par\\qj e\\par\\pard\\ql"
              "\\li1440\\ri720\\fi-360\\sb240\\sa120 f\\par g\\par\\pard h{\\qc\\par}i}");
    const QList<TBlockAttrs> blocks = DocumentAttrs(doc);
    QCOMPARE(blocks.size(), 9);
    const int align[] = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft,
                         Qt::AlignRight,   Qt::AlignJustify, Qt::AlignLeft,
                         Qt::AlignLeft,    Qt::AlignHCenter, Qt::AlignLeft};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(blocks.at(i).align, align[i]);
    // twips to document pixels (96 per inch)
    QCOMPARE(blocks.at(5).left, 96.0);
    QCOMPARE(blocks.at(5).right, 48.0);
    QCOMPARE(blocks.at(5).first, -24.0);
    QCOMPARE(blocks.at(5).top, 16.0);
    QCOMPARE(blocks.at(5).bottom, 8.0);
    QCOMPARE(blocks.at(6).left, 96.0); // kept until \pard
    QCOMPARE(blocks.at(7).left, 0.0);
    QCOMPARE(blocks.at(7).text, QString("h"));
}

void TestRtfReader::paragraphEnds_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("empty document") << QByteArray("{\\rtf1}") << QStringList{""};
    QTest::newRow("no par") << QByteArray("{\\rtf1 a}") << QStringList{"a"};
    QTest::newRow("final par closes the last paragraph")
        << QByteArray("{\\rtf1 a\\par}") << QStringList{"a"};
    QTest::newRow("empty paragraph kept")
        << QByteArray("{\\rtf1 a\\par\\par}") << QStringList{"a", ""};
    QTest::newRow("empty first paragraph")
        << QByteArray("{\\rtf1\\par a\\par}") << QStringList{"", "a"};
    QTest::newRow("text after the last par")
        << QByteArray("{\\rtf1 a\\par b}") << QStringList{"a", "b"};
    QTest::newRow("escaped line end") << QByteArray("{\\rtf1 a\\\nb}") << QStringList{"a", "b"};
    QTest::newRow("table rows") << QByteArray(
                                       "{\\rtf1\\trowd\\cellx100\\cellx200 x\\cell y\\cell\\row z}")
                                << QStringList{"x\ty\t", "z"};
    QTest::newRow("missing closing brace")
        << QByteArray("{\\rtf1{\\b a\\par b") << QStringList{"a", "b"};
    QTest::newRow("text after the document ignored")
        << QByteArray("{\\rtf1 a}b{c}") << QStringList{"a"};
}

void TestRtfReader::paragraphEnds()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, paragraphs);
    QTextDocument doc;
    Load(doc, rtf);
    QStringList got;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        got << b.text();
    QCOMPARE(got, paragraphs);
}

void TestRtfReader::listTableBullets()
{
    // list table as Word and LibreOffice write it; \listtext is the visible bullet for
    // readers without lists and must not show up as text
    QTextDocument doc;
    Load(doc, "{\\rtf1{\\*\\listtable{\\list\\listtemplateid7"
              "{\\listlevel\\levelnfc23\\leveljc0{\\leveltext\\'01\\u8226 "
              "?;}{\\levelnumbers;}\\fi-360\\li720}"
              "{\\listlevel\\levelnfc0{\\leveltext\\'02\\'01.;}{\\levelnumbers\\'01;}\\fi-"
              "360\\li1440}\\listid42}"
              "{\\list{\\listlevel\\levelnfc4{\\leveltext\\'02\\'00);}}\\listid43}}"
              "{\\*\\listoverridetable{\\listoverride\\listid42\\listoverridecount0\\ls1}"
              "{\\listoverride\\listid43\\listoverridecount0\\ls2}}"
              "{\\listtext\\'b7\\tab}\\pard\\ls1\\ilvl0\\li720\\fi-360 eins\\par"
              "{\\listtext\\'b7\\tab}\\ls1\\ilvl0 zwei\\par"
              "{\\listtext 1.\\tab}\\ls1\\ilvl1\\li1440 unter\\par"
              "\\pard normal\\par"
              "{\\listtext a)\\tab}\\ls2 alpha\\par"
              "{\\listtext\\'b7\\tab}\\pard\\ls1\\li720\\fi-360 drei\\par}");
    const QList<TBlockAttrs> b = DocumentAttrs(doc);
    QCOMPARE(b.size(), 6);
    QCOMPARE(b.at(0).text, QString("eins"));
    QCOMPARE(b.at(0).listStyle, int(QTextListFormat::ListDisc));
    QCOMPARE(b.at(0).listIndent, 1);
    QCOMPARE(b.at(0).first, 0.0);                     // the hanging indent is the bullet's room
    QCOMPARE(b.at(0).left, 48.0 - doc.indentWidth()); // 720 twips in all
    QCOMPARE(b.at(1).listNumber, b.at(0).listNumber); // one list
    QCOMPARE(b.at(2).listStyle, int(QTextListFormat::ListDecimal));
    QCOMPARE(b.at(2).listIndent, 2);
    QCOMPARE(b.at(3).listStyle, 0);
    QCOMPARE(b.at(4).listStyle, int(QTextListFormat::ListLowerAlpha));
    QCOMPARE(b.at(5).listNumber, b.at(0).listNumber); // the same list goes on
    QCOMPARE(doc.begin().textList()->count(), 3);
}

void TestRtfReader::oldStyleBullets()
{
    // as a Windows rich edit writes bullets
    QTextDocument doc;
    Load(doc, "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
              "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-"
              "720\\li720\\f0 eins\\par"
              "{\\pntext\\f1\\'B7\\tab}zwei\\par\\pard drei\\par"
              "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}vier\\par}");
    const QList<TBlockAttrs> b = DocumentAttrs(doc);
    QCOMPARE(b.size(), 4);
    QCOMPARE(b.at(0).text, QString("eins"));
    QCOMPARE(b.at(0).listStyle, int(QTextListFormat::ListDisc));
    QCOMPARE(b.at(1).listNumber, b.at(0).listNumber);
    QCOMPARE(b.at(2).listStyle, 0);
    QCOMPARE(b.at(3).listStyle, int(QTextListFormat::ListDecimal));
    QCOMPARE(b.at(0).runs.at(0).family, QString("Arial"));
}

void TestRtfReader::skippedGroups()
{
    QTextDocument doc;
    Load(doc, "{\\rtf1\\ansi{\\*\\generator Writer;}{\\info{\\title Titel}{\\author A}}"
              "{\\stylesheet{\\s0 Normal;}}{\\*\\unknown {nested} text}{\\*\\pgdsctbl{x}}"
              "{\\header Kopf}{\\footer Fuss}{\\footnote Note}"
              "a{\\pict\\pngblip\\bin4 }{}\\ 0102}b{\\object{\\*\\objdata 0102}{\\result R}}"
              "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt c}}"
              "{\\upr{ansi}{\\*\\ud{d}}}\\bin3 \\{}e\\v hidden\\v0 f\\newword g}");
    QCOMPARE(doc.toPlainText(), QString("abRcdefg"));
}

void TestRtfReader::plainText()
{
    // text without RTF markup comes in as it is, UTF-8 when valid, else code page 1252
    QTextDocument doc;
    Load(doc, QByteArray("Zeile 1 {\\b nicht fett}\nZeile \xc3\xa4 \xe2\x82\xac"));
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("Zeile 1 {\\b nicht fett}\nZeile ä €"));
    Load(doc, QByteArray("Gr\xfc\xdf \x80"));
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("Grüß €"));
    Load(doc, QByteArray(" \r\n{\\rtf1 leading blanks}"));
    QCOMPARE(doc.toPlainText(), QString("leading blanks"));
    Load(doc, QByteArray());
    QCOMPARE(doc.toPlainText(), QString());
    QVERIFY(doc.isEmpty());
}

void TestRtfReader::loadRtfTextFromString()
{
    // RTF in a string, as the database gives it back: characters above 127 stand for the
    // code page bytes, C1 controls for the bytes they were read from
    QTextDocument doc;
    QString error;
    QVERIFY(LoadRtfText(&doc, QString::fromUtf8("{\\rtf1 \u00e4 \u0080 \u20ac \u03a9 {\\b x}}"),
                        &error));
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("ä € € Ω x"));
    QVERIFY(LoadRtfText(&doc, QString::fromUtf8("Nur Text: {\\b} äöü €"), &error));
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("Nur Text: {\\b} äöü €"));
    // replacing loses the old content and the undo history
    QTextCursor(&doc).insertText("alt");
    QVERIFY(LoadRtfText(&doc, "{\\rtf1 neu}", &error));
    QCOMPARE(doc.toPlainText(), QString("neu"));
    QVERIFY(!doc.isUndoAvailable());
    QVERIFY(!doc.isModified());
}

void TestRtfReader::libreOfficeHeadline()
{
    // headline.fodt, saved as RTF by LibreOffice (headline.rtf)
    const QByteArray rtf = ReadTestFile("headline.rtf");
    QVERIFY(!rtf.isEmpty());
    QTextDocument doc;
    Load(doc, rtf);
    const QList<TBlockAttrs> b = DocumentAttrs(doc);
    QCOMPARE(b.size(), 7);

    QCOMPARE(b.at(0).text, QString("Abschreibungsreport [%Zeitraum%]"));
    QCOMPARE(b.at(0).align, int(Qt::AlignHCenter));
    QCOMPARE(b.at(0).runs.size(), 1);
    QCOMPARE(
        DescribeRun(b.at(0).runs.at(0)),
        QString(
            R"("Abschreibungsreport [%Zeitraum%]" DejaVu Sans 16pt b ul0 v0 fore #10697b back none)"));

    QCOMPARE(b.at(1).align, int(Qt::AlignRight));
    QCOMPARE(DescribeRun(b.at(1).runs.at(0)),
             QString::fromUtf8(
                 R"("Müller & Söhne – 100 €" DejaVu Serif 10pt i ul0 v0 fore auto back none)"));

    const TBlockAttrs &p = b.at(2);
    QCOMPARE(p.left, 96.0); // 1 inch
    QCOMPARE(p.right, 48.0);
    QCOMPARE(p.first, 24.0);
    QCOMPARE(p.top, 9.6); // 0.1 inch
    QCOMPARE(p.bottom, 19.2);
    QStringList runs;
    for (const TRunAttrs &r : p.runs)
        runs << DescribeRun(r);
    QCOMPARE(
        runs,
        QStringList({
            QString::fromUtf8(R"("Eingerückt mit " DejaVu Serif 12pt ul0 v0 fore auto back none)"),
            R"("unterstrichen" DejaVu Serif 12pt ul1 v0 fore auto back none)",
            R"(", " DejaVu Serif 12pt ul0 v0 fore auto back none)",
            R"("durchgestrichen" DejaVu Serif 12pt ul0 strike v0 fore auto back none)",
            R"(", " DejaVu Serif 12pt ul0 v0 fore auto back none)",
            R"("rot" DejaVu Serif 12pt ul0 v0 fore #ff0000 back none)",
            R"(", " DejaVu Serif 12pt ul0 v0 fore auto back none)",
            R"("markiert" DejaVu Serif 12pt ul0 v0 fore auto back #ffff00)",
            R"(" und " DejaVu Serif 12pt ul0 v0 fore auto back none)",
            R"("fett kursiv" DejaVu Serif 14pt b i ul0 v0 fore auto back none)",
            R"("." DejaVu Serif 12pt ul0 v0 fore auto back none)",
        }));

    for (int i = 3; i <= 5; ++i) {
        QCOMPARE(b.at(i).listStyle, int(QTextListFormat::ListDisc));
        QCOMPARE(b.at(i).listNumber, 0);
        QCOMPARE(b.at(i).runs.at(0).family, QString("DejaVu Sans"));
        QCOMPARE(b.at(i).runs.at(0).points, 11.0);
    }
    QCOMPARE(b.at(4).text, QString("Zweiter Punkt"));

    QCOMPARE(b.at(6).align, int(Qt::AlignJustify));
    QCOMPARE(b.at(6).listStyle, 0);
    QCOMPARE(
        DescribeRun(b.at(6).runs.at(0)),
        QString::fromUtf8(
            R"("Blocksatz in Schreibmaschinenschrift: Äpfel, Öl, Übel, Straße." DejaVu Sans Mono 9pt ul0 v0 fore auto back none)"));

    // the same headline as a string, as the settings store holds it
    QTextDocument stored;
    QString error;
    QVERIFY2(LoadRtfText(&stored, QString::fromLatin1(rtf), &error), qPrintable(error));
    QCOMPARE(CompareDocuments(doc, stored), QString());
}

void TestRtfReader::libreOfficeLists()
{
    // lists.html, opened in LibreOffice and saved as RTF (lists.rtf): nested bullets,
    // numbering, raised and lowered text (\up, \dn)
    QTextDocument doc;
    Load(doc, ReadTestFile("lists.rtf"));
    const QList<TBlockAttrs> b = DocumentAttrs(doc);
    QStringList got;
    for (const TBlockAttrs &block : b)
        got << QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(block.text.trimmed())
                   .arg(block.listStyle)
                   .arg(block.listIndent)
                   .arg(block.listNumber)
                   .arg(block.align);
    const QStringList expected = {
        QString::fromUtf8("Aufzählung mit Unterpunkten:|0|0|-1|1"),
        QString::fromUtf8("Gebäude|-1|1|0|1"),
        "Maschinen|-1|1|0|1",
        "Drehbank|-1|2|1|1",
        QString::fromUtf8("Fräse|-1|2|1|1"),
        "Fahrzeuge|-1|1|0|1",
        "Erstens|-4|1|2|1",
        "Zweitens|-4|1|2|1",
        QString::fromUtf8(
            "m2 und H2O, fett, kursiv, unterstrichen, grün, türkis hinterlegt|0|0|-1|4"),
        QString::fromUtf8("Rechts groß|0|0|-1|2"),
    };
    QCOMPARE(got, expected);
    const QList<TRunAttrs> &runs = b.at(8).runs;
    QCOMPARE(runs.at(1).text, QString("2"));
    QCOMPARE(runs.at(1).vertical, int(QTextCharFormat::AlignSuperScript));
    QCOMPARE(runs.at(3).vertical, int(QTextCharFormat::AlignSubScript));
    QCOMPARE(runs.at(4).vertical, int(QTextCharFormat::AlignNormal));
    QVERIFY(runs.at(5).bold);
    QCOMPARE(runs.at(11).fore, QColor("#008000"));
    QCOMPARE(runs.at(13).back, QColor("#00ffff"));
    QCOMPARE(b.at(9).runs.at(0).family, QString("DejaVu Serif"));
    QCOMPARE(b.at(9).runs.at(0).points, 18.0);
}
