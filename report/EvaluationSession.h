#pragma once
// One evaluation set up over a data module without a window: the engine, the filter, the
// run, the report request and a text-preview document, wired as the main window wires them.
#include "AfaEvaluation.h"
#include "AssetStoreCursor.h"
#include "HeadlineCommand.h"
#include "MovementTable.h"
#include "ReportRowWriter.h"
#include "RowInfoList.h"

#include <QTextDocument>

class Tdm_Afa;

// The stored headline (RTF source) of key "RPT" or "RUT", read without creating its
// settings row; empty when none is stored.
QString ReadStoredHeadline(Tdm_Afa &dm, const QString &key);

class TEvaluationSession
{
public:
    // readSetting gives a stored headline by key ("RPT", "RUT").
    TEvaluationSession(Tdm_Afa &dm, std::function<QString(const QString &)> readSetting);
    TEvaluationSession(const TEvaluationSession &) = delete;
    TEvaluationSession &operator=(const TEvaluationSession &) = delete;

    TAfABerechnung Engine;
    TAfaFilter Filter;
    TAssetStoreCursor Assets;
    TMovementTable Movements; // the engine's movements during a walk
    TReportRowWriter ReportRows;
    TReportRequest Report;
    // The run and the headline step write Mode and Headline there (Report by default), and
    // the run clears it before the rows are rebuilt.
    void UseReportRequest(TReportRequest &request);
    QTextDocument Preview;
    TRowInfoList Rows;
    THeadlineCommand Headline;
    TAfaEvaluation Evaluation;
};
