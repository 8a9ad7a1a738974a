#pragma once
// What the AfA reports are told before they run: which report a mode selects, the print
// date and the headline.
#include "ReportRequest.h"

#include <QDate>
#include <QString>

class TRenderReport;
class TReportProject;

// The report of the first mode bit present, testing 1, 2, 4, 8; previous when none is.
QString ReportNameOfMode(TReportModes mode, const QString &previous);

// "param_Datum" := date as "ddd, dd.mm.yyyy"; "param_FirmenDaten" := headline, only when
// the selected report has a component "dmo_Firmendaten" (any case).
void SetAfaReportParameters(TRenderReport &renderer, TReportProject &project,
                            const QString &headline, const QDate &date = QDate::currentDate());
