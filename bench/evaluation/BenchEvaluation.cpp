// The evaluation run over generated assets, each beside a baseline measured in the same run:
//   (a) fiscal year into report rows   vs. the rows that run wrote, inserted again with one
//       prepared statement (every column bound) in one transaction
//   (b) all years ("Zeitraum") into report rows, same kind of baseline
//   (c) fiscal year into the text preview vs. the same lines with the same piece formats
//       inserted through one QTextCursor
// Runs and baselines take turns, each after the garbage of the previous one was collected;
// the best time of each is printed, wall-clock and, less disturbed by waiting for the disk,
// the process's processor time.
//   bench_evaluation [ASSETS=10000] [ROUNDS=7] [CASES=abc]
// Prints times and ratios; never fails on time.
#include "DMod_Afa.h"
#include "EvaluationSession.h"
#include "TestDatabase.h"
#include "TextPreviewDocument.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace
{

struct Timing {
    double wall = 1e300; // ms
    double cpu = 1e300;  // ms of processor time, all threads
};

Timing Best(const Timing &a, const Timing &b)
{
    return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)};
}

class Stopwatch
{
public:
    Stopwatch() { m_wall.start(), m_cpu = Cpu(); }
    Timing Elapsed() const { return {m_wall.nsecsElapsed() / 1e6, Cpu() - m_cpu}; }

private:
    static double Cpu()
    {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu;
};

// One connection per name, opened again when used again.
QSqlDatabase Connect(const QString &path, const QString &name)
{
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name)
                                                   : TestDatabase::Connect(path, name);
    if (!db.isOpen())
        std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
    return db;
}

void Fill(const QString &path, int assets)
{
    QSqlDatabase db = Connect(path, QStringLiteral("fill"));
    db.transaction();
    QSqlQuery q(db);
    q.exec(QStringLiteral("insert into AFA_KONTEN (ID, NR, BEZEICHNUNG) values (1, '0420', "
                          "'Betriebs- und Geschäftsausstattung')"));
    q.prepare(QStringLiteral(
        "insert into AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, ANSCHAFFUNGSDATUM, KOSTEN, "
        "RESTBUCHWERT, NUTZUNGSDAUER, PROZENTSATZ, AKTIV, USE_ABSCHRDATUM, AFA_KONTEN_ID, "
        "AFA_ARTEN_ID) values (:ID, :INV, :BEZ, :AD, :K, 0, :N, 0, 1, 0, 1, NULL)"));
    QSqlQuery m(db);
    m.prepare(QStringLiteral("insert into AFA_ZUABGANG (ID, BEZEICHNUNG, DATUM, ZUGANG, "
                             "AFA_ERFASSUNG_ID, AKTIV) values (:ID, 'Zugang', :D, :Z, :A, 1)"));
    int movement = 0;
    for (int i = 1; i <= assets; ++i) {
        const QDate acquired = QDate(2018, 1, 1).addDays(i % 2500);
        q.bindValue(QStringLiteral(":ID"), i);
        q.bindValue(QStringLiteral(":INV"),
                    QStringLiteral("INV-%1").arg(i, 6, 10, QLatin1Char('0')));
        q.bindValue(QStringLiteral(":BEZ"), QStringLiteral("Anlagegut %1").arg(i));
        q.bindValue(QStringLiteral(":AD"), QDateTime(acquired, QTime()));
        q.bindValue(QStringLiteral(":K"), 1000.0 + (i % 977) * 13.37);
        q.bindValue(QStringLiteral(":N"), 36 + (i % 8) * 12);
        q.exec();
        for (int k = 0; k < 1 + i % 2; ++k) {
            m.bindValue(QStringLiteral(":ID"), ++movement);
            m.bindValue(QStringLiteral(":D"), QDateTime(acquired.addMonths(7 + 11 * k), QTime()));
            m.bindValue(QStringLiteral(":Z"), 100.0 + k * 50);
            m.bindValue(QStringLiteral(":A"), i);
            m.exec();
        }
    }
    db.commit();
    db.close();
}

// The rows the run wrote, read back in table order.
QList<QVariantList> ReportRows(const QString &path)
{
    QList<QVariantList> rows;
    QSqlDatabase db = Connect(path, QStringLiteral("rows"));
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("select * from AFA_REPORT order by ID"));
        const int columns = q.record().count();
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < columns; ++i)
                row.append(q.value(i));
            rows.append(row);
        }
    }
    db.close();
    return rows;
}

