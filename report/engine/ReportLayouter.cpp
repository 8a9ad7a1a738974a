#include "ReportLayouter.h"

#include "PageSink.h"
#include "ReportDataSource.h"
#include "ReportError.h"
#include "RtfReader.h"

#include <QTextDocument>
#include <algorithm>
#include <numeric>

namespace
{

using TType = TReportComponent::TType;

const TReportComponent *ChildOfType(const TReportComponent &parent, TType type)
{
    for (const auto &child : parent.Children) {
        if (child->Type == type)
            return child.get();
    }
    return nullptr;
}

double NumberOf(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    if (IsNumberType(value.typeId()))
        return value.toDouble();
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double v = value.toString().trimmed().toDouble(&ok);
        return ok ? v : 0;
    }
    return 0;
}

void MoveDown(TSnapItem &item, int dy)
{
    item.Box.translate(0, dy);
    item.Line.translate(0, dy);
}

// Top of an item in its band, for moving what lies below a growing item.
int TopOf(const TSnapItem &item)
{
    return item.Kind == TSnapItem::TKind::Line ? qMin(item.Line.y1(), item.Line.y2())
                                               : item.Box.top();
}

} // namespace

TReportLayouter::TReportLayouter(const TReportComponent &report, TReportDataSource *source,
                                 TParameterLookup parameters)
    : m_report(report), m_source(source), m_parameters(std::move(parameters))
{
    Prepare();
}

TReportLayouter::~TReportLayouter() = default;

int TReportLayouter::FieldIndex(const QString &name)
{
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    m_fields.append(name);
    return int(m_fields.size() - 1);
}

TReportLayouter::TBandPlan *TReportLayouter::PlanBand(const TReportComponent *band)
{
    if (!band)
        return nullptr;
    auto plan = std::make_unique<TBandPlan>();
    plan->Band = band;
    plan->Height = band->Height;
    const int left = m_report.Margins.left();
    for (const auto &child : band->Children) {
        const TReportComponent &c = *child;
        TPlanItem p;
        p.Component = &c;
        TSnapItem &item = p.Item;
        item.Box = c.Box.translated(left, 0);
        item.Align = c.Align;
        item.Font = c.Font;
        item.Color = c.Color;
        switch (c.Type) {
        case TType::Text:
            item.Text = c.Text;
            break;
        case TType::DataText:
            p.FieldIndex = FieldIndex(c.Field);
            p.Format = TValueFormat(c.Format, c.BlankZero);
            break;
        case TType::ParamText:
            item.Text = m_parameters ? m_parameters(c.Parameter) : QString();
            break;
        case TType::Sum:
            p.SumIndex = int(m_sums.size());
            m_sums.push_back(0);
            m_sumOver.push_back(c.SumOver);
            p.FieldIndex = FieldIndex(c.Field);
            m_sumFields.push_back(p.FieldIndex);
            p.Format = TValueFormat(c.Format, c.BlankZero);
            break;
        case TType::PageNumber:
            item.Kind = TSnapItem::TKind::PageText;
            item.Text = c.Text;
            break;
        case TType::Memo:
            item.Kind = TSnapItem::TKind::RichText;
            item.Align = 0;
            item.Font = m_report.Font;
            item.Color = m_report.Color;
            p.Grows = true;
            break;
        case TType::Line:
            item.Kind = TSnapItem::TKind::Line;
            item.Line = c.Line.translated(left, 0);
            item.Align = 0;
            item.Font = {};
            item.PenWidth = c.PenWidth;
            break;
        case TType::Rectangle:
            item.Kind = TSnapItem::TKind::Rect;
            item.Align = 0;
            item.Font = {};
            item.PenWidth = c.PenWidth;
            item.Fill = c.Fill;
            break;
        default:
            continue; // containers do not stand in bands
        }
        if (c.Wrap && (c.Type == TType::Text || c.Type == TType::DataText)) {
            p.Grows = true;
            p.MeasureFont = m_measure.Font(c.Font);
            p.LineHeight = qMax(1, m_measure.LineHeight(p.MeasureFont));
        }
        plan->Grows = plan->Grows || p.Grows;
        plan->Items.push_back(std::move(p));
    }
    m_plans.push_back(std::move(plan));
    return m_plans.back().get();
}

