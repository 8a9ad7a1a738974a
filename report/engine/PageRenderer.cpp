#include "PageRenderer.h"

#include "Snapshot.h"

#include <QPainter>
#include <cmath>

namespace
{
constexpr double MinZoom = 10;
constexpr double MaxZoom = 200;
} // namespace

TPageRenderer::TPageRenderer(QObject *parent) : QObject(parent) {}

void TPageRenderer::SetSnapshot(const TSnapshot *snapshot)
{
    m_snapshot = snapshot;
    m_decodedPage = 0;
    m_decoded = {};
    m_page = PageCount() > 0 ? 1 : 0;
    emit PageChanged(m_page);
}

void TPageRenderer::Clear()
{
    SetSnapshot(nullptr);
}

int TPageRenderer::PageCount() const
{
    return m_snapshot ? m_snapshot->PageCount() : 0;
}

void TPageRenderer::ShowPage(int n)
{
    if (!CanMove())
        return;
    m_page = qBound(1, n, PageCount());
    emit PageChanged(m_page);
}

void TPageRenderer::NextPage()
{
    if (CanMove())
        ShowPage(m_page >= PageCount() && PageCount() >= 2 ? 1 : m_page + 1);
}

void TPageRenderer::PrevPage()
{
    if (CanMove())
        ShowPage(m_page <= 1 && PageCount() >= 2 ? PageCount() : m_page - 1);
}

void TPageRenderer::SetZoom(double percent)
{
    if (!CanMove() || std::isnan(percent))
        return;
    m_zoom = qBound(MinZoom, percent, MaxZoom);
    emit ZoomChanged(m_zoom);
}

void TPageRenderer::ZoomIn()
{
    SetZoom(m_zoom + ZoomStep);
}

void TPageRenderer::ZoomOut()
{
    if (m_zoom > ZoomStep)
        SetZoom(m_zoom - ZoomStep);
}

QSize TPageRenderer::PageUnits() const
{
    if (!m_snapshot || m_page < 1)
        return {};
    if (m_decodedPage != m_page) {
        // the decoded page is a cache, kept behind const
        auto *self = const_cast<TPageRenderer *>(this);
        self->m_decoded = m_snapshot->Page(m_page);
        self->m_decodedPage = m_page;
    }
    return m_decoded.Size;
}

double TPageRenderer::WholePageFactor(const QSize &viewport) const
{
    const QSize units = PageUnits();
    if (units.isEmpty())
        return m_zoom;
    // pixels at 100 %, margins included
    const double perUnit = Dpi / double(SnapUnits::PerInch);
    const double margin = 2 * units.width() * MarginPercent / 100.0;
    const double width = (units.width() + margin) * perUnit;
    const double height = (units.height() + margin) * perUnit;
    const double across = (viewport.width() - ShadowDepth) / width;
    const double down = (viewport.height() - ShadowDepth) / height;
    return 100.0 * qMin(across, down);
}

double TPageRenderer::PageWidthFactor(const QSize &viewport) const
{
    const QSize units = PageUnits();
    if (units.isEmpty())
        return m_zoom;
    const double perUnit = Dpi / double(SnapUnits::PerInch);
    const double width = units.width() * (1 + 2 * MarginPercent / 100.0) * perUnit;
    return 100.0 * (viewport.width() - ShadowDepth) / width;
}

QSize TPageRenderer::PageSizePixels(int dpi) const
{
    const QSize units = PageUnits();
    const double perUnit = m_zoom / 100.0 * dpi / SnapUnits::PerInch;
    return QSize(qRound(units.width() * perUnit), qRound(units.height() * perUnit));
}

int TPageRenderer::MarginPixels(int dpi) const
{
    return qRound(PageSizePixels(dpi).width() * MarginPercent / 100.0);
}

QSize TPageRenderer::ImageSize(int dpi) const
{
    const int margin = MarginPixels(dpi);
    return PageSizePixels(dpi) + QSize(2 * margin + ShadowDepth, 2 * margin + ShadowDepth);
}

void TPageRenderer::Paint(QPainter &painter, const QRect &target)
{
    if (!CanMove() || target.isEmpty())
        return;
    const QSize units = PageUnits();
    if (ShadowDepth > 0)
        painter.fillRect(target.translated(ShadowDepth, ShadowDepth), Qt::black);
    painter.fillRect(target, Qt::white);
    const double scale =
        qMin(target.width() / double(units.width()), target.height() / double(units.height()));
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    m_painter.Paint(painter, m_decoded, m_page, PageCount(), scale, target.topLeft());
    painter.restore();
}

QImage TPageRenderer::RenderPage(int dpi)
{
    if (!CanMove())
        return {};
    const QSize size = ImageSize(dpi);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int margin = MarginPixels(dpi);
    Paint(painter, QRect(QPoint(margin, margin), PageSizePixels(dpi)));
    return image;
}
