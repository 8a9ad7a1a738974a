// "Auswerten mit Druckvorschau" for generated assets (all years, "rep_List"): from the end
// of the evaluation until page 1 is painted in the preview, beside the engine's bare render
// in the same run (the report into a snapshot, page 1 into an image, no window). Then
// paging forward through up to 1,000 pages, each painted: the slowest step.
//   bench_preview [ASSETS=10000]
// Prints figures and ratios; never fails on time.
#include "AfaReport.h"
#include "DMod_Afa.h"
#include "DateSerial.h"
#include "EvaluationSession.h"
#include "Form_RpPreviewGerman.h"
#include "PageRenderer.h"
#include "RenderReport.h"
#include "Snapshot.h"
#include "TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QVBoxLayout>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int assets = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;

    const QString path = TestDatabase::FilledForBench(assets, 20);

    Tdm_Afa dm(nullptr, path);
    dm.qry_Afa_Erfassung->Open();
    TEvaluationSession session(dm, [](const QString &) { return QString(); });
    TAfaReport report;
    session.UseReportRequest(report);
    QWidget sheet;
    sheet.resize(900, 640);
    report.PlaceInSheet(&sheet);
    sheet.show();
    session.Evaluation.Settings.Filter = TAfaFilterChoice::Zeitraum;
    session.Evaluation.Settings.To = DateSerial::EncodeDate(2999, 1, 1);
    session.Filter.SetFlags(TargetPrint, TargetText);
    session.Evaluation.Evaluate();
    std::printf("%d Abschreibungsgüter, %d Reportzeilen, Report \"rep_List\"\n", assets,
                dm.ReportRowCounter);

    // The bare engine: render, read, page 1 into an image.
    QElapsedTimer clock;
    clock.start();
    double bare = 0;
    {
        TRenderReport renderer;
        dm.AssignReportComponents(renderer);
        renderer.ReportName = QStringLiteral("rep_List");
        renderer.RenderToSnapshot();
        TSnapshot snapshot;
        snapshot.Load(renderer.SnapshotBytes());
        TPageRenderer pages;
        pages.SetSnapshot(&snapshot);
        pages.ShowPage(1);
        const QImage image = pages.RenderPage(96);
        bare = clock.nsecsElapsed() / 1e6;
        std::printf("Seiten %d, Bild %dx%d\n", snapshot.PageCount(), image.width(), image.height());
    }

    // The window: the driver renders and shows page 1 as a whole page; then it is painted.
    Tfrm_RpPreviewGerman &preview = *report.PreviewWindow;
    clock.restart();
    report.Execute();
    preview.pnl_Main->grab();
    const double window = clock.nsecsElapsed() / 1e6;
    std::printf("Erste Seite sichtbar nach %8.1f ms   Basis (Engine allein) %8.1f ms   "
                "Verhältnis %.2f (Ziel unter 2000 ms und höchstens 1,5)\n",
                window, bare, window / bare);

    const int steps = std::min(1000, preview.PageRenderer().PageCount() - 1);
    double worst = 0, total = 0;
    for (int i = 0; i < steps; ++i) {
        clock.restart();
        preview.actnPage_Next->trigger();
        preview.pnl_Main->grab();
        const double step = clock.nsecsElapsed() / 1e6;
        worst = std::max(worst, step);
        total += step;
    }
    std::printf("Blättern: %d Seiten, im Mittel %.1f ms, langsamste %.1f ms (Ziel höchstens "
                "100 ms)\n",
                steps, steps ? total / steps : 0.0, worst);
    return 0;
}
