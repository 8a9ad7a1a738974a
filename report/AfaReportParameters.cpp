#include "AfaReportParameters.h"

#include "DateSerial.h"
#include "GermanFormat.h"
#include "RenderReport.h"
#include "ReportProject.h"

QString ReportNameOfMode(TReportModes mode, const QString &previous)
{
    if (mode & rmJahr)
        return QStringLiteral("rep_Jahr");
    if (mode & rmList)
        return QStringLiteral("rep_List");
    if (mode & rmTest)
        return QStringLiteral("rep_Test");
    if (mode & rmEmpty)
        return QStringLiteral("rep_Empty");
    return previous;
}

void SetAfaReportParameters(TRenderReport &renderer, TReportProject &project,
                            const QString &headline, const QDate &date)
{
    project.SetParameter(QStringLiteral("param_Datum"),
                         GermanFormat::FormatDateTime(QStringLiteral("ddd, dd.mm.yyyy"),
                                                      DateSerial::FromQDate(date)));
    if (renderer.FindReportComponent(QStringLiteral("dmo_Firmendaten")))
        project.SetParameter(QStringLiteral("param_FirmenDaten"), headline);
}