void TReportLayouter::Prepare()
{
    m_pageHeader = PlanBand(ChildOfType(m_report, TType::PageHeader));
    m_pageFooter = PlanBand(ChildOfType(m_report, TType::PageFooter));
    m_summary = PlanBand(ChildOfType(m_report, TType::Summary));
    const TReportComponent *level = &m_report;
    for (;;) {
        if (const TReportComponent *group = ChildOfType(*level, TType::Group)) {
            TGroupLevel g;
            g.Group = group;
            g.FieldIndex = FieldIndex(group->Field);
            g.Header = PlanBand(ChildOfType(*group, TType::GroupHeader));
            g.Footer = PlanBand(ChildOfType(*group, TType::GroupFooter));
            m_groups.push_back(std::move(g));
            level = group;
            continue;
        }
        m_detail = PlanBand(ChildOfType(*level, TType::Detail));
        break;
    }
    // sums of bands planned after their group was listed
    for (TGroupLevel &g : m_groups) {
        g.Sums.clear();
        for (size_t s = 0; s < m_sumOver.size(); ++s) {
            if (m_sumOver[s].compare(g.Group->Name, Qt::CaseInsensitive) == 0)
                g.Sums.push_back(int(s));
        }
    }
    m_rowA.assign(size_t(m_fields.size()), QVariant());
    m_rowB.assign(size_t(m_fields.size()), QVariant());
}

void TReportLayouter::CheckFields() const
{
    if (!m_source)
        return;
    for (const QString &field : m_fields) {
        if (!m_source->HasField(field))
            throw EReportError(
                QStringLiteral("Das Feld „%1“ gibt es in der Datenverbindung „%2“ nicht.")
                    .arg(field, m_report.DataConnection));
    }
}

int TReportLayouter::Run(TPageSink &sink)
{
    CheckFields();
    m_sink = &sink;
    m_pageNo = 0;
    m_pageOpen = false;
    m_openDepth = 0;
    std::fill(m_sums.begin(), m_sums.end(), 0.0);
    sink.BeginDocument(m_report.Title.isEmpty() ? m_report.Name : m_report.Title);

    bool hasRow = m_source ? m_source->First() : true;
    bool anyRow = false;
    while (hasRow) {
        std::swap(m_cur, m_prev);
        ReadRow();
        const int level = anyRow ? ChangedLevel() : 0;
        if (anyRow)
            CloseGroups(level);
        OpenGroups(level);
        AddToSums();
        Place(m_detail, *m_cur, m_openDepth);
        anyRow = true;
        hasRow = m_source && m_source->Next();
    }
    if (anyRow) {
        std::swap(m_cur, m_prev); // the last row, for the closing footers and the summary
        CloseGroups(0);
    }
    Place(m_summary, *m_prev, 0);
    // Without rows, a report with nothing but row bands has no page at all.
    if (!m_pageOpen && (m_pageHeader || m_pageFooter))
        StartPage(*m_prev, 0);
    if (m_pageOpen)
        FinishPage();
    sink.EndDocument(m_pageNo);
    m_sink = nullptr;
    return m_pageNo;
}

void TReportLayouter::ReadRow()
{
    if (!m_source)
        return;
    TRow &row = *m_cur;
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        row[size_t(i)] = m_source->Value(m_fields[i]);
}

// The outermost group whose value changed from the previous row; the group count if none.
int TReportLayouter::ChangedLevel() const
{
    for (size_t i = 0; i < m_groups.size(); ++i) {
        const size_t f = size_t(m_groups[i].FieldIndex);
        if ((*m_cur)[f] != (*m_prev)[f])
            return int(i);
    }
    return int(m_groups.size());
}

void TReportLayouter::OpenGroups(int level)
{
    for (size_t i = size_t(level); i < m_groups.size(); ++i) {
        for (const int s : m_groups[i].Sums)
            m_sums[size_t(s)] = 0;
        Place(m_groups[i].Header, *m_cur, int(i));
        m_openDepth = int(i) + 1;
    }
}

// Footers show the values of their group's last row, which is the previous one here.
void TReportLayouter::CloseGroups(int level)
{
    for (int i = int(m_groups.size()) - 1; i >= level; --i) {
        Place(m_groups[size_t(i)].Footer, *m_prev, i + 1);
        m_openDepth = i;
    }
}

