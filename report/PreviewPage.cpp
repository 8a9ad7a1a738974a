#include "PreviewPage.h"

#include "AppError.h"
#include "PageRenderer.h"
#include "SnapshotPage.h"

#include <QMouseEvent>
#include <QPainter>

TPreviewPage::TPreviewPage(TPageRenderer *renderer, QWidget *parent)
    : QWidget(parent), m_renderer(renderer)
{
    setAccessibleName(QStringLiteral("Reportseite"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPreviewPage::Refresh()
{
    QSize size;
    try {
        size = m_renderer->ImageSize(m_renderer->Dpi);
        m_error.clear();
    } catch (...) {
        // an A4 sheet at the current zoom shows the error
        m_error = ErrorMessageOf();
        const double perUnit = m_renderer->Zoom() / 100.0 * m_renderer->Dpi / SnapUnits::PerInch;
        size = QSize(qRound(SnapUnits::A4Portrait.width() * perUnit),
                     qRound(SnapUnits::A4Portrait.height() * perUnit));
    }
    setFixedSize(size.expandedTo(QSize(1, 1)));
    update();
}

void TPreviewPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    try {
        const int dpi = m_renderer->Dpi;
        const int margin = m_renderer->MarginPixels(dpi);
        m_renderer->Paint(painter, QRect(QPoint(margin, margin), m_renderer->PageSizePixels(dpi)));
        m_error.clear();
    } catch (...) {
        m_error = ErrorMessageOf();
        PaintError(painter);
    }
}

void TPreviewPage::PaintError(QPainter &painter)
{
    painter.resetTransform();
    painter.setClipping(false);
    const QRect paper = rect().adjusted(8, 8, -8, -8);
    painter.fillRect(paper, Qt::white);
    painter.setPen(Qt::darkRed);
    painter.drawText(paper.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_error);
}

void TPreviewPage::mousePressEvent(QMouseEvent *event)
{
    emit Clicked();
    event->accept();
}
