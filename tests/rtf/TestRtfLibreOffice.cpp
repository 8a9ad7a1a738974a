#include "TestRtfLibreOffice.h"

#include "RtfTestSupport.h"
#include "RtfText.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <QtTest>
#include <cmath>

namespace
{

using TProps = QHash<QString, QString>;

struct TOdfSpan {
    QString text;
    TProps props; // paragraph style's text properties overlaid with the span's
};

struct TOdfParagraph {
    QString text;
    TProps props; // paragraph properties
    QString listStyle;
    int listLevel = 0;
    TProps textProps; // of the paragraph style
    QList<TOdfSpan> spans;
};

struct TOdfListLevel {
    QString bullet;    // bullet character, empty for a number
    QString numFormat; // "1", "a", "A", "i", "I"
    QString marginLeft;
    QString textIndent;
};

// The paragraphs, styles and list styles of a flat ODF text document.
class TFlatOdf
{
public:
    explicit TFlatOdf(const QByteArray &xml);

    QList<TOdfParagraph> paragraphs;
    QHash<QString, QHash<int, TOdfListLevel>> lists;

private:
    void ReadStyle(QXmlStreamReader &xml);
    void ReadListStyle(QXmlStreamReader &xml);
    void ReadParagraph(QXmlStreamReader &xml, const QString &listStyle, int level);

    QHash<QString, TProps> m_paragraphProps;
    QHash<QString, TProps> m_textProps;
};

TProps Attributes(const QXmlStreamReader &xml)
{
    TProps props;
    for (const QXmlStreamAttribute &a : xml.attributes())
        props.insert(a.qualifiedName().toString(), a.value().toString());
    return props;
}

TFlatOdf::TFlatOdf(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    QStringList listStack;
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.qualifiedName().toString();
        if (xml.isStartElement()) {
            if (name == "style:style")
                ReadStyle(xml);
            else if (name == "text:list-style")
                ReadListStyle(xml);
            else if (name == "text:list")
                listStack.append(xml.attributes().value("text:style-name").toString());
            else if (name == "text:p" || name == "text:h") {
                QString style;
                for (const QString &s : listStack)
                    if (!s.isEmpty())
                        style = s;
                ReadParagraph(xml, style, int(listStack.size()));
            }
        } else if (xml.isEndElement() && name == "text:list") {
            listStack.removeLast();
        }
    }
}

void TFlatOdf::ReadStyle(QXmlStreamReader &xml)
{
    const QString style = xml.attributes().value("style:name").toString();
    TProps para;
    para.insert("style:list-style-name",
                xml.attributes().value("style:list-style-name").toString());
    while (xml.readNextStartElement()) {
        if (xml.qualifiedName() == QLatin1String("style:paragraph-properties"))
            para.insert(Attributes(xml));
        else if (xml.qualifiedName() == QLatin1String("style:text-properties"))
            m_textProps[style].insert(Attributes(xml));
        xml.skipCurrentElement();
    }
    m_paragraphProps.insert(style, para);
}

void TFlatOdf::ReadListStyle(QXmlStreamReader &xml)
{
    const QString style = xml.attributes().value("style:name").toString();
    while (xml.readNextStartElement()) {
        const TProps a = Attributes(xml);
        TOdfListLevel level;
        level.bullet = a.value("text:bullet-char");
        level.numFormat = a.value("style:num-format");
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                ++depth;
                if (xml.qualifiedName() == QLatin1String("style:list-level-label-alignment")) {
                    level.marginLeft = xml.attributes().value("fo:margin-left").toString();
                    level.textIndent = xml.attributes().value("fo:text-indent").toString();
                }
            } else if (xml.isEndElement()) {
                --depth;
            }
        }
        lists[style].insert(a.value("text:level").toInt(), level);
    }
}

void TFlatOdf::ReadParagraph(QXmlStreamReader &xml, const QString &listStyle, int level)
{
    TOdfParagraph p;
    const QString style = xml.attributes().value("text:style-name").toString();
    p.props = m_paragraphProps.value(style);
    p.listStyle = listStyle.isEmpty() ? p.props.value("style:list-style-name") : listStyle;
    p.listLevel = level;
    const TProps base = m_textProps.value(style);
    p.textProps = base;
    QList<TProps> stack{base};
    const auto append = [&](const QString &text) {
        if (text.isEmpty())
            return;
        p.text += text;
        if (!p.spans.isEmpty() && p.spans.last().props == stack.last())
            p.spans.last().text += text;
        else
            p.spans.append(TOdfSpan{text, stack.last()});
    };
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        const QString name = xml.qualifiedName().toString();
        if (xml.isStartElement()) {
            ++depth;
            TProps props = stack.last();
            if (name == "text:span")
                props.insert(
                    m_textProps.value(xml.attributes().value("text:style-name").toString()));
            stack.append(props);
            if (name == "text:tab")
                append("\t");
            else if (name == "text:line-break")
                append("\n");
            else if (name == "text:s")
                append(QString(qMax(1, xml.attributes().value("text:c").toInt()), u' '));
        } else if (xml.isEndElement()) {
            --depth;
            stack.removeLast();
        } else if (xml.isCharacters()) {
            append(xml.text().toString());
        }
    }
    paragraphs.append(p);
}

