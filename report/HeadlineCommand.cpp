#include "HeadlineCommand.h"

#include "AfaError.h"
#include "AfaFilter.h"
#include "DateSerial.h"
#include "GermanFormat.h"
#include "ReportRequest.h"
#include "RtfText.h"
#include "TextPreviewDocument.h"
#include "Unit_AfaBerechnung.h"

#include <QTextDocument>

QString FillPeriodPlaceholder(const QString &rtfSource, int year)
{
    const TDateTime start = TAfABerechnung::MonthBoundary(year, QStringLiteral("a"), 1);
    const TDateTime end = TAfABerechnung::MonthBoundary(year, QStringLiteral("e"), 12);
    const QString period =
        QStringLiteral("vom %1 bis %2")
            .arg(GermanFormat::FormatDateTime(QStringLiteral("dd.mm.yyyy"), start),
                 GermanFormat::FormatDateTime(QStringLiteral("dd.mm.yyyy"), end));
    QString filled = rtfSource;
    filled.replace(QStringLiteral("[%Zeitraum%]"), period);
    return filled;
}

QString THeadlineCommand::BuildHeadline(const QString &keyword, const QString &result) const
{
    if (keyword == u"rep") {
        const QString text = FiscalYearText ? FiscalYearText() : QString();
        const int year = GermanFormat::StrToInt(text);
        // A year without days (0, 10000) cannot give "vom ... bis ...".
        TDateTime first = 0;
        if (!DateSerial::TryEncodeDate(year, 1, 1, first))
            throw EConvertError(GermanFormat::InvalidIntegerMessage(text));
        return FillPeriodPlaceholder(ReadSetting ? ReadSetting(QStringLiteral("RPT")) : QString(),
                                     year);
    }
    if (keyword == u"run")
        return ReadSetting ? ReadSetting(QStringLiteral("RUT")) : QString();
    return result;
}

void THeadlineCommand::SettingsCommand(const QString &keyword)
{
    const bool fiscalYear = Filter && Filter->HasFlag(FilterYear);
    if (keyword == u"out") {
        if (Filter && Filter->HasFlag(TargetPrint))
            SettingsCommand(QStringLiteral("rep"));
        else if (Filter && Filter->HasFlag(TargetText))
            SettingsCommand(QStringLiteral("rtf"));
    } else if (keyword == u"rep") {
        const QString headline =
            BuildHeadline(fiscalYear ? QStringLiteral("rep") : QStringLiteral("run"));
        if (Report)
            Report->Headline = headline;
    } else if (keyword == u"rtf") {
        const QString headline =
            BuildHeadline(fiscalYear ? QStringLiteral("rep") : QStringLiteral("run"));
        if (!Preview)
            return;
        // The rows that follow keep the preview's own font, not the headline's last one.
        const QFont ownFont = Preview->defaultFont();
        Preview->clear();
        QString error;
        const bool loaded = LoadRtfText(Preview, headline, &error);
        Preview->setDefaultFont(ownFont);
        if (!loaded)
            throw EAfaError(
                QStringLiteral("Die Reportüberschrift kann nicht gelesen werden: %1").arg(error));
        TextPreviewDocument::AppendLine(Preview, QString());
    }
}
