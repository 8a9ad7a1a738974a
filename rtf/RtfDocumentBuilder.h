#pragma once
// Puts parsed RTF content into a QTextDocument, replacing what it held. Text goes in as
// runs of equal format, paragraphs with their block format, list items into QTextLists.
#include "RtfContent.h"

class QTextDocument;

class TRtfDocumentBuilder
{
public:
    static void Build(const TRtfContent &content, QTextDocument *doc);
    static void SetPlainText(const QString &text, QTextDocument *doc);

    // A bulleted paragraph keeps this much room for its bullet (twips), as \fi-360.
    static constexpr int BulletHanging = 360;
    // Document units (pixels at 96 dpi) per twip.
    static constexpr double PixelsPerTwip = 96.0 / 1440.0;
};
