#pragma once
// A real database with assets, the data module over it and an evaluation wired as the
// main window wires it.
#include "DMod_Afa.h"
#include "EvaluationSession.h"

#include <QVariantMap>
#include <memory>

struct AssetSpec {
    int id;
    QString name;
    QDate acquired;
    double cost = 12000;
    int months = 60;
    QString kind = QStringLiteral("LIN");
    int aktiv = 1;
    int account = 1;
    double residual = 0;
    double percent = 0;
    int useAbschrDatum = 0;
    QDate abschrDatum = {};
};

class EvaluationFixture
{
public:
    EvaluationFixture();
    ~EvaluationFixture();

    void AddAccount(int id, const QString &nr, const QString &name);
    void AddAsset(const AssetSpec &asset);
    void AddMovement(int id, int assetId, const QDate &date, double addition);
    void Sql(const QString &statement);
    void SetHeadline(const QString &key, const QString &rtf);

    // Opens the data module and the asset store (after the rows are in).
    void Open();
    void Evaluate(TAfaFilterFlag target);
    // Report rows in the order the report reads them.
    QList<QVariantMap> ReportRows();
    QString PreviewText() const { return session->Preview.toPlainText(); }

    QString path;
    std::unique_ptr<Tdm_Afa> dm;
    std::unique_ptr<TEvaluationSession> session;
    TEvaluationSettings settings;
    // Shorthands into the session.
    TAfaEvaluation *evaluation = nullptr;
    TAfaFilter *filter = nullptr;
    TReportRequest *report = nullptr;
    QTextDocument *preview = nullptr;
};
