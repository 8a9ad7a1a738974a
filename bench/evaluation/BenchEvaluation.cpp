// The evaluation run over generated assets, each beside a baseline of the same run:
//   (a) fiscal year into report rows   vs. the same number of AFA_REPORT rows inserted with
//       one prepared statement in one transaction
//   (b) all years ("Zeitraum") into report rows, same baseline
//   (c) fiscal year into the text preview vs. the same lines with the same piece formats
//       inserted through one QTextCursor
//   bench_evaluation [ASSETS=10000] [ROUNDS=3]
// Prints times and ratios; never fails on time.
#include "DMod_Afa.h"
#include "EvaluationSession.h"
#include "TestDatabase.h"
#include "TextPreviewDocument.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>

namespace {

QSqlDatabase Connect(const QString &path, const QString &name)
{
    QSqlDatabase db = TestDatabase::Connect(path, name);
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
        q.bindValue(QStringLiteral(":INV"), QStringLiteral("INV-%1").arg(i, 6, 10, QLatin1Char('0')));
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

// The same number of report rows, one prepared insert, one transaction.
double ReportBaseline(const QString &path, int rows)
{
    double best = 1e300;
    QSqlDatabase db = Connect(path, QStringLiteral("baseline%1").arg(rows));
    for (int round = 0; round < 2; ++round) {
        db.transaction();
        {
            QSqlQuery clear(db);
            clear.exec(QStringLiteral("EXECUTE PROCEDURE CLEARAFAREPORT"));
        }
        db.commit();
        QElapsedTimer t;
        t.start();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "insert into AFA_REPORT (ID, AFA_ERFASSUNG_ID, INVENTARNR, BEZEICHNUNG, "
            "ANSCHAFFUNGSDATUM, ABSCHREIBUNGSDATUM, KOSTEN, NUTZUNGSDAUER, AFA_KONTEN_ID, "
            "AFA_KONTEN_NR, AFA_KONTEN_BEZEICHNUNG, RND, AFA, RESTBETRAGBEGIN, RESTBETRAG, "
            "DATUMBEGINN, DATUMENDE, DATUM, ABSCHREIBUNGSINFO, ZUGANG, ABGANG) values (:ID, :AE, "
            ":INV, :BEZ, :AD, NULL, :K, :N, 1, '0420', 'Betriebs- und Geschäftsausstattung', :RND, "
            ":AFA, :RB, :R, '01.01', '31.12.2026', :D, 'L-20,00%', 0, 0)"));
        const QDateTime date(QDate(2026, 1, 1), QTime());
        for (int i = 1; i <= rows; ++i) {
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
            q.exec();
        }
        db.commit();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    db.close();
    return best;
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
double PreviewBaseline(const QList<Piece> &pieces)
{
    QElapsedTimer t;
    t.start();
    QTextDocument doc;
    doc.setDefaultFont(TextPreviewDocument::DefaultFont());
    QTextCursor cursor(&doc);
    for (const Piece &p : pieces) {
        if (p.newBlock)
            cursor.insertBlock();
        cursor.insertText(p.text, p.format);
    }
    return t.nsecsElapsed() / 1e6;
}

struct Run {
    double ms;
    int rows;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int assets = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.fdb"));
    if (!TestDatabase::Create(path)) {
        std::fprintf(stderr, "Datenbank konnte nicht angelegt werden\n");
        return 1;
    }
    Fill(path, assets);
    std::printf("%d Abschreibungsgüter mit je 1 oder 2 Zugängen, bestes von %d Läufen\n", assets,
                rounds);

    auto evaluate = [&](TAfaFilterChoice choice, TAfaFilterFlag target, QList<Piece> *lines) {
        Run best{1e300, 0};
        for (int round = 0; round < rounds; ++round) {
            Tdm_Afa dm(nullptr, path);
            dm.qry_Afa_Erfassung->Open();
            TEvaluationSession session(dm, [](const QString &) { return QString(); });
            TAfaEvaluation &evaluation = session.Evaluation;
            evaluation.Settings.Filter = choice;
            evaluation.Settings.FiscalYearText = QStringLiteral("2026");
            evaluation.Settings.To = DateSerial::EncodeDate(2999, 1, 1);
            QElapsedTimer t;
            t.start();
            evaluation.EvaluateFor(target);
            const double ms = t.nsecsElapsed() / 1e6;
            if (ms < best.ms) {
                best = {ms, dm.ReportRowCounter};
                if (lines)
                    *lines = PiecesOf(session.Preview);
            }
        }
        return best;
    };

    const Run a = evaluate(TAfaFilterChoice::Wirtschaftsjahr, TargetPrint, nullptr);
    const double aBase = ReportBaseline(path, a.rows);
    std::printf("(a) Wirtschaftsjahr -> Reportzeilen: %8.1f ms (%d Zeilen)   Basis %8.1f ms   "
                "Verhältnis %.2f (Ziel <= 1,5; Lauf < 2 s)\n",
                a.ms, a.rows, aBase, a.ms / aBase);

    const Run b = evaluate(TAfaFilterChoice::Zeitraum, TargetPrint, nullptr);
    const double bBase = ReportBaseline(path, b.rows);
    std::printf("(b) Zeitraum -> Reportzeilen:       %8.1f ms (%d Zeilen)   Basis %8.1f ms   "
                "Verhältnis %.2f (Ziel <= 1,5)\n",
                b.ms, b.rows, bBase, b.ms / bBase);

    QList<Piece> lines;
    const Run c = evaluate(TAfaFilterChoice::Wirtschaftsjahr, TargetText, &lines);
    double cBase = 1e300;
    for (int round = 0; round < rounds; ++round)
        cBase = std::min(cBase, PreviewBaseline(lines));
    std::printf("(c) Wirtschaftsjahr -> Textvorschau: %8.1f ms (%d Stücke)   Basis %8.1f ms   "
                "Verhältnis %.2f (Ziel <= 2)\n",
                c.ms, int(lines.size()), cBase, c.ms / cBase);
    return 0;
}
