#pragma once
// One rendered page in logical units (1 unit = 1/100 mm, origin at the paper's top left),
// as the layout writes it and every renderer plays it back. Items are drawn in list order.
#include <QColor>
#include <QLine>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace SnapUnits
{
constexpr int PerMm = 100;
constexpr int PerInch = 2540;
constexpr QSize A4Portrait{21000, 29700};
} // namespace SnapUnits

struct TSnapFont {
    QString Family;
    double PointSize = 8; // at 100 % zoom
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TSnapFont &) const = default;
};

struct TSnapItem {
    enum class TKind : quint8 {
        Text,     // Text, single line, in Box with Align
        PageText, // Text is a pattern: "{page}" and "{pages}" are filled in at play back
        Line,     // Line, PenWidth, Color
        Rect,     // Box, PenWidth (0: no outline), Color (outline), Fill (alpha 0: none)
        RichText  // Box, Text holds the block as HTML (QTextDocument::toHtml), laid out
                  // at the box's width
    };

    TKind Kind = TKind::Text;
    QRect Box;
    QLine Line;
    int Align = 0; // Qt::Alignment flags (horizontal and vertical)
    TSnapFont Font;
    QRgb Color = 0xff000000;
    QRgb Fill = 0; // ARGB; alpha 0 means not filled
    int PenWidth = 0;
    QString Text;

    bool operator==(const TSnapItem &) const = default;
};

struct TSnapshotPage {
    QSize Size = SnapUnits::A4Portrait;
    QList<TSnapItem> Items;

    bool operator==(const TSnapshotPage &) const = default;
};

// "{page}" and "{pages}" of a PageText pattern filled in.
QString FillPageText(const QString &pattern, int page, int pageCount);
