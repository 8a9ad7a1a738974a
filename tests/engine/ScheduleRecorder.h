#pragma once
// Collects what the engine shows its listener in every OnYear.
#include "GermanFormat.h"
#include "Unit_AfaBerechnung.h"

#include <QList>

struct YearSeen {
    int yearNo, year, rowNo, remaining;
    TDateTime periodStart, periodEnd;
    double opening, amount, closing, additions;
    bool switched;
    TAfaArt kind;
    QString label;
};

class ScheduleRecorder
{
public:
    explicit ScheduleRecorder(TAfABerechnung &engine) : e(engine)
    {
        e.OnYear = [this](QObject *sender) {
            Q_ASSERT(sender == nullptr);
            QString label = QStringLiteral("unverändert");
            e.RateLabel(true, label);
            years.append({e.YearNo, e.Year, e.RowNo, e.RemainingMonths, e.PeriodStart, e.PeriodEnd,
                          e.OpeningValue, e.YearAmount, e.ClosingValue, e.YearAdditions, e.Switched,
                          e.Kind, label});
        };
    }
    TAfABerechnung &e;
    QList<YearSeen> years;
};

inline QString Money(double v)
{
    return GermanFormat::FormatAmount(v);
}

inline TDateTime D(int y, int m, int d)
{
    return DateSerial::EncodeDate(y, m, d);
}
