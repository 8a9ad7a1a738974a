#pragma once
// Lays out one report over its rows into pages: page header and footer on every page,
// nested groups with their headers and footers, a detail band per row, the summary after the
// last row. Each page goes to the sink as soon as it is full; only the current page is held.
#include "ReportComponent.h"
#include "TextMeasure.h"
#include "ValueFormat.h"

#include <QFont>
#include <QVariant>
#include <functional>
#include <vector>

class TPageSink;
class TReportDataSource;

using TParameterLookup = std::function<QString(const QString &name)>;

class TReportLayouter
{
public:
    // source may be null: the report then prints its bands once, as for one row without
    // fields. Both the report and the source must outlive the layouter.
    TReportLayouter(const TReportComponent &report, TReportDataSource *source,
                    TParameterLookup parameters);
    ~TReportLayouter();
    TReportLayouter(const TReportLayouter &) = delete;
    TReportLayouter &operator=(const TReportLayouter &) = delete;

    // Checks the fields against the source, lays out all rows from the first on and hands
    // the pages to sink; the page count. EReportError for an unknown field.
    int Run(TPageSink &sink);

private:
    using TRow = std::vector<QVariant>;

    struct TPlanItem {
        const TReportComponent *Component = nullptr;
        TSnapItem Item; // Box and Line in band coordinates, x from the paper's edge
        int FieldIndex = -1;
        int SumIndex = -1;
        TValueFormat Format;
        bool Grows = false; // wrapped text or memo
        QFont MeasureFont;  // wrapped text
        int LineHeight = 0; // wrapped text
        bool MemoReady = false;
        int MemoHeight = 0;
    };
    struct TBandPlan {
        const TReportComponent *Band = nullptr;
        int Height = 0;
        bool Grows = false;
        std::vector<TPlanItem> Items;
    };
    struct TGroupLevel {
        const TReportComponent *Group = nullptr;
        int FieldIndex = -1;
        TBandPlan *Header = nullptr;
        TBandPlan *Footer = nullptr;
        std::vector<int> Sums; // reset when the group starts
    };
    struct TGrowth {
        int Extra = 0;
        int Shift = 0;
        QStringList Lines;
    };

    void Prepare();
    TBandPlan *PlanBand(const TReportComponent *band);
    int FieldIndex(const QString &name);
    void CheckFields() const;

    void ReadRow();
    int ChangedLevel() const;
    void OpenGroups(int level);
    void CloseGroups(int level);
    void AddToSums();

    void Place(TBandPlan *plan, const TRow &row, int repeatDepth);
    void StartPage(const TRow &row, int repeatDepth);
    void FinishPage();
    int Build(TBandPlan &plan, const TRow &row, QList<TSnapItem> &out, int top);
    QString TextOf(const TPlanItem &p, const TRow &row) const;
    void EnsureMemo(TPlanItem &p);
    void EmitWrapped(const TPlanItem &p, const QStringList &lines, QList<TSnapItem> &out,
                     int top) const;

    const TReportComponent &m_report;
    TReportDataSource *m_source;
    TParameterLookup m_parameters;
    TTextMeasure m_measure;

    std::vector<std::unique_ptr<TBandPlan>> m_plans;
    TBandPlan *m_pageHeader = nullptr;
    TBandPlan *m_pageFooter = nullptr;
    TBandPlan *m_detail = nullptr;
    TBandPlan *m_summary = nullptr;
    std::vector<TGroupLevel> m_groups; // outermost first
    QStringList m_fields;
    std::vector<QString> m_sumOver; // per sum: the group that resets it
    std::vector<int> m_sumFields;   // per sum: the field it adds up
    std::vector<double> m_sums;

    TRow m_rowA, m_rowB;
    TRow *m_cur = &m_rowA;
    TRow *m_prev = &m_rowB;
    int m_openDepth = 0;

    TPageSink *m_sink = nullptr;
    TSnapshotPage m_page;
    bool m_pageOpen = false;
    int m_pageNo = 0;
    int m_y = 0;
    int m_bodyTop = 0;
    int m_bodyBottom = 0;
    QList<TSnapItem> m_scratch;
    std::vector<TGrowth> m_growth;
};
