#include "EvaluationSession.h"

#include "DMod_Afa.h"
#include "TextPreviewDocument.h"

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
