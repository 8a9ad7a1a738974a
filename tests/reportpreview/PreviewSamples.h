#pragma once
// Preview windows over hand-made snapshots, for the tests.
#include "Form_RpPreviewGerman.h"

#include <QBuffer>
#include <QByteArray>
#include <memory>

namespace PreviewSamples
{
// pageCount A4 pages, each with its number as text.
QByteArray Numbered(int pageCount);
// Like Numbered, but the content of page damagedPage cannot be read.
QByteArray WithDamagedPage(int pageCount, int damagedPage);

// A preview window over its own snapshot stream, as the report driver shows it.
struct TPreview {
    QBuffer Stream;
    std::unique_ptr<Tfrm_RpPreviewGerman> Window;
};
// Loads data, shows page 1; shown: the window runs on its own and is visible.
std::unique_ptr<TPreview> Open(const QByteArray &data, bool shown = true);
} // namespace PreviewSamples