// An ODF length in points.
double Points(const QString &length)
{
    static const QList<QPair<QString, double>> units = {
        {"in", 72.0}, {"cm", 72 / 2.54}, {"mm", 72 / 25.4}, {"pt", 1.0}};
    for (const auto &[unit, factor] : units)
        if (length.endsWith(unit))
            return length.chopped(unit.size()).toDouble() * factor;
    return length.isEmpty() ? 0.0 : -1e9;
}

// The text properties of the span with exactly this text; empty when there is none.
TProps SpanProps(const QList<TOdfParagraph> &paragraphs, const QString &text)
{
    for (const TOdfParagraph &p : paragraphs)
        for (const TOdfSpan &s : p.spans)
            if (s.text == text)
                return s.props;
    qWarning("no span \"%s\"", qPrintable(text));
    return TProps();
}

#define COMPARE_POINTS(actual, expected)                                                           \
    QVERIFY2(std::abs((actual) - (expected)) < 0.05,                                               \
             qPrintable(QStringLiteral("%1 pt instead of %2 pt").arg(actual).arg(expected)))

} // namespace

void TestRtfLibreOffice::initTestCase()
{
    m_office = QStandardPaths::findExecutable("soffice");
    if (m_office.isEmpty())
        m_office = QStandardPaths::findExecutable("libreoffice");
    if (m_office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    QVERIFY(m_dir.isValid());

    QTextDocument doc;
    BuildSampleDocument(doc);
    QFile rtf(m_dir.filePath("ours.rtf"));
    QVERIFY(rtf.open(QIODevice::WriteOnly));
    rtf.write(SaveRtfBytes(&doc));
    rtf.close();

    // a private home and profile, so that parallel runs do not share one
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());
    office.setProcessEnvironment(env);
    office.setWorkingDirectory(m_dir.path());
    office.start(m_office,
                 {"-env:UserInstallation=file://" + m_dir.path() + "/profile", "--headless",
                  "--norestore", "--convert-to", "fodt", "--outdir", m_dir.path(), rtf.fileName()});
    QVERIFY(office.waitForFinished(180000));
    QFile fodt(m_dir.filePath("ours.fodt"));
    QVERIFY2(fodt.open(QIODevice::ReadOnly), office.readAllStandardError().constData());
    m_fodt = fodt.readAll();
}

void TestRtfLibreOffice::characterFormats()
{
    const TFlatOdf odf(m_fodt);
    const TProps title = SpanProps(odf.paragraphs, "Abschreibungsreport ");
    QCOMPARE(title.value("style:font-name"), QString("Arial"));
    COMPARE_POINTS(Points(title.value("fo:font-size")), 16.0);
    QCOMPARE(title.value("fo:font-weight"), QString("bold"));
    QCOMPARE(title.value("fo:color"), QString("#10697b"));
    const TProps placeholder = SpanProps(odf.paragraphs, "[%Zeitraum%]");
    QCOMPARE(placeholder.value("fo:font-style"), QString("italic"));

    const TProps company =
        SpanProps(odf.paragraphs,
                  QString::fromUtf8("Müller & Söhne – 100 € {Klammern} \\ Backslash; „Zitat“"));
    QCOMPARE(company.value("style:font-name"), QString("Times New Roman"));
    COMPARE_POINTS(Points(company.value("fo:font-size")), 10.5);
    QCOMPARE(company.value("fo:font-style"), QString("italic"));
    QCOMPARE(company.value("style:text-underline-style"), QString("solid"));

    const TProps strike = SpanProps(odf.paragraphs, "durch ");
    QCOMPARE(strike.value("style:font-name"), QString("Verdana"));
    COMPARE_POINTS(Points(strike.value("fo:font-size")), 9.0);
    QCOMPARE(strike.value("style:text-line-through-style"), QString("solid"));
    QVERIFY(SpanProps(odf.paragraphs, "hoch").value("style:text-position").startsWith("super"));
    QVERIFY(SpanProps(odf.paragraphs, "tief ").value("style:text-position").startsWith("sub"));
    const TProps red = SpanProps(odf.paragraphs, "rot auf gelb ");
    QCOMPARE(red.value("fo:color"), QString("#ff0000"));
    QCOMPARE(red.value("fo:background-color"), QString("#ffff00"));
    QCOMPARE(SpanProps(odf.paragraphs, "punktiert ").value("style:text-underline-style"),
             QString("dotted"));
    QCOMPARE(SpanProps(odf.paragraphs, "Welle ").value("style:text-underline-style"),
             QString("wave"));
    QCOMPARE(SpanProps(odf.paragraphs, "Striche ").value("style:text-underline-style"),
             QString("dash"));
    const TProps all = SpanProps(odf.paragraphs, "alles");
    QCOMPARE(all.value("fo:font-weight"), QString("bold"));
    QCOMPARE(all.value("fo:font-style"), QString("italic"));
    QCOMPARE(all.value("style:text-underline-style"), QString("solid"));
    QCOMPARE(all.value("style:text-line-through-style"), QString("solid"));
    QCOMPARE(all.value("fo:color"), QString("#0000ff"));
}

