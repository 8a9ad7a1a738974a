// bench_rtf [KB] [repeats]: builds a formatted document of about KB kilobytes of text
// (default 1024), then times writing and reading it as RTF beside toHtml/setHtml of the
// same document. Prints the best time of each and the ratio RTF / HTML.
#include "RtfText.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace
{

void BuildDocument(QTextDocument &doc, qsizetype targetChars)
{
    static const char *const families[] = {"Arial", "Times New Roman", "Courier New", "Verdana"};
    static const double sizes[] = {8, 9, 10, 11, 12, 14, 16};
    static const QColor colours[] = {QColor("#000000"), QColor("#10697B"), QColor("#FF0000"),
                                     QColor("#336699")};
    static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                           Qt::AlignJustify};
    const QString words = QString::fromUtf8(
        "Abschreibung linear degressiv Anschaffungskosten Nutzungsdauer Restwert Zugang Abgang "
        "Konto Wirtschaftsjahr Übersicht Größe € 1.234,56 ");
    QTextCursor c(&doc);
    c.beginEditBlock();
    QTextList *list = nullptr;
    for (int p = 0; doc.characterCount() < targetChars; ++p) {
        QTextBlockFormat bf;
        bf.setAlignment(aligns[p % 4]);
        if (p % 5 == 1) {
            bf.setLeftMargin(20);
            bf.setTextIndent(10);
        }
        if (p > 0)
            c.insertBlock(bf);
        else
            c.setBlockFormat(bf);
        if (p % 10 >= 7) {
            if (!list) {
                QTextListFormat lf;
                lf.setStyle(p % 20 < 10 ? QTextListFormat::ListDisc : QTextListFormat::ListDecimal);
                list = c.createList(lf);
            } else {
                list->add(c.block());
            }
        } else {
            list = nullptr;
        }
        for (int r = 0; r < 8; ++r) {
            const int k = p * 8 + r;
            QTextCharFormat f;
            f.setFontFamilies({families[k % 4]});
            f.setFontPointSize(sizes[k % 7]);
            f.setFontWeight(k % 3 == 0 ? QFont::Bold : QFont::Normal);
            f.setFontItalic(k % 5 == 0);
            f.setFontUnderline(k % 7 == 0);
            f.setForeground(colours[k % 4]);
            if (k % 11 == 0)
                f.setBackground(QColor("#FFFF00"));
            c.insertText(words.mid((k * 7) % 60, 20 + k % 17), f);
        }
    }
    c.endEditBlock();
}

double BestMs(int repeats, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const qsizetype kb = argc > 1 ? std::max(1, atoi(argv[1])) : 1024;
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    QTextDocument doc;
    BuildDocument(doc, kb * 1024);
    const QByteArray rtf = SaveRtfBytes(&doc);
    const QString html = doc.toHtml();
    std::printf("document: %d paragraphs, %lld characters; RTF %lld bytes, HTML %lld characters\n",
                doc.blockCount(), static_cast<long long>(doc.characterCount()),
                static_cast<long long>(rtf.size()), static_cast<long long>(html.size()));

    const double writeRtf = BestMs(repeats, [&] { (void)SaveRtfBytes(&doc); });
    const double writeHtml = BestMs(repeats, [&] { (void)doc.toHtml(); });
    const double readRtf = BestMs(repeats, [&] {
        QTextDocument target;
        LoadRtfBytes(&target, rtf);
    });
    const double readHtml = BestMs(repeats, [&] {
        QTextDocument target;
        target.setHtml(html);
    });

    std::printf("best of %d runs         RTF (ms)   HTML (ms)   RTF/HTML\n", repeats);
    std::printf("write (toHtml)       %10.1f  %10.1f  %9.2f\n", writeRtf, writeHtml,
                writeRtf / writeHtml);
    std::printf("read  (setHtml)      %10.1f  %10.1f  %9.2f\n", readRtf, readHtml,
                readRtf / readHtml);
    std::printf("target: RTF/HTML at most 2.00\n");
    return 0;
}
