#include "PreviewIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{
const QColor Ink(40, 60, 90);

void Triangle(QPainter &p, bool left, int x)
{
    QPainterPath path;
    if (left) {
        path.moveTo(x + 6, 3);
        path.lineTo(x, 8);
        path.lineTo(x + 6, 13);
    } else {
        path.moveTo(x, 3);
        path.lineTo(x + 6, 8);
        path.lineTo(x, 13);
    }
    path.closeSubpath();
    p.fillPath(path, Ink);
}

void Magnifier(QPainter &p, const QString &sign)
{
    p.setPen(QPen(Ink, 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(Ink, 2.5));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    p.setPen(QPen(Ink, 1.3));
    p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (sign == u"+")
        p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
}

void Sheet(QPainter &p, const QRectF &box)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
}
} // namespace

QIcon PreviewIcons::Icon(TKind kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case TKind::Save:
        p.fillRect(QRect(2, 2, 12, 12), Ink);
        p.fillRect(QRect(4, 2, 8, 5), Qt::white);
        p.fillRect(QRect(5, 10, 6, 4), QColor(200, 200, 200));
        break;
    case TKind::Print:
        Sheet(p, QRectF(4.5, 1.5, 7, 5));
        p.fillRect(QRect(1, 6, 14, 6), Ink);
        Sheet(p, QRectF(4.5, 10.5, 7, 4));
        break;
    case TKind::First:
        p.fillRect(QRect(3, 3, 2, 10), Ink);
        Triangle(p, true, 6);
        break;
    case TKind::Previous:
        Triangle(p, true, 5);
        break;
    case TKind::Next:
        Triangle(p, false, 5);
        break;
    case TKind::Last:
        Triangle(p, false, 4);
        p.fillRect(QRect(11, 3, 2, 10), Ink);
        break;
    case TKind::ZoomIn:
        Magnifier(p, QStringLiteral("+"));
        break;
    case TKind::ZoomOut:
        Magnifier(p, QStringLiteral("-"));
        break;
    case TKind::PageWidth:
        Sheet(p, QRectF(3.5, 1.5, 9, 13));
        p.setPen(QPen(Ink, 1.5));
        p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
        break;
    case TKind::Page:
        Sheet(p, QRectF(3.5, 1.5, 9, 13));
        p.fillRect(QRectF(5.5, 4, 5, 1), Ink);
        p.fillRect(QRectF(5.5, 7, 5, 1), Ink);
        p.fillRect(QRectF(5.5, 10, 5, 1), Ink);
        break;
    case TKind::Exit:
        p.setPen(QPen(QColor(170, 30, 30), 2));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    }
    p.end();
    return QIcon(pixmap);
}
