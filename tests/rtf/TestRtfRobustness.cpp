#include "TestRtfRobustness.h"

#include "RtfReader.h"
#include "RtfTestSupport.h"
#include "RtfText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace
{

// Reads data; on success our own output of the result must read back to the same text.
bool ReadAndRewrite(const QByteArray &data, QString *problem)
{
    QTextDocument doc;
    TRtfReader reader;
    if (!reader.Read(data, &doc)) {
        if (reader.Error().isEmpty())
            *problem = "failure without a message";
        return false;
    }
    const QByteArray rtf = SaveRtfBytes(&doc);
    QTextDocument again;
    if (!reader.Read(rtf, &again)) {
        *problem = "own output unreadable: " + reader.Error();
        return true;
    }
    if (TRtfReader::IsRtf(data) && again.toPlainText() != doc.toPlainText())
        *problem = "text changed by writing: " + QString::fromLatin1(rtf.left(2000));
    return true;
}

} // namespace

void TestRtfRobustness::nestingLimit()
{
    QTextDocument doc;
    doc.setPlainText("unverändert");
    QString error;
    const int limit = TRtfReader::MaxGroupDepth;
    const QByteArray deep = "{\\rtf1" + QByteArray(limit, '{') + "x" + QByteArray(limit + 1, '}');
    QVERIFY(!LoadRtfBytes(&doc, deep, &error));
    QCOMPARE(error, QString::fromUtf8(
                        "Der RTF-Text ist zu tief verschachtelt (mehr als 200 Gruppenebenen)."));
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("unverändert"));
    // as a string too
    QVERIFY(!LoadRtfText(&doc, QString::fromLatin1(deep), &error));
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("unverändert"));

    const QByteArray allowed =
        "{\\rtf1" + QByteArray(limit - 1, '{') + "x" + QByteArray(limit, '}');
    QVERIFY2(LoadRtfBytes(&doc, allowed, &error), qPrintable(error));
    QCOMPARE(doc.toPlainText(), QString("x"));

    // braces inside \bin data and escaped braces do not count
    const QByteArray bin = "{\\rtf1{\\bin500 " + QByteArray(500, '{') + "}\\{" +
                           QByteArray(500, '{').replace("{", "\\{") + "}";
    QVERIFY2(LoadRtfBytes(&doc, bin, &error), qPrintable(error));
    QCOMPARE(doc.toPlainText(), QString(501, u'{'));
}

void TestRtfRobustness::sizeLimits()
{
    QTextDocument doc;
    doc.setPlainText("alt");
    QString error;
    QByteArray big = "{\\rtf1 ";
    big.append(QByteArray(TRtfReader::MaxInputSize, 'a'));
    QVERIFY(!LoadRtfBytes(&doc, big, &error));
    QVERIFY2(error.startsWith(QString::fromUtf8("Der RTF-Text ist zu groß")), qPrintable(error));
    QCOMPARE(doc.toPlainText(), QString("alt"));

    // paragraphs and format changes are limited as well: small input, big document
    QByteArray pars = "{\\rtf1 ";
    for (qsizetype i = 0; i <= TRtfReader::MaxParagraphs; ++i)
        pars.append("\\par");
    QVERIFY(!LoadRtfBytes(&doc, pars, &error));
    QCOMPARE(error, QString::fromUtf8("Der RTF-Text hat zu viele Absätze (mehr als 250000)."));
    QByteArray runs = "{\\rtf1 ";
    for (qsizetype i = 0; i <= TRtfReader::MaxRuns / 2; ++i)
        runs.append("a\\b b\\b0 ");
    QVERIFY(!LoadRtfBytes(&doc, runs, &error));
    QCOMPARE(error,
             QString::fromUtf8("Der RTF-Text hat zu viele Formatwechsel (mehr als 1000000)."));
    QByteArray formats = "{\\rtf1 ";
    for (qsizetype i = 0; i <= TRtfReader::MaxCharFormats; ++i)
        formats.append("\\cf" + QByteArray::number(i % 4000) + "\\fs" +
                       QByteArray::number(2 + i / 4000) + " a");
    QVERIFY(!LoadRtfBytes(&doc, formats, &error));
    QCOMPARE(error, QString::fromUtf8(
                        "Der RTF-Text hat zu viele verschiedene Zeichenformate (mehr als 65536)."));
    QCOMPARE(doc.toPlainText(), QString("alt"));
}

