#pragma once
// What an evaluation hands to the report output: which report and its headline.
#include <QString>
#include <QtGlobal>

enum TReportModeBit : quint8 {
    rmJahr = 1,  // "rep_Jahr": one fiscal year
    rmList = 2,  // "rep_List": a span of dates or the selected assets
    rmTest = 4,  // "rep_Test"
    rmEmpty = 8, // "rep_Empty"
};
using TReportModes = quint8;

class TReportRequest
{
public:
    virtual ~TReportRequest() = default;
    // Releases the last rendered report.
    virtual void Clear() {}

    TReportModes Mode = 0;
    QString Headline; // complete RTF source
};
