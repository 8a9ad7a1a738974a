#pragma once
// A named component of a report: the report itself, its bands and groups (containers) and
// the printable components inside the bands. A report is a tree of these; each container
// owns its children. Lengths are in logical units (1/100 mm).
#include "SnapshotPage.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class TReportComponent
{
public:
    enum class TType {
        Report,
        PageHeader,
        GroupHeader,
        Group,
        Detail,
        GroupFooter,
        Summary,
        PageFooter,
        Text,      // static text
        DataText,  // a field of the current row, formatted
        ParamText, // a project parameter
        Memo,      // rich text (RTF) from a parameter, growing with its content
        Line,
        Rectangle,
        Sum,        // running sum of a field per group or over the report
        PageNumber, // pattern with "{page}" and "{pages}"
    };

    TReportComponent(TType type, QString name) : Type(type), Name(std::move(name)) {}
    virtual ~TReportComponent() = default;
    TReportComponent(const TReportComponent &) = delete;
    TReportComponent &operator=(const TReportComponent &) = delete;

    const TType Type;
    QString Name;
    TReportComponent *Parent = nullptr;
    std::vector<std::unique_ptr<TReportComponent>> Children;
    int SourceLine = 0; // line in the project file, for messages

    // Report, bands and groups: the components that hold others.
    bool IsContainer() const { return Type <= TType::PageFooter; }
    TReportComponent *Add(std::unique_ptr<TReportComponent> child);

    // Band height (minimum), group field, report settings.
    int Height = 0;
    QString Field;            // DataText, Sum: field name; Group: the field it groups on
    bool RepeatHeader = true; // Group: header again at the top of every new page

    // Report: page and margins, default font, data connection, title.
    QSize PageSize = SnapUnits::A4Portrait;
    QMargins Margins{1500, 1000, 1000, 1000};
    QString DataConnection;
    QString Title;

    // Printable components.
    QRect Box;      // position in the band and size; Line: from top-left to bottom-right
    QLine Line;     // Line only, in band coordinates
    int Align = 0;  // Qt::Alignment
    TSnapFont Font; // resolved at read time from the report's default font
    QRgb Color = 0xff000000;
    QRgb Fill = 0;
    int PenWidth = 0;
    QString Text;           // Text: the text; PageNumber: the pattern
    QString Parameter;      // ParamText, Memo
    QString Format;         // DataText, Sum: "#,0.00", "dd.mm.yyyy", ... empty: plain
    QString SumOver;        // Sum: the group's name, or empty for the whole report
    bool BlankZero = false; // DataText, Sum: a zero value prints nothing
    bool Wrap = false;      // Text, DataText: wraps at word boundaries, the band grows
};