void TestRtfLibreOffice::paragraphFormats()
{
    const TFlatOdf odf(m_fodt);
    QTextDocument doc;
    BuildSampleDocument(doc);
    QCOMPARE(odf.paragraphs.size(), doc.blockCount());
    const QList<TOdfParagraph> &p = odf.paragraphs;
    QCOMPARE(p.at(0).props.value("fo:text-align"), QString("center"));
    QCOMPARE(p.at(1).props.value("fo:text-align"), QString("end"));
    COMPARE_POINTS(Points(p.at(1).props.value("fo:margin-right")), 15.0);
    QCOMPARE(p.at(2).props.value("fo:text-align"), QString("justify"));
    QVERIFY(p.at(2).text.contains(
        QString::fromUtf8("\tTab\nneue Zeile\u00a0fest Trenn\u00adstrich Ω → 😀 ﬁ\u2011")));
    // 40, 30, 20, 10 and 5 pixels are 30, 22.5, 15, 7.5 and 3.75 points
    COMPARE_POINTS(Points(p.at(2).props.value("fo:margin-left")), 30.0);
    COMPARE_POINTS(Points(p.at(2).props.value("fo:margin-right")), 22.5);
    COMPARE_POINTS(Points(p.at(2).props.value("fo:text-indent")), 15.0);
    COMPARE_POINTS(Points(p.at(2).props.value("fo:margin-top")), 7.5);
    COMPARE_POINTS(Points(p.at(2).props.value("fo:margin-bottom")), 3.75);
    QCOMPARE(p.at(15).text, QString("Standard ohne Format"));
    QCOMPARE(p.at(16).text, QString("links 10 pt"));
    COMPARE_POINTS(Points(p.at(16).props.value("fo:margin-left")), 10.0);
}

void TestRtfLibreOffice::bulletsAndNumbering()
{
    const TFlatOdf odf(m_fodt);
    const QList<TOdfParagraph> &p = odf.paragraphs;
    QCOMPARE(p.at(3).text, QString("Punkt 1"));
    const auto level = [&](const TOdfParagraph &para) {
        return odf.lists.value(para.listStyle).value(para.listLevel);
    };
    for (const int i : {3, 4, 7}) {
        QVERIFY2(!p.at(i).listStyle.isEmpty(), qPrintable(p.at(i).text));
        QCOMPARE(p.at(i).listLevel, 1);
        QCOMPARE(level(p.at(i)).bullet, QString::fromUtf8("•"));
    }
    // the paragraph's indents, or its list level's
    const auto indents = [&](const TOdfParagraph &para) {
        const TOdfListLevel l = level(para);
        return qMakePair(Points(para.props.value("fo:margin-left", l.marginLeft)),
                         Points(para.props.value("fo:text-indent", l.textIndent)));
    };
    // bullet text 40 pixels (30 points) in, the bullet 18 points before it
    COMPARE_POINTS(indents(p.at(3)).first, 30.0);
    COMPARE_POINTS(indents(p.at(3)).second, -18.0);
    COMPARE_POINTS(indents(p.at(4)).first, 37.5);
    COMPARE_POINTS(indents(p.at(5)).first, 60.0);
    for (const int i : {5, 6}) {
        QCOMPARE(p.at(i).listLevel, 2);
        QCOMPARE(level(p.at(i)).numFormat, QString("1"));
    }
    QCOMPARE(level(p.at(8)).bullet, QString::fromUtf8("◦"));
    QCOMPARE(level(p.at(9)).bullet, QString::fromUtf8("▪"));
    QCOMPARE(level(p.at(10)).numFormat, QString("a"));
    QCOMPARE(level(p.at(11)).numFormat, QString("A"));
    QCOMPARE(level(p.at(12)).numFormat, QString("i"));
    QCOMPARE(level(p.at(13)).numFormat, QString("I"));
    QVERIFY(p.at(14).listStyle.isEmpty());
    COMPARE_POINTS(Points(p.at(14).textProps.value("fo:font-size")),
                   20.0); // the empty paragraph's height
}