void TReportLayouter::AddToSums()
{
    for (size_t s = 0; s < m_sums.size(); ++s)
        m_sums[s] += NumberOf((*m_cur)[size_t(m_sumFields[s])]);
}

// Places a band below what the page holds, on a new page when it does not fit above the
// page footer. A band taller than a whole page body is placed on a fresh page anyway.
void TReportLayouter::Place(TBandPlan *plan, const TRow &row, int repeatDepth)
{
    if (!plan)
        return;
    if (!plan->Grows) {
        const int height = plan->Height;
        if (!m_pageOpen) {
            StartPage(row, repeatDepth);
        } else if (m_y + height > m_bodyBottom && m_y > m_bodyTop) {
            FinishPage();
            StartPage(row, repeatDepth);
        }
        Build(*plan, row, m_page.Items, m_y);
        m_y += height;
        return;
    }
    m_scratch.clear();
    const int height = Build(*plan, row, m_scratch, 0);
    if (!m_pageOpen) {
        StartPage(row, repeatDepth);
    } else if (m_y + height > m_bodyBottom && m_y > m_bodyTop) {
        FinishPage();
        StartPage(row, repeatDepth);
    }
    for (TSnapItem &item : m_scratch) {
        MoveDown(item, m_y);
        m_page.Items.append(std::move(item));
    }
    m_scratch.clear();
    m_y += height;
}

// Page header at the top margin, then the headers of the open groups that repeat.
void TReportLayouter::StartPage(const TRow &row, int repeatDepth)
{
    m_pageOpen = true;
    ++m_pageNo;
    m_page.Size = m_report.PageSize;
    m_page.Items.clear();
    int footer = 0;
    if (m_pageFooter) {
        if (m_pageFooter->Grows) {
            QList<TSnapItem> probe;
            footer = Build(*m_pageFooter, row, probe, 0);
        } else {
            footer = m_pageFooter->Height;
        }
    }
    m_bodyBottom = m_report.PageSize.height() - m_report.Margins.bottom() - footer;
    m_y = m_report.Margins.top();
    if (m_pageHeader)
        m_y += Build(*m_pageHeader, row, m_page.Items, m_y);
    for (int i = 0; i < repeatDepth && i < int(m_groups.size()); ++i) {
        const TGroupLevel &g = m_groups[size_t(i)];
        if (g.Group->RepeatHeader && g.Header)
            m_y += Build(*g.Header, row, m_page.Items, m_y);
    }
    m_bodyTop = m_y;
}

// Page footer at the bottom margin with the values of the last row placed; hands the page on.
void TReportLayouter::FinishPage()
{
    if (m_pageFooter) {
        const int bottom = m_report.PageSize.height() - m_report.Margins.bottom();
        QList<TSnapItem> footer;
        const int height = Build(*m_pageFooter, *m_prev, footer, 0);
        for (TSnapItem &item : footer) {
            MoveDown(item, bottom - height);
            m_page.Items.append(std::move(item));
        }
    }
    m_sink->AddPage(m_page);
    m_page.Items.clear();
    m_pageOpen = false;
}

QString TReportLayouter::TextOf(const TPlanItem &p, const TRow &row) const
{
    switch (p.Component->Type) {
    case TType::DataText:
        return p.Format.Format(row[size_t(p.FieldIndex)]);
    case TType::Sum:
        return p.Format.FormatNumber(m_sums[size_t(p.SumIndex)]);
    default:
        return p.Item.Text;
    }
}

// The memo's parameter read as RTF (plain text otherwise) and laid out at the memo's width
// once per run: parameters do not change while it runs.
void TReportLayouter::EnsureMemo(TPlanItem &p)
{
    if (p.MemoReady)
        return;
    const TReportComponent &c = *p.Component;
    const QString text = m_parameters ? m_parameters(c.Parameter) : QString();
    QTextDocument doc;
    QFont font(m_report.Font.Family);
    font.setPointSizeF(m_report.Font.PointSize);
    font.setBold(m_report.Font.Bold);
    font.setItalic(m_report.Font.Italic);
    font.setUnderline(m_report.Font.Underline);
    doc.setDefaultFont(font);
    TRtfReader reader;
    if (!reader.Read(text.toUtf8(), &doc))
        throw EReportError(
            QStringLiteral("Der Text für „%1“ (Parameter „%2“) kann nicht gelesen werden: %3")
                .arg(c.Name, c.Parameter, reader.Error()));
    const int height = m_measure.LayOut(doc, c.Box.width());
    p.Item.Text = doc.toHtml();
    p.MemoHeight = qMax(c.Box.height(), height);
    p.MemoReady = true;
}

