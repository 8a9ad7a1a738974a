#pragma once
// The headline of an evaluation: the stored "RPT" or "RUT" rich text, with the fiscal
// year filled in, written into the text preview or handed to the report request.
#include <QString>
#include <functional>

class QTextDocument;
class TAfaFilter;
class TReportRequest;

class THeadlineCommand
{
public:
    // "out": "rep" for the print target, "rtf" for the text target; "rep": the report
    // request's Headline; "rtf": the preview holds the headline and one empty line.
    // Any other keyword does nothing.
    void SettingsCommand(const QString &keyword);
    // "rep": "RPT" with "[%Zeitraum%]" replaced (throws EConvertError for a fiscal-year
    // text that is not a whole number); "run": "RUT" unchanged; otherwise result as given.
    QString BuildHeadline(const QString &keyword, const QString &result = {}) const;

    std::function<QString(const QString &key)> ReadSetting; // RTF source by key
    std::function<QString()> FiscalYearText;
    TAfaFilter *Filter = nullptr;
    TReportRequest *Report = nullptr;
    QTextDocument *Preview = nullptr;
};

// "vom 01.01.YYYY bis 31.12.YYYY" put in place of every "[%Zeitraum%]" of the RTF source.
QString FillPeriodPlaceholder(const QString &rtfSource, int year);
