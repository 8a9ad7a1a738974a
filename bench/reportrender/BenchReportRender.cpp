// bench_reportrender [pages] [items]: writes a snapshot of pages (default 2000) of items
// text items each (default 500), loads it and renders it to PDF; the baseline draws the
// same texts straight into a QPdfWriter. Prints each time beside the baseline with the
// ratio.
#include "PdfRenderer.h"
#include "Snapshot.h"
#include "SnapshotWriter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
TSnapshotPage MakePage(int n, int items)
{
    static const char *const families[] = {"Liberation Sans", "Liberation Serif"};
    TSnapshotPage page;
    page.Items.reserve(items);
    for (int i = 0; i < items; ++i) {
        TSnapItem item;
        item.Box = QRect(1500 + (i % 5) * 3700, 1000 + (i / 5) * 270, 3600, 260);
        item.Align = (i % 5 == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        item.Font.Family = QString::fromLatin1(families[i % 2]);
        item.Font.PointSize = 7 + i % 3;
        item.Font.Bold = i % 7 == 0;
        item.Text =
            i % 5 == 0
                ? QStringLiteral("Anlage %1-%2 Büromöbel").arg(n).arg(i)
                : QStringLiteral("%1.%2,%3").arg(n % 100).arg(i, 3, 10, QChar(u'0')).arg(i % 100);
        page.Items.append(item);
    }
    return page;
}

void Baseline(const QString &file, int pages, int items)
{
    QPdfWriter pdf(file);
    pdf.setResolution(1200);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF());
    QPainter painter(&pdf);
    const double scale = 1200 / 2540.0;
    painter.scale(scale, scale);
    for (int n = 1; n <= pages; ++n) {
        if (n > 1)
            pdf.newPage();
        const TSnapshotPage page = MakePage(n, items);
        for (const TSnapItem &item : page.Items) {
            QFont font(item.Font.Family);
            font.setPointSizeF(item.Font.PointSize * 2540.0 / 1200);
            font.setBold(item.Font.Bold);
            painter.setFont(font);
            painter.drawText(QRectF(item.Box), item.Align, item.Text);
        }
    }
}

void Line(const char *what, qint64 ms, qint64 baseMs)
{
    std::printf("%-28s %8lld ms   baseline %8lld ms   ratio %.2f\n", what, (long long)ms,
                (long long)baseMs, baseMs > 0 ? double(ms) / baseMs : 0.0);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int items = argc > 2 ? std::atoi(argv[2]) : 500;
    QTemporaryDir dir;

    QElapsedTimer timer;
    timer.start();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TSnapshotWriter writer;
    writer.SetStream(&buffer);
    writer.BeginDocument(QString());
    for (int n = 1; n <= pages; ++n)
        writer.AddPage(MakePage(n, items));
    writer.EndDocument(pages);
    const qint64 writeMs = timer.restart();
    TSnapshot snapshot;
    snapshot.Load(buffer.data());
    const qint64 loadMs = timer.restart();
    TPdfRenderer pdf;
    pdf.OutputFileName = dir.filePath(QStringLiteral("snapshot.pdf"));
    pdf.Render(snapshot);
    const qint64 renderMs = timer.restart();
    Baseline(dir.filePath(QStringLiteral("baseline.pdf")), pages, items);
    const qint64 baseMs = timer.elapsed();

    std::printf("%d pages of %d texts, snapshot %lld KB\n", pages, items,
                (long long)(buffer.size() / 1024));
    Line("write snapshot", writeMs, baseMs);
    Line("load snapshot", loadMs, baseMs);
    Line("snapshot to PDF", renderMs, baseMs);
    Line("all", writeMs + loadMs + renderMs, baseMs);
    return 0;
}