void TReportLayouter::EmitWrapped(const TPlanItem &p, const QStringList &lines,
                                  QList<TSnapItem> &out, int top) const
{
    const QRect &box = p.Item.Box;
    const int total = int(lines.size()) * p.LineHeight;
    int y = box.top();
    if (total < box.height()) {
        if (p.Item.Align & Qt::AlignBottom)
            y += box.height() - total;
        else if (p.Item.Align & Qt::AlignVCenter)
            y += (box.height() - total) / 2;
    }
    for (const QString &line : lines) {
        TSnapItem item = p.Item;
        item.Box = QRect(box.left(), top + y, box.width(), p.LineHeight);
        item.Align = (p.Item.Align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
        item.Text = line;
        out.append(std::move(item));
        y += p.LineHeight;
    }
}

// Appends the band's items at top; its height. Items below a growing item (wrapped text,
// memo) move down by what it grew, and the band grows with them.
int TReportLayouter::Build(TBandPlan &plan, const TRow &row, QList<TSnapItem> &out, int top)
{
    if (!plan.Grows) {
        for (const TPlanItem &p : plan.Items) {
            TSnapItem item = p.Item;
            if (p.FieldIndex >= 0)
                item.Text = TextOf(p, row);
            MoveDown(item, top);
            out.append(std::move(item));
        }
        return plan.Height;
    }

    const size_t count = plan.Items.size();
    m_growth.assign(count, TGrowth());
    std::vector<size_t> growing;
    for (size_t i = 0; i < count; ++i) {
        TPlanItem &p = plan.Items[i];
        if (!p.Grows)
            continue;
        growing.push_back(i);
        if (p.Component->Type == TType::Memo) {
            EnsureMemo(p);
            m_growth[i].Extra = p.MemoHeight - p.Item.Box.height();
        } else {
            m_growth[i].Lines = m_measure.Wrap(TextOf(p, row), p.MeasureFont, p.Item.Box.width());
            const int total = int(m_growth[i].Lines.size()) * p.LineHeight;
            m_growth[i].Extra = qMax(0, total - p.Item.Box.height());
        }
    }
    std::stable_sort(growing.begin(), growing.end(), [&](size_t a, size_t b) {
        return plan.Items[a].Item.Box.top() < plan.Items[b].Item.Box.top();
    });
    auto shiftAt = [&](int y, size_t self) {
        int shift = 0;
        for (const size_t g : growing) {
            if (g == self)
                continue;
            const QRect &box = plan.Items[g].Item.Box;
            if (box.top() + box.height() <= y)
                shift = qMax(shift, m_growth[g].Shift + m_growth[g].Extra);
        }
        return shift;
    };
    int grown = 0;
    for (const size_t g : growing) {
        m_growth[g].Shift = shiftAt(plan.Items[g].Item.Box.top(), g);
        grown = qMax(grown, m_growth[g].Shift + m_growth[g].Extra);
    }
    for (size_t i = 0; i < count; ++i) {
        const TPlanItem &p = plan.Items[i];
        const int shift = p.Grows ? m_growth[i].Shift : shiftAt(TopOf(p.Item), count);
        if (p.Grows && p.Component->Type != TType::Memo &&
            (m_growth[i].Lines.size() > 1 || m_growth[i].Extra > 0)) {
            EmitWrapped(p, m_growth[i].Lines, out, top + shift);
            continue;
        }
        TSnapItem item = p.Item;
        if (p.Grows && p.Component->Type != TType::Memo)
            item.Text = m_growth[i].Lines.value(0);
        else if (p.FieldIndex >= 0)
            item.Text = TextOf(p, row);
        if (p.Component->Type == TType::Memo)
            item.Box.setHeight(p.MemoHeight);
        MoveDown(item, top + shift);
        out.append(std::move(item));
    }
    return plan.Height + grown;
}
