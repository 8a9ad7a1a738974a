#include "EvaluationSession.h"

#include "DMod_Afa.h"
#include "TextPreviewDocument.h"
#include "Unit_Global.h"

TEvaluationSession::TEvaluationSession(Tdm_Afa &dm,
                                       std::function<QString(const QString &)> readSetting)
    : Assets(*dm.qry_Afa_Erfassung), Movements(dm, Assets), ReportRows(dm), Rows(&Preview),
      Evaluation(Engine, Filter, Assets, ReportRows)
{
    Engine.Movements = &Movements;
    Evaluation.BeforeWalk = [this] { Movements.Load(); };
    TextPreviewDocument::Prepare(&Preview);
    Evaluation.Report = &Report;
    Evaluation.RowInfoList = &Rows;
    Headline.ReadSetting = std::move(readSetting);
    Headline.FiscalYearText = [this] { return Evaluation.Settings.FiscalYearText; };
    Headline.Filter = &Filter;
    Headline.Report = &Report;
    Headline.Preview = &Preview;
    Evaluation.HeadlineStep = [this] { Headline.SettingsCommand(QStringLiteral("out")); };
}

void TEvaluationSession::UseReportRequest(TReportRequest &request)
{
    Evaluation.Report = &request;
    Headline.Report = &request;
}

QString ReadStoredHeadline(Tdm_Afa &dm, const QString &key)
{
    dm.SettingsStatement(QStringLiteral("sel"), key, QString(), QString());
    if (dm.qry_Helper->IsEmpty())
        return QString();
    return Global().BlobHelper->BlobToString(dm.qry_Helper, QStringLiteral("blobwert"));
}