// Collects the garbage the last deletes left, so it does not fall into the next timing.
void Settle(const QString &path)
{
    QSqlDatabase db = Connect(path, QStringLiteral("settle"));
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("select count(*) from AFA_REPORT"));
        q.next();
    }
    db.close();
}

void ClearReport(const QSqlDatabase &db)
{
    QSqlDatabase(db).transaction();
    QSqlQuery clear(db);
    clear.exec(QStringLiteral("EXECUTE PROCEDURE CLEARAFAREPORT"));
    QSqlDatabase(db).commit();
}

const char *const InsertReport =
    "insert into AFA_REPORT (ID, AFA_ERFASSUNG_ID, INVENTARNR, BEZEICHNUNG, ANSCHAFFUNGSDATUM, "
    "ABSCHREIBUNGSDATUM, KOSTEN, NUTZUNGSDAUER, AFA_KONTEN_ID, AFA_KONTEN_NR, "
    "AFA_KONTEN_BEZEICHNUNG, RND, AFA, RESTBETRAGBEGIN, RESTBETRAG, DATUMBEGINN, DATUMENDE, DATUM, "
    "ABSCHREIBUNGSINFO, ZUGANG, ABGANG) values ";

// Empties the report table, then times rows inserts through one prepared statement in one
// transaction; bind fills the statement for row i.
Timing TimeInserts(const QString &path, const QString &values, int rows,
                   const std::function<void(QSqlQuery &, int)> &bind)
{
    QSqlDatabase db = Connect(path, QStringLiteral("baseline"));
    ClearReport(db);
    Settle(path);
    const Stopwatch t;
    db.transaction();
    {
        QSqlQuery q(db);
        q.prepare(QString::fromUtf8(InsertReport) + values);
        for (int i = 0; i < rows; ++i) {
            bind(q, i);
            q.exec();
        }
    }
    db.commit();
    const Timing elapsed = t.Elapsed();
    db.close();
    return elapsed;
}

// The same rows again, every column bound.
Timing ReportBaseline(const QString &path, const QList<QVariantList> &rows)
{
    return TimeInserts(
        path, QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        int(rows.size()), [&rows](QSqlQuery &q, int i) {
            const QVariantList &row = rows.at(i);
            for (int c = 0; c < row.size(); ++c)
                q.bindValue(c, row.at(c));
        });
}

// The earlier form of the baseline, for comparison: as many rows, nine columns constant in
// the statement text instead of bound.
Timing ConstantBaseline(const QString &path, int rows)
{
    const QDateTime date(QDate(2026, 1, 1), QTime());
    return TimeInserts(
        path,
        QStringLiteral("(:ID, :AE, :INV, :BEZ, :AD, NULL, :K, :N, 1, '0420', "
                       "'Betriebs- und Geschäftsausstattung', :RND, :AFA, :RB, :R, '01.01', "
                       "'31.12.2026', :D, 'L-20,00%', 0, 0)"),
        rows, [&date](QSqlQuery &q, int row) {
            const int i = row + 1;
            q.bindValue(QStringLiteral(":ID"), i);
            q.bindValue(QStringLiteral(":AE"), i);
            q.bindValue(QStringLiteral(":INV"), QStringLiteral("INV-%1").arg(i));
            q.bindValue(QStringLiteral(":BEZ"), QStringLiteral("Anlagegut %1").arg(i));
            q.bindValue(QStringLiteral(":AD"), date);
            q.bindValue(QStringLiteral(":K"), 1000.0 + i);
            q.bindValue(QStringLiteral(":N"), 60);
            q.bindValue(QStringLiteral(":RND"), 27);
            q.bindValue(QStringLiteral(":AFA"), 200.0 + i);
            q.bindValue(QStringLiteral(":RB"), 700.0 + i);
            q.bindValue(QStringLiteral(":R"), 500.0 + i);
            q.bindValue(QStringLiteral(":D"), date);
        });
}

struct Piece {
    QString text;
    QTextCharFormat format;
    bool newBlock;
};

// The preview's lines as pieces with their formats.
QList<Piece> PiecesOf(const QTextDocument &source)
{
    QList<Piece> pieces;
    for (QTextBlock b = source.begin(); b.isValid(); b = b.next()) {
        bool first = true;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            pieces.append({it.fragment().text(), it.fragment().charFormat(), first});
            first = false;
        }
        if (first)
            pieces.append({QString(), QTextCharFormat(), true});
    }
    return pieces;
}

