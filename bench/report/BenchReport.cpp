// "rep_List" over the schedule years of generated assets, beside a baseline in the same run:
//   report  the layout into a snapshot, then the snapshot into a PDF file
//   Basis   the same texts, lines and boxes drawn straight into QPdfWriter (collected from
//           the snapshot beforehand, so the baseline does no layout at all)
// Also: when the first page was in the snapshot, and how much the peak memory rose while
// laying out (the rows stay in the store either way).
//   bench_report [ASSETS=10000]
// Prints figures and ratios; never fails on time.
#include "AfaReportParameters.h"
#include "DMod_Afa.h"
#include "DateSerial.h"
#include "EvaluationSession.h"
#include "PdfRenderer.h"
#include "RenderReport.h"
#include "ReportProject.h"
#include "Snapshot.h"
#include "SnapshotWriter.h"
#include "TestDatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

// Peak resident memory in KiB since the last reset.
long PeakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

long CurrentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// The baseline: every item of every page drawn with plain QPainter calls.
double DrawStraight(const QList<TSnapshotPage> &pages, const QString &file)
{
    QElapsedTimer t;
    t.start();
    QPdfWriter writer(file);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    const double scale = 1200.0 / SnapUnits::PerInch;
    const auto device = [scale](const QRect &r) {
        return QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
    };
    bool first = true;
    for (const TSnapshotPage &page : pages) {
        if (!first)
            writer.newPage();
        first = false;
        for (const TSnapItem &item : page.Items) {
            switch (item.Kind) {
            case TSnapItem::TKind::Text:
            case TSnapItem::TKind::PageText: {
                QFont font(item.Font.Family);
                font.setPointSizeF(item.Font.PointSize);
                font.setBold(item.Font.Bold);
                painter.setFont(font);
                painter.setPen(QColor::fromRgba(item.Color));
                painter.drawText(device(item.Box), item.Align, item.Text);
                break;
            }
            case TSnapItem::TKind::Line:
                painter.setPen(QPen(QColor::fromRgba(item.Color), item.PenWidth * scale));
                painter.drawLine(QLineF(item.Line.p1() * scale, item.Line.p2() * scale));
                break;
            case TSnapItem::TKind::Rect:
                painter.fillRect(device(item.Box), QColor::fromRgba(item.Fill));
                break;
            case TSnapItem::TKind::RichText:
                break;
            }
        }
    }
    painter.end();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int assets = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;

    const QString path = TestDatabase::FilledForBench(assets, 20);

    Tdm_Afa dm(nullptr, path);
    dm.qry_Afa_Erfassung->Open();
    TEvaluationSession session(dm, [](const QString &) { return QString(); });
    session.Evaluation.Settings.Filter = TAfaFilterChoice::Zeitraum;
    session.Evaluation.Settings.To = DateSerial::EncodeDate(2999, 1, 1);
    session.Evaluation.EvaluateFor(TargetPrint);
    std::printf("%d Abschreibungsgüter, %d Reportzeilen, Report \"rep_List\"\n", assets,
                dm.ReportRowCounter);

    TRenderReport renderer;
    dm.AssignReportComponents(renderer);
    dm.rpt_Project->SetProjectFile(QStringLiteral(NORBEK_REPORT_PROJECT));
    renderer.ReportName = QStringLiteral("rep_List");
    renderer.OnSetParams = [&renderer](TReportProject &project) {
        SetAfaReportParameters(renderer, project,
                               QStringLiteral("{\\rtf1{\\b Muster GmbH}\\par Afa-Verlauf\\par}"));
    };
    QElapsedTimer clock;
    double firstPage = -1;
    dm.rpt_SnapshotWriter->PageWritten = [&](int page) {
        if (page == 1)
            firstPage = clock.nsecsElapsed() / 1e6;
    };

    const long before = CurrentKiB();
    ResetPeak();
    clock.start();
    renderer.RenderToSnapshot();
    const double layout = clock.nsecsElapsed() / 1e6;
    const long peakRise = PeakKiB() - before;

    TSnapshot snapshot;
    snapshot.Load(renderer.SnapshotBytes());
    const int pages = snapshot.PageCount();
    QTemporaryDir dir;
    dm.rpt_RenderPDF->OutputFileName = dir.filePath(QStringLiteral("report.pdf"));
    clock.restart();
    dm.rpt_RenderPDF->Render(snapshot);
    const double pdf = clock.nsecsElapsed() / 1e6;

    QList<TSnapshotPage> all;
    all.reserve(pages);
    for (int n = 1; n <= pages; ++n)
        all << snapshot.Page(n);
    const double baseline = DrawStraight(all, dir.filePath(QStringLiteral("basis.pdf")));

    const double report = layout + pdf;
    std::printf("Seiten %d, Schnappschuss %.1f MB\n", pages,
                renderer.SnapshotBytes().size() / 1048576.0);
    std::printf("Layout -> Schnappschuss %8.1f ms, Schnappschuss -> PDF %8.1f ms\n", layout, pdf);
    std::printf("Report  %8.1f ms (%6.1f Seiten/s)   Basis %8.1f ms (%6.1f Seiten/s)   "
                "Verhältnis %.2f (Ziel höchstens 2)\n",
                report, pages / report * 1000, baseline, pages / baseline * 1000,
                report / baseline);
    std::printf("Erste Seite im Schnappschuss nach %.1f ms (Ziel höchstens 1000 ms)\n", firstPage);
    std::printf("Speicher: Spitze stieg beim Layout um %.1f MB (Schnappschuss selbst %.1f MB)\n",
                peakRise / 1024.0, renderer.SnapshotBytes().size() / 1048576.0);
    return 0;
}
