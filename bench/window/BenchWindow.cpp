// The main window over many assets against the same work without a window.
//   bench_window [SIZES=10000,100000] [ROUNDS=3]
// (a) data module and window created, shown, assets grid filled, against the data module
//     opening the same stores; (b) a title click sorting the assets by cost, against a bare
//     ordered fetch of the same select; (c) scrolling the whole grid, with the statements
//     the store ran meanwhile. Runs offscreen; prints times and ratios, never fails on time.
#include "Application.h"
#include "AssetPage.h"
#include "DMod_Afa.h"
#include "DbGrid.h"
#include "Form_Afa.h"
#include "StoreTableModel.h"
#include "TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace
{

void Fill(const QString &path, int assets)
{
    QSqlDatabase db = TestDatabase::Connect(path, QStringLiteral("fill"));
    TestDatabase::FillForBench(db, assets, 50);
    db.close();
}

double Ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double BareFetch(const QString &path, const QString &select)
{
    double ms = 0;
    {
        QSqlDatabase db = TestDatabase::Connect(path, QStringLiteral("bare"));
        db.transaction();
        QElapsedTimer timer;
        timer.start();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(select);
        const int columns = q.record().count();
        double sum = 0;
        while (q.next())
            for (int c = 0; c < columns; ++c)
                sum += q.value(c).isNull() ? 0 : 1;
        ms = Ms(timer);
        q.finish();
        db.commit();
        db.close();
        if (sum < 0)
            std::printf("?\n");
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    return ms;
}

struct TFigures {
    double Window = 1e18, Stores = 1e18, Sort = 1e18, Bare = 1e18, Scroll = 1e18;
    qint64 ScrollReads = -1;
};

void Round(const QString &path, int round, TFigures &best)
{
    // (a) without a window: the data module opening the assets store and its followers.
    const auto stores = [&] {
        QElapsedTimer timer;
        timer.start();
        Tdm_Afa dm(nullptr, path);
        dm.qry_Afa_Erfassung->Open();
        best.Stores = std::min(best.Stores, Ms(timer));
    };
    if (round % 2 == 0)
        stores();
    {
        QElapsedTimer timer;
        timer.start();
        Tdm_Afa dm(nullptr, path);
        Tfrm_Afa form(dm);
        form.show();
        TDbGrid *grid = form.ts_Assets->Grid();
        form.pgc_Main->setCurrentWidget(form.ts_AfaErfassung);
        QCoreApplication::processEvents();
        if (grid->model()->rowCount() == 0)
            std::fprintf(stderr, "Tabelle leer\n");
        best.Window = std::min(best.Window, Ms(timer));

        // (b) a click on "Kosten [€]".
        const int column = grid->StoreModel()->ColumnOfField(QStringLiteral("KOSTEN"));
        timer.restart();
        form.DBGridTitleClick(column);
        QCoreApplication::processEvents();
        best.Sort = std::min(best.Sort, Ms(timer));
        const QString sorted = dm.qry_Afa_Erfassung->SQL.join(u'\n');

        // (c) page by page through the whole grid.
        const qint64 readsBefore = dm.qry_Afa_Erfassung->RowsRead();
        QScrollBar *bar = grid->verticalScrollBar();
        timer.restart();
        for (int value = 0; value <= bar->maximum(); value += std::max(1, bar->pageStep())) {
            bar->setValue(value);
            grid->viewport()->repaint();
        }
        best.Scroll = std::min(best.Scroll, Ms(timer));
        best.ScrollReads = dm.qry_Afa_Erfassung->RowsRead() - readsBefore;
        form.close();
        best.Bare = std::min(best.Bare, BareFetch(path, sorted));
    }
    if (round % 2 == 1)
        stores();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QStringList sizes = QStringLiteral("10000,100000").split(u',');
    if (argc > 1)
        sizes = QString::fromLocal8Bit(argv[1]).split(u',');
    const int rounds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    for (const QString &size : sizes) {
        const int assets = size.toInt();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bench.fdb"));
        if (!TestDatabase::Create(path)) {
            std::fprintf(stderr, "Datenbank konnte nicht angelegt werden\n");
            return 1;
        }
        Fill(path, assets);
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
        TFigures best;
        for (int round = 1; round <= rounds; ++round)
            Round(path, round, best);
        std::printf("%d Abschreibungsgüter, bestes von %d Läufen\n", assets, rounds);
        std::printf("(a) Fenster gezeigt, Tabelle gefüllt: %8.1f ms   ohne Fenster %8.1f ms   "
                    "Verhältnis %.2f (Ziel <= 1,3; < 2 s)\n",
                    best.Window, best.Stores, best.Window / best.Stores);
        std::printf("(b) Sortieren nach „Kosten [€]“:    %8.1f ms   bloßes Lesen %8.1f ms   "
                    "Verhältnis %.2f (Ziel <= 1,5)\n",
                    best.Sort, best.Bare, best.Sort / best.Bare);
        std::printf("(c) ganze Tabelle durchblättert:     %8.1f ms   dabei gelesene Zeilen: %lld "
                    "(Ziel 0)\n",
                    best.Scroll, static_cast<long long>(best.ScrollReads));
    }
    return 0;
}
