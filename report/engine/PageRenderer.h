#pragma once
// The preview's renderer: one page of a snapshot at a zoom, painted into any paint device so
// that a widget can host it. Page moves and zoom changes notify through PageChanged and
// ZoomChanged after every change; while inactive or without pages they, and painting, do
// nothing.
//
// Zoom 100 % shows the page at its real size on a screen of Dpi dots per inch. Around the
// page lies a margin of MarginPercent of the page's width on every side; ShadowDepth pixels
// of shadow fall to the right and below the page.
#include "Renderer.h"
#include "SnapshotPainter.h"

#include <QImage>
#include <QObject>
#include <QSize>

class TSnapshot;
class QPainter;

class TPageRenderer : public QObject, public TRenderer
{
    Q_OBJECT

public:
    explicit TPageRenderer(QObject *parent = nullptr);

    QString DisplayName() const override { return QStringLiteral("Vorschau"); }

    double ZoomStep = 5;
    double MarginPercent = 5;
    int ShadowDepth = 0;
    int Dpi = 96;

    // The snapshot is borrowed; shows its page 1 (or none).
    void SetSnapshot(const TSnapshot *snapshot);
    const TSnapshot *Snapshot() const { return m_snapshot; }
    // Forgets the snapshot.
    void Clear();

    int PageCount() const;
    // 0 when there is no page.
    int CurrentPage() const { return m_page; }
    // n is clamped to 1..PageCount().
    void ShowPage(int n);
    // After the last page comes page 1, before page 1 the last (with two pages or more).
    void NextPage();
    void PrevPage();

    double Zoom() const { return m_zoom; }
    // Clamped to 10..200 percent.
    void SetZoom(double percent);
    void ZoomIn();
    // Does nothing at or below one step.
    void ZoomOut();
    // The zoom that shows the whole page, or the page's width, with its margins inside a
    // viewport of that many pixels (not clamped; SetZoom clamps).
    double WholePageFactor(const QSize &viewport) const;
    double PageWidthFactor(const QSize &viewport) const;

    // The current page at the current zoom on a device of dpi, without margin; its margin;
    // the whole image with margins and shadow.
    QSize PageSizePixels(int dpi) const;
    int MarginPixels(int dpi) const;
    QSize ImageSize(int dpi) const;

    // Paints the paper and the current page into target (the page's rectangle, at the
    // current zoom best PageSizePixels), with the shadow outside it.
    void Paint(QPainter &painter, const QRect &target);
    // The page image for a device of dpi: transparent margin, paper, shadow; a null image
    // when there is nothing to paint.
    QImage RenderPage(int dpi);

signals:
    void PageChanged(int page);
    void ZoomChanged(double zoom);

private:
    bool CanMove() const { return Active && PageCount() > 0; }
    QSize PageUnits() const;

    const TSnapshot *m_snapshot = nullptr;
    int m_page = 0;
    double m_zoom = 100;
    // the current page decoded
    int m_decodedPage = 0;
    TSnapshotPage m_decoded;
    TSnapshotPainter m_painter;
};