void TestRtfRobustness::extremeParameters()
{
    QTextDocument doc;
    QString error;
    QVERIFY(LoadRtfBytes(
        &doc,
        "{\\rtf1\\fs99999999999999999999 a\\fs-5 b\\fs0 c\\fs1 d"
        "\\li-99999999999\\ri99999999\\fi-2147483648\\sb-7\\sa99999999\\ls-3\\ilvl99"
        "\\cf-1\\cb2147483647\\uc-4\\u99999999 e\\u-99999 f\\uc2\\u65 ghi"
        "\\'\\'4\\'zz\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz j\\bin-5 k\\bin",
        &error));
    const QList<TBlockAttrs> blocks = DocumentAttrs(doc);
    QCOMPARE(blocks.size(), 1);
    QCOMPARE(blocks.at(0).text, QString("abcdefAizzjk"));
    const QList<TRunAttrs> &runs = blocks.at(0).runs;
    QCOMPARE(runs.at(0).points, 1638.0);
    QCOMPARE(runs.at(1).points, 12.0);
    QCOMPARE(runs.at(2).points, 1.0); // fs1: the smallest size
    QCOMPARE(blocks.at(0).left, -31680 / 15.0);
    QCOMPARE(blocks.at(0).right, 31680 / 15.0);
    QCOMPARE(blocks.at(0).top, 0.0);
    QCOMPARE(blocks.at(0).listStyle, 0);
}

void TestRtfRobustness::tableLimits()
{
    // tables without end are capped, the text still comes through
    QByteArray rtf = "{\\rtf1{\\colortbl";
    rtf.append(QByteArray(200000, ';'));
    rtf.append("}{\\fonttbl");
    for (int i = 0; i < 20000; ++i)
        rtf.append("{\\f" + QByteArray::number(i) + " F;}");
    rtf.append("}{\\*\\listtable");
    for (int i = 0; i < 5000; ++i)
        rtf.append("{\\list{\\listlevel}{\\listlevel}\\listid" + QByteArray::number(i) + "}");
    rtf.append("}\\f19999\\cf100000 Text}");
    TRtfContent content;
    TRtfReader reader;
    QVERIFY(reader.Parse(rtf, content));
    QCOMPARE(content.colours.size(), 4096);
    QCOMPARE(content.fonts.size(), 4096);
    QCOMPARE(content.lists.size(), 1024);
    QTextDocument doc;
    QVERIFY(reader.Read(rtf, &doc));
    QCOMPARE(doc.toPlainText(), QString("Text"));
}

void TestRtfRobustness::fuzzerFindings_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(TestDataPath("fuzz"));
    for (const QString &name : dir.entryList(QDir::Files))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestRtfRobustness::fuzzerFindings()
{
    QFETCH(QString, file);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString problem;
    ReadAndRewrite(f.readAll(), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestRtfRobustness::randomMutations()
{
    // a few seconds of mutated RTF: every input gives a document or a message
    QList<QByteArray> seeds;
    seeds << ReadTestFile("headline.rtf");
    QTextDocument sample;
    BuildSampleDocument(sample);
    seeds << SaveRtfBytes(&sample);
    seeds << QByteArray("{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb x}}\\ls1\\ilvl3 "
                        "a{\\upr{b}{\\*\\ud{c}}}\\u-10179?\\par}");
    static const char *const tokens[] = {
        "{",
        "}",
        "\\",
        "\\par ",
        "\\pard",
        "\\plain",
        "\\b",
        "\\u-10179?",
        "\\u65533 ",
        "\\uc2",
        "\\'",
        "\\'8",
        "\\bin4 ",
        "\\bin",
        "\\*",
        "{\\*\\listtable",
        "{\\list",
        "{\\listlevel",
        "\\listid1",
        "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}",
        "\\ls1",
        "\\ilvl8",
        "{\\*\\pn\\pnlvlblt",
        "{\\fonttbl",
        "{\\f0 X;}",
        "{\\colortbl;",
        "\\red255",
        ";",
        "\\cf1",
        "\\highlight2",
        "\\fs-1",
        "\\li-99999",
        "\\fi",
        "{\\upr",
        "{\\*\\ud",
        "\\line",
        "\\tab",
        "\\~",
        "\\-",
        "\xff",
        "\x80",
        "\0",
    };
    QRandomGenerator random(4711);
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    while (timer.elapsed() < 3000) {
        QByteArray data = seeds.at(random.bounded(int(seeds.size())));
        const int steps = 1 + random.bounded(8);
        for (int s = 0; s < steps && !data.isEmpty(); ++s) {
            const int at = random.bounded(int(data.size()));
            switch (random.bounded(5)) {
            case 0:
                data[at] = char(random.bounded(256));
                break;
            case 1:
                data.insert(at, tokens[random.bounded(int(std::size(tokens)))]);
                break;
            case 2:
                data.remove(at, random.bounded(1 + int(data.size()) - at));
                break;
            case 3:
                data.insert(at, data.mid(random.bounded(int(data.size())), random.bounded(64)));
                break;
            default:
                data.truncate(at);
                break;
            }
        }
        QString problem;
        ReadAndRewrite(data, &problem);
        if (!problem.isEmpty())
            QFAIL(qPrintable(problem + "\ninput: " + QString::fromLatin1(data.toBase64())));
        ++runs;
    }
    qInfo("%d mutated inputs read", runs);
    QVERIFY(runs > 10);
}
