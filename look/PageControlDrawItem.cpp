#include "PageControlDrawItem.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

namespace
{

// Widens the pages of a tab widget over its own frame, down to the strip under the tabs.
class TPageAreaStyle : public QProxyStyle
{
public:
    TPageAreaStyle() : QProxyStyle(QApplication::style()->name()) {}

    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subElementRect(element, option, widget);
        if (element != SE_TabWidgetTabContents)
            return rect;
        QRect bounds = option->rect;
        const auto *frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option);
        if (frame && !frame->tabBarSize.isEmpty()) {
            const QRect tabs = QProxyStyle::subElementRect(SE_TabWidgetTabBar, option, widget);
            bounds.setTop(tabs.bottom() + 1);
        }
        return rect.adjusted(-4, -6, 4, 4).intersected(bounds);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameTabWidget)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

QColor ParentColor(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    while (parent && !parent->autoFillBackground() && !parent->isWindow() && parent->parentWidget())
        parent = parent->parentWidget();
    const QWidget *source = parent ? parent : widget;
    return source->palette().color(source->backgroundRole());
}

} // namespace

TPageControlDrawItem::TPageControlDrawItem(QTabWidget *pages, const QString &options,
                                           const TPageControlColors &colors)
    : m_pages(pages), m_key(pages), m_colors(colors)
{
    const QStringList items = options.split(QLatin1Char(','));
    bool whole = false;
    const int page = items.value(0).trimmed().toInt(&whole);
    if (whole && page >= 0 && page < pages->count())
        pages->setCurrentIndex(page);
    const QString look = items.value(1).trimmed();
    if (look.contains(QLatin1Char('H')))
        m_hidden = true;
    else if (look.compare(QLatin1String("ArrowMiddle"), Qt::CaseInsensitive) == 0)
        m_shape = TShape::ArrowMiddle;
    else if (look.compare(QLatin1String("ArrowBottom"), Qt::CaseInsensitive) == 0)
        m_shape = TShape::ArrowBottom;
    else if (look.compare(QLatin1String("Gradient"), Qt::CaseInsensitive) == 0)
        m_fill = TFill::Gradient;

    if (m_hidden)
        pages->tabBar()->hide();
    if (pages->testAttribute(Qt::WA_SetStyle))
        m_ownStyle = pages->style();
    m_pageAreaStyle = std::make_unique<TPageAreaStyle>();
    pages->setStyle(m_pageAreaStyle.get());
    pages->installEventFilter(this);
    pages->tabBar()->installEventFilter(this);
    m_repaint = connect(pages, &QTabWidget::currentChanged, pages, qOverload<>(&QWidget::update));
    pages->update();
}

TPageControlDrawItem::~TPageControlDrawItem()
{
    if (!m_pages)
        return;
    m_pages->removeEventFilter(this);
    m_pages->tabBar()->removeEventFilter(this);
    disconnect(m_repaint);
    m_pages->setStyle(m_ownStyle);
    m_pages->update();
}

void TPageControlDrawItem::SetColors(const TPageControlColors &colors)
{
    m_colors = colors;
    if (m_pages)
        m_pages->update();
}

bool TPageControlDrawItem::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_pages || m_hidden)
        return false;
    if (watched == m_pages->tabBar()) {
        // The tabs are drawn with the page control, which lies under the tab bar.
        if (event->type() == QEvent::Paint)
            return true;
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            m_pages->update();
        return false;
    }
    if (watched == m_pages && event->type() == QEvent::Paint) {
        QPainter painter(m_pages);
        PaintTabs(painter);
        return true;
    }
    return false;
}

void TPageControlDrawItem::PaintTabs(QPainter &painter) const
{
    if (!m_pages || m_hidden)
        return;
    const QTabBar *bar = m_pages->tabBar();
    const QRect client = m_pages->rect();
    const QPoint offset = bar->geometry().topLeft();
    int lowest = client.top();
    int active = -1;
    QList<int> visible;
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        visible.append(i);
        const QRect tab = bar->tabRect(i).translated(offset);
        lowest = std::max(lowest, tab.top() + tab.height());
        if (i == bar->currentIndex())
            active = i;
    }

    painter.fillRect(client, ParentColor(m_pages));
    if (active >= 0) {
        const QRect strip(client.left(), client.top(), client.width(), lowest - client.top());
        if (m_fill == TFill::Gradient) {
            QLinearGradient gradient(strip.topLeft(), strip.bottomLeft());
            gradient.setColorAt(0, m_colors[3]);
            gradient.setColorAt(1, m_colors[2]);
            painter.fillRect(strip, gradient);
        } else {
            painter.fillRect(strip, m_colors[3]);
        }
    }
    painter.setFont(m_pages->font());
    for (auto it = visible.crbegin(); it != visible.crend(); ++it)
        if (*it != active)
            PaintTab(painter, bar->tabRect(*it).translated(offset), *it, false);
    if (active >= 0)
        PaintTab(painter, bar->tabRect(active).translated(offset), active, true);
}

void TPageControlDrawItem::PaintTab(QPainter &painter, QRect rect, int index, bool active) const
{
    // L, T, R, B with R and B just outside the tab
    const int L = rect.left();
    const int R = rect.left() + rect.width();
    int T = rect.top();
    int B = rect.top() + rect.height();
    T += (B - T) / 5;
    if (!active) {
        T += 1;
        B -= 1;
    }
    const QColor fill = active ? m_colors[1] : m_colors[2];
    const QColor outline = active ? m_colors[7] : m_colors[6];
    const QColor text = active ? m_colors[4] : m_colors[5];
    const int h = B - T;

    QPolygon shape;
    QPoint edgeFrom;
    if (m_shape == TShape::ArrowMiddle) {
        shape << QPoint(L, B) << QPoint(L + 8, T + h / 2) << QPoint(L, T) << QPoint(R - 4, T)
              << QPoint(R + 8, T + h / 2) << QPoint(R - 4, B);
        edgeFrom = QPoint(R - 4, B);
    } else {
        shape << QPoint(L, B) << QPoint(L, T) << QPoint(R - 4, T) << QPoint(R + 8, B);
        edgeFrom = QPoint(R + 8, B);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawPolygon(shape);
    // the active tab opens into the page, an inactive one sits on the strip
    painter.setPen(active ? fill : m_colors[3]);
    painter.drawLine(edgeFrom, QPoint(L, B));

    const QTabBar *bar = m_pages->tabBar();
    const QString caption = bar->tabText(index);
    const QFontMetrics metrics(m_pages->font());
    const int flags = Qt::TextShowMnemonic | Qt::TextSingleLine;
    const int textWidth = metrics.size(flags, caption).width();
    const QIcon icon = bar->tabIcon(index);
    const QSize iconSize = bar->iconSize();
    const int imageSpace = icon.isNull() ? 0 : iconSize.width() + 6;
    const int x = L + (R - L - textWidth - imageSpace) / 2;
    const int y = T + (B - T - metrics.height()) / 2;
    if (!icon.isNull())
        icon.paint(&painter, QRect(QPoint(x, T + (B - T - iconSize.height()) / 2), iconSize));
    painter.setPen(text);
    painter.drawText(QRect(x + imageSpace, y, textWidth + 1, metrics.height()),
                     flags | Qt::AlignLeft | Qt::AlignTop, caption);
}