// The same pieces inserted through one cursor.
Timing PreviewBaseline(const QList<Piece> &pieces)
{
    const Stopwatch t;
    QTextDocument doc;
    doc.setDefaultFont(TextPreviewDocument::DefaultFont());
    QTextCursor cursor(&doc);
    for (const Piece &p : pieces) {
        if (p.newBlock)
            cursor.insertBlock();
        cursor.insertText(p.text, p.format);
    }
    return t.Elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int assets = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    const QString cases = argc > 3 ? QString::fromLatin1(argv[3]) : QStringLiteral("abc");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.fdb"));
    if (!TestDatabase::Create(path)) {
        std::fprintf(stderr, "Datenbank konnte nicht angelegt werden\n");
        return 1;
    }
    Fill(path, assets);
    std::printf("%d Abschreibungsgüter mit je 1 oder 2 Zugängen, bestes von %d Läufen\n", assets,
                rounds);

    auto evaluateOnce = [&](TAfaFilterChoice choice, TAfaFilterFlag target, QList<Piece> *lines,
                            int *rows) {
        Settle(path);
        Tdm_Afa dm(nullptr, path);
        dm.qry_Afa_Erfassung->Open();
        TEvaluationSession session(dm, [](const QString &) { return QString(); });
        TAfaEvaluation &evaluation = session.Evaluation;
        evaluation.Settings.Filter = choice;
        evaluation.Settings.FiscalYearText = QStringLiteral("2026");
        evaluation.Settings.To = DateSerial::EncodeDate(2999, 1, 1);
        const Stopwatch t;
        evaluation.EvaluateFor(target);
        const Timing elapsed = t.Elapsed();
        *rows = dm.ReportRowCounter;
        if (lines)
            *lines = PiecesOf(session.Preview);
        return elapsed;
    };

    auto print = [](const char *label, const Timing &run, const char *unit, const Timing &base,
                    const char *goal) {
        std::printf("%s %8.1f ms (%s)   Basis %8.1f ms   Verhältnis %.2f (%s)\n"
                    "    Prozessorzeit %8.1f ms, Basis %8.1f ms, Verhältnis %.2f\n",
                    label, run.wall, unit, base.wall, run.wall / base.wall, goal, run.cpu, base.cpu,
                    run.cpu / base.cpu);
    };

    // Run and baseline in turns; the best of each.
    auto reportCase = [&](const char *label, TAfaFilterChoice choice, const char *goal) {
        Timing best, base, constant;
        int rows = 0;
        QList<QVariantList> written;
        QList<double> ratios; // run over the baseline right after it, per round
        for (int round = 0; round < rounds; ++round) {
            const Timing run = evaluateOnce(choice, TargetPrint, nullptr, &rows);
            if (round == 0)
                written = ReportRows(path);
            const Timing baseline = ReportBaseline(path, written);
            ratios << run.wall / baseline.wall;
            best = Best(best, run);
            base = Best(base, baseline);
            constant = Best(constant, ConstantBaseline(path, rows));
        }
        const QByteArray unit = QStringLiteral("%1 Zeilen").arg(rows).toUtf8();
        print(label, best, unit.constData(), base, goal);
        // Less moved by the machine's speed changing between rounds.
        std::sort(ratios.begin(), ratios.end());
        std::printf("    Median der Verhältnisse je Runde %.2f (kleinstes %.2f, größtes %.2f)\n",
                    ratios[ratios.size() / 2], ratios.first(), ratios.last());
        std::printf(
            "    zum Vergleich: Basis mit neun konstanten Spalten %8.1f ms, Verhältnis %.2f\n",
            constant.wall, best.wall / constant.wall);
    };
    if (cases.contains(u'a'))
        reportCase("(a) Wirtschaftsjahr -> Reportzeilen: ", TAfaFilterChoice::Wirtschaftsjahr,
                   "Ziel <= 1,5; Lauf < 2 s");
    if (cases.contains(u'b'))
        reportCase("(b) Zeitraum -> Reportzeilen:       ", TAfaFilterChoice::Zeitraum,
                   "Ziel <= 1,5");
    if (!cases.contains(u'c'))
        return 0;

    QList<Piece> lines;
    Timing c, cBase;
    for (int round = 0; round < rounds; ++round) {
        int rows = 0;
        c = Best(c, evaluateOnce(TAfaFilterChoice::Wirtschaftsjahr, TargetText,
                                 round == 0 ? &lines : nullptr, &rows));
        cBase = Best(cBase, PreviewBaseline(lines));
    }
    const QByteArray unit = QStringLiteral("%1 Stücke").arg(lines.size()).toUtf8();
    print("(c) Wirtschaftsjahr -> Textvorschau:", c, unit.constData(), cBase, "Ziel <= 2");
    return 0;
}
