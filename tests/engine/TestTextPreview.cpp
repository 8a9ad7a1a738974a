#include "TestTextPreview.h"

#include "AfaEvaluation.h"
#include "RowInfoList.h"
#include "TextPreviewDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace
{
// Character format at a position of the document's text (the character after it).
QTextCharFormat FormatAt(QTextDocument &doc, int position)
{
    QTextCursor c(&doc);
    c.setPosition(position + 1);
    return c.charFormat();
}
} // namespace

void TestTextPreview::headerTemplate()
{
    const QString text =
        AssetHeaderText(QStringLiteral("Drucker"), QStringLiteral("Mo, 15.04.2024"),
                        QStringLiteral("12.000,00"), QStringLiteral("60"), QString());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 9);
    QVERIFY(!text.endsWith(u'\n'));
    QCOMPARE(lines[0], QStringLiteral("Bezeichnung        : Drucker"));
    QCOMPARE(lines[1], QStringLiteral("Anschaffungsdatum  : Mo, 15.04.2024"));
    QCOMPARE(lines[2], QStringLiteral("Anschaffungskosten : 12.000,00"));
    QCOMPARE(lines[3], QStringLiteral("Nutzungsdauer      : 60"));
    QCOMPARE(lines[4], QStringLiteral("Konto              : "));
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[6], QStringLiteral("Jahr         von    bis    Afa               RND   "
                                      "Restbetrag        Restbetrag        Typ    "));
    QCOMPARE(lines[7], QString(52, u' ') + QStringLiteral("(vorher)") + QString(10, u' ') +
                           QStringLiteral("(nachher)") + QString(15, u' '));
    QCOMPARE(lines[8], QStringLiteral("-----------  -----  -----  ----------------  ----  "
                                      "----------------  ----------------  -------"));
    for (int i = 6; i < 9; ++i)
        QCOMPARE(lines[i].size(), 94);
}

void TestTextPreview::piecesKeepTheirPositions()
{
    QTextDocument doc;
    TRowInfoList list(&doc);
    list.AddPiece(QStringLiteral("abc"), Qt::red);
    TRowInfo *second = list.AddPiece(QStringLiteral("de"), Qt::blue);
    QCOMPARE(second->StartPos, 3);
    QCOMPARE(second->EndPos, 5);
    QCOMPARE(list.PrevEnd, 3);
    QCOMPARE(list.CurEnd, 5);
    QCOMPARE(list.Line, QStringLiteral("abcde"));
    QCOMPARE(list.LineLength, 5);
    list.Clear();
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.CurEnd, 0);
    QCOMPARE(list.AddPiece(QStringLiteral("x"), QColor())->StartPos, 0);
}

void TestTextPreview::flushColoursEachPiece()
{
    QTextDocument doc;
    TextPreviewDocument::Prepare(&doc);
    TRowInfoList list(&doc);
    list.AddPiece(QStringLiteral("rot "), QColor(0xFF, 0, 0));
    list.AddPiece(QStringLiteral("blau"), QColor(0, 0, 0xFF));
    list.Flush();
    QCOMPARE(doc.toPlainText(), QStringLiteral("rot blau\n"));
    QCOMPARE(FormatAt(doc, 0).foreground().color(), QColor(0xFF, 0, 0));
    QCOMPARE(FormatAt(doc, 3).foreground().color(), QColor(0xFF, 0, 0));
    QCOMPARE(FormatAt(doc, 4).foreground().color(), QColor(0, 0, 0xFF));
    QCOMPARE(FormatAt(doc, 4).fontFamilies().toStringList().value(0),
             QStringLiteral("Courier New"));
    QCOMPARE(FormatAt(doc, 4).fontPointSize(), 10.0);
    QCOMPARE(doc.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

void TestTextPreview::widePieceShiftsTheRest()
{
    QTextDocument doc;
    TextPreviewDocument::Prepare(&doc);
    TRowInfoList list(&doc);
    const QString wide = QStringLiteral("10.000.000.000,00");
    list.AddPiece(wide + QStringLiteral("  "), Qt::blue);
    list.AddPiece(QStringLiteral("51    "), Qt::gray);
    list.Flush();
    QCOMPARE(doc.toPlainText(), wide + QStringLiteral("  51    \n"));
    QCOMPARE(FormatAt(doc, 18).foreground().color(), QColor(Qt::blue));
    QCOMPARE(FormatAt(doc, 19).foreground().color(), QColor(Qt::gray));
}

void TestTextPreview::linesFollowUnterminatedText()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("Überschrift"));
    TextPreviewDocument::AppendLine(&doc, QString());
    TRowInfoList list(&doc);
    list.AddPiece(QStringLiteral("Zeile"), Qt::red);
    list.Flush();
    QCOMPARE(doc.toPlainText(), QStringLiteral("Überschrift\n\nZeile\n"));

    // An empty document takes its first line in its first block.
    QTextDocument empty;
    TextPreviewDocument::AppendLine(&empty, QString());
    TRowInfoList second(&empty);
    second.AddPiece(QStringLiteral("Zeile"), Qt::red);
    second.Flush();
    QCOMPARE(empty.toPlainText(), QStringLiteral("\nZeile\n"));
}

void TestTextPreview::multiLinePieceBecomesSeveralLines()
{
    QTextDocument doc;
    TextPreviewDocument::Prepare(&doc);
    TRowInfoList list(&doc);
    list.AddPiece(QStringLiteral("eins\r\nzwei\r\ndrei"), Qt::black);
    list.Flush();
    QCOMPARE(doc.toPlainText(), QStringLiteral("eins\nzwei\ndrei\n"));
    QCOMPARE(doc.blockCount(), 4);
    for (QTextBlock b = doc.firstBlock(); b.isValid() && !b.text().isEmpty(); b = b.next())
        QCOMPARE(b.begin().fragment().charFormat().foreground().color(), QColor(Qt::black));
}
