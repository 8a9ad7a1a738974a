#pragma once
// Measures text for the layout at a fixed resolution of 7200 dots per inch (100 dots per
// point), whatever the screen: fonts and rich text are laid out on an image of that
// resolution, so measurements do not depend on the machine and hinting is negligible.
// Results are in logical units (1/100 mm).
#include "SnapshotPage.h"

#include <QFont>
#include <QImage>
#include <QStringList>

class QTextDocument;

class TTextMeasure
{
public:
    static constexpr int Dpi = 7200;

    TTextMeasure();

    // The font at the measuring resolution.
    QFont Font(const TSnapFont &font) const;
    // Height of one line of text in the font.
    int LineHeight(const QFont &font) const;
    // The text broken into lines no wider than width, at word boundaries where possible;
    // line breaks in the text are kept.
    QStringList Wrap(const QString &text, const QFont &font, int width) const;
    // Lays doc out at width with no document margin; its height.
    int LayOut(QTextDocument &doc, int width);

    static double ToUnits(double dots) { return dots * SnapUnits::PerInch / Dpi; }
    static double ToDots(double units) { return units * Dpi / SnapUnits::PerInch; }

private:
    QImage m_device;
};
