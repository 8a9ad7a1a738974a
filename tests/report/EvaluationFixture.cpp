#include "EvaluationFixture.h"

#include "TestDatabase.h"

#include <QtTest>

EvaluationFixture::EvaluationFixture() : path(TestDatabase::FreshCopy())
{
    AddAccount(1, QStringLiteral("0420"), QStringLiteral("Büroeinrichtung"));
}

EvaluationFixture::~EvaluationFixture() = default;

void EvaluationFixture::Sql(const QString &statement)
{
    TestDatabase::Exec(path, statement);
}

void EvaluationFixture::AddAccount(int id, const QString &nr, const QString &name)
{
    Sql(QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) VALUES (%1, '%2', '%3')")
            .arg(id)
            .arg(nr, name));
}

void EvaluationFixture::AddAsset(const AssetSpec &a)
{
    const QString kind =
        a.kind.isEmpty()
            ? QStringLiteral("NULL")
            : QStringLiteral("(SELECT ID FROM AFA_ARTEN WHERE KUERZEL = '%1')").arg(a.kind);
    const QString abschr = a.abschrDatum.isValid()
                               ? QStringLiteral("'%1'").arg(a.abschrDatum.toString(Qt::ISODate))
                               : QStringLiteral("NULL");
    Sql(QStringLiteral("INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, ANSCHAFFUNGSDATUM, "
                       "ABSCHREIBUNGSDATUM, KOSTEN, RESTBUCHWERT, NUTZUNGSDAUER, PROZENTSATZ, "
                       "AKTIV, USE_ABSCHRDATUM, AFA_KONTEN_ID, AFA_ARTEN_ID) VALUES (%1, 'INV-%1', "
                       "'%2', '%3', %4, %5, %6, %7, %8, %9, %10, %11, %12)")
            .arg(a.id)
            .arg(a.name, a.acquired.toString(Qt::ISODate), abschr)
            .arg(a.cost, 0, 'g', 17)
            .arg(a.residual, 0, 'g', 17)
            .arg(a.months)
            .arg(a.percent, 0, 'g', 17)
            .arg(a.aktiv)
            .arg(a.useAbschrDatum)
            .arg(a.account > 0 ? QString::number(a.account) : QStringLiteral("NULL"), kind));
}

void EvaluationFixture::AddMovement(int id, int assetId, const QDate &date, double addition)
{
    Sql(QStringLiteral(
            "INSERT INTO AFA_ZUABGANG (ID, BEZEICHNUNG, DATUM, ZUGANG, AFA_ERFASSUNG_ID, "
            "AKTIV) VALUES (%1, 'Zugang', '%2', %3, %4, 1)")
            .arg(id)
            .arg(date.toString(Qt::ISODate))
            .arg(addition, 0, 'g', 17)
            .arg(assetId));
}

void EvaluationFixture::SetHeadline(const QString &key, const QString &rtf)
{
    dm->SetSettingText(key, rtf);
}

void EvaluationFixture::Open()
{
    // Rows were inserted with fixed IDs: the stores draw theirs after them.
    for (const char *table : {"ERFASSUNG", "KONTEN", "ZUABGANG"})
        Sql(QStringLiteral("SET GENERATOR GEN_AFA_%1_ID TO %2")
                .arg(QLatin1String(table))
                .arg(TestDatabase::Scalar(path,
                                          QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM AFA_%1")
                                              .arg(QLatin1String(table)))
                         .toInt()));
    dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->qry_Afa_Erfassung->Open();
    session = std::make_unique<TEvaluationSession>(
        *dm, [this](const QString &key) { return dm->GetSettingText(key); });
    evaluation = &session->Evaluation;
    filter = &session->Filter;
    report = &session->Report;
    preview = &session->Preview;
}

void EvaluationFixture::Evaluate(TAfaFilterFlag target)
{
    evaluation->Settings = settings;
    evaluation->EvaluateFor(target);
}

QList<QVariantMap> EvaluationFixture::ReportRows()
{
    QList<QVariantMap> result;
    TRecordStore *store = dm->ReportStore();
    for (store->First(); !store->Eof(); store->Next()) {
        QVariantMap row;
        for (const QString &column : TAfaReportRow::ColumnNames())
            row.insert(column, store->FieldByName(column)->Value());
        result.append(row);
    }
    return result;
}
