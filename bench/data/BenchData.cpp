// Opening and walking the asset store against a bare QSqlQuery over the same select.
//   bench_data [ASSETS=100000] [ACCOUNTS=50] [ROUNDS=5] [MOVEMENT_WALK=20000]
// Makes a new database in a temporary folder; prints times and ratios, never fails on time.
#include "DMod_Afa.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace
{

double Baseline(const QString &path, const QString &select, qint64 &rows)
{
    QSqlDatabase db = TestDatabase::Connect(path, QStringLiteral("baseline"));
    db.transaction();
    QElapsedTimer timer;
    timer.start();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(select);
    const int columns = q.record().count();
    rows = 0;
    double checksum = 0;
    while (q.next()) {
        for (int c = 0; c < columns; ++c) {
            const QVariant v = q.value(c);
            if (c == 6)
                checksum += v.toDouble();
        }
        ++rows;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    q.finish();
    db.commit();
    db.close();
    if (checksum < 0)
        std::printf("?\n");
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int assets = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int accounts = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 50;
    const int rounds = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 5;
    const int movementWalk = argc > 4 ? QString::fromLocal8Bit(argv[4]).toInt() : 20000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.fdb"));
    if (!TestDatabase::Create(path)) {
        std::fprintf(stderr, "Datenbank konnte nicht angelegt werden\n");
        return 1;
    }
    {
        QSqlDatabase db = TestDatabase::Connect(path, QStringLiteral("fill"));
        QElapsedTimer t;
        t.start();
        TestDatabase::FillForBench(db, assets, accounts);
        std::printf("filled %d assets, %d accounts in %.0f ms\n", assets, accounts,
                    double(t.elapsed()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));

    // Rounds alternate which side runs first; the best time of each side is compared.
    double bestBase = 1e18, bestOpen = 1e18, bestWalk = 1e18, bestFields = 1e18;
    for (int round = 1; round <= rounds; ++round) {
        QString select;
        double openMs = 0, walkMs = 0, walkFieldsMs = 0, baseMs = 0;
        qint64 rows = 0;
        int walked = 0;
        const auto runBase = [&] {
            baseMs = Baseline(path, select, rows);
            QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
        };
        {
            Tdm_Afa dm(nullptr, path);
            select = dm.qry_Afa_Erfassung->SQL.join(u'\n');
            if (round % 2 == 0)
                runBase();
            dm.IBDatabase->Open(); // connecting is not part of either figure
            TRecordStore *e = dm.qry_Afa_Erfassung;
            QElapsedTimer timer;
            timer.start();
            e->Open();
            openMs = double(timer.nsecsElapsed()) / 1e6;
            // The plain walks hold the movement store still (as the evaluation's walk does);
            // following it is measured on its own below.
            e->SuspendDetails();
            timer.restart();
            e->DisableControls();
            for (e->First(); !e->Eof(); e->Next())
                ++walked;
            e->EnableControls();
            walkMs = double(timer.nsecsElapsed()) / 1e6;
            // The walk of an evaluation: fields by name, a lookup and the joined code.
            TStoreField *id = e->FieldByName(QStringLiteral("ID"));
            TStoreField *cost = e->FieldByName(QStringLiteral("KOSTEN"));
            TStoreField *date = e->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"));
            TStoreField *account = e->FieldByName(QStringLiteral("Lu_Afa_Konten_Nr"));
            TStoreField *kind = e->FieldByName(QStringLiteral("AFA_ART_KUERZEL"));
            double sum = 0;
            timer.restart();
            e->DisableControls();
            for (e->First(); !e->Eof(); e->Next())
                sum += id->AsInteger() + cost->AsFloat() + date->AsDateTime() +
                       account->AsString().size() + kind->AsString().size();
            e->EnableControls();
            walkFieldsMs = double(timer.nsecsElapsed()) / 1e6;
            e->ResumeDetails();
            // The movement store following every asset (an evaluation reads it per asset).
            if (round == rounds) {
                TRecordStore *z = dm.qry_Afa_ZuAbgang;
                int withMovements = 0, n = 0;
                timer.restart();
                e->DisableControls();
                for (e->First(); !e->Eof() && n < movementWalk; e->Next(), ++n)
                    withMovements += z->IsEmpty() ? 0 : 1;
                e->EnableControls();
                std::printf("walk of %d assets with the movement store following: %.1f ms (%.1f us "
                            "per asset)\n",
                            n, double(timer.nsecsElapsed()) / 1e6,
                            double(timer.nsecsElapsed()) / 1e3 / qMax(1, n));
                sum += withMovements;
            }
            if (sum < 0)
                std::printf("?\n");
        }
        if (round % 2 == 1)
            runBase();
        bestBase = std::min(bestBase, baseMs);
        bestOpen = std::min(bestOpen, openMs);
        bestWalk = std::min(bestWalk, walkMs);
        bestFields = std::min(bestFields, walkFieldsMs);
        std::printf(
            "round %d: bare QSqlQuery fetch %.1f ms (%lld rows) | store open %.1f ms, walk %.1f ms "
            "(%d rows), walk reading 5 fields %.1f ms | ratio open/bare %.2f\n",
            round, baseMs, rows, openMs, walkMs, walked, walkFieldsMs, openMs / baseMs);
    }
    std::printf("best: bare QSqlQuery fetch %.1f ms | store open %.1f ms, walk %.1f ms, walk "
                "reading 5 fields %.1f ms\n",
                bestBase, bestOpen, bestWalk, bestFields);
    std::printf("ratio open/bare %.2f, (open+walk)/bare %.2f   [target: ratio <= 1.5, store open < "
                "1000 ms]\n",
                bestOpen / bestBase, (bestOpen + bestWalk) / bestBase);
    return 0;
}
