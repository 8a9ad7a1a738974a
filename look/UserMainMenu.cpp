#include "UserMainMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace
{
constexpr int SeparatorHeight = 6;
constexpr int TextFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;
} // namespace

TUserMainMenu::TUserMainMenu(QMenuBar *menu, const TMenuColors &colors)
    : QProxyStyle(QApplication::style()->name()), m_menu(menu), m_key(menu), m_colors(colors)
{
    Attach(menu);
    for (QMenu *below : MenusBelow(menu))
        Attach(below);
}

TUserMainMenu::~TUserMainMenu()
{
    for (const auto &widget : m_attached)
        if (widget)
            Detach(widget);
}

void TUserMainMenu::Abandon()
{
    m_attached.removeIf([this](const QPointer<QWidget> &widget) { return widget == m_menu; });
    m_menu = nullptr;
}

QList<QMenu *> TUserMainMenu::MenusBelow(QWidget *menu) const
{
    QList<QMenu *> menus;
    for (QAction *action : menu->actions()) {
        if (QMenu *sub = action->menu(); sub && !menus.contains(sub)) {
            menus.append(sub);
            menus.append(MenusBelow(sub));
        }
    }
    return menus;
}

void TUserMainMenu::Attach(QWidget *menu)
{
    QPalette palette = menu->palette();
    palette.setColor(QPalette::Window, m_colors.Background);
    menu->setPalette(palette);
    menu->setAutoFillBackground(true);
    // drop-down menus are windows of their own: give them the menu bar's font
    if (menu != m_menu && m_menu)
        menu->setFont(m_menu->font());
    menu->setStyle(this);
    m_attached.append(menu);
    menu->update();
}

void TUserMainMenu::Detach(QWidget *menu)
{
    menu->setStyle(nullptr);
    menu->setPalette(QPalette());
    if (menu != m_menu)
        menu->setFont(QFont());
    menu->setAutoFillBackground(false);
    menu->update();
}

int TUserMainMenu::pixelMetric(PixelMetric metric, const QStyleOption *option,
                               const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuBarPanelWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize TUserMainMenu::sizeFromContents(ContentsType type, const QStyleOption *option,
                                      const QSize &size, const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type != CT_MenuItem)
        return result;
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(result.width(), SeparatorHeight);
    result.rwidth() += m_imageSize.width() + 2;
    result.setHeight(std::max(result.height(), m_imageSize.height()));
    return result;
}

void TUserMainMenu::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, m_colors.Background);
        return;
    case PE_PanelMenu:
    case PE_FrameMenu:
        painter->fillRect(option->rect, m_colors.Background);
        painter->setPen(m_colors.DisabledText);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TUserMainMenu::drawControl(ControlElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, m_colors.Background);
        return;
    case CE_MenuBarItem:
        DrawBarItem(option, painter);
        return;
    case CE_MenuItem:
        DrawItem(option, painter);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void TUserMainMenu::DrawBarItem(const QStyleOption *option, QPainter *painter) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    const bool enabled = item->state & State_Enabled;
    const bool hot = (item->state & State_Selected) || (item->state & State_Sunken);
    painter->fillRect(item->rect, hot ? m_colors.Selection : m_colors.Background);
    QColor text = item->palette.color(QPalette::WindowText);
    if (hot)
        text = Qt::white;
    else if (!enabled)
        text = m_colors.DisabledText;
    painter->setPen(text);
    painter->setFont(item->font);
    painter->drawText(item->rect, TextFlags | Qt::AlignCenter, item->text);
}

void TUserMainMenu::DrawItem(const QStyleOption *option, QPainter *painter) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    const QRect rect = item->rect;
    const bool enabled = item->state & State_Enabled;
    const bool selected = item->state & State_Selected;
    const QColor fill = selected ? m_colors.Selection : m_colors.Background;
    painter->fillRect(rect, fill);

    const int gutterWidth = m_imageSize.width() + 2;
    const QRect gutter(rect.left(), rect.top(), gutterWidth, rect.height());
    painter->fillRect(gutter, m_colors.Gutter);
    const QRect textArea = rect.adjusted(gutterWidth, 0, 0, 0);
    QColor text = m_colors.Text;
    if (!enabled)
        text = m_colors.DisabledText;
    else if (selected)
        text = Qt::white;

    const QRect imageRect(QPoint(gutter.left() + (gutter.width() - m_imageSize.width()) / 2,
                                 gutter.top() + (gutter.height() - m_imageSize.height()) / 2),
                          m_imageSize);
    if (!item->icon.isNull()) {
        item->icon.paint(painter, imageRect, Qt::AlignCenter,
                         enabled ? QIcon::Normal : QIcon::Disabled);
    } else if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
        // a check mark centred in the gutter
        const QPointF c = QRectF(imageRect).center();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(enabled ? m_colors.Text : m_colors.DisabledText, 1.6));
        painter->drawPolyline(
            QPolygonF{c + QPointF(-4, 0), c + QPointF(-1.5, 3), c + QPointF(4, -3.5)});
        painter->restore();
    }

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = rect.top() + rect.height() / 2;
        painter->setPen(m_colors.DisabledText);
        painter->drawLine(textArea.left(), y, textArea.right(), y);
        return;
    }

    painter->fillRect(textArea, fill);
    painter->setFont(item->font);
    painter->setPen(text);
    const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
    const QString shortcut = item->text.section(QLatin1Char('\t'), 1);
    const QRect captionRect = textArea.adjusted(2, 0, 0, 0);
    painter->drawText(captionRect, TextFlags | Qt::AlignLeft | Qt::AlignVCenter, caption);
    const int arrowSpace = item->menuItemType == QStyleOptionMenuItem::SubMenu ? 14 : 0;
    if (!shortcut.isEmpty())
        painter->drawText(captionRect.adjusted(0, 0, -(6 + arrowSpace), 0),
                          Qt::TextSingleLine | Qt::AlignRight | Qt::AlignVCenter, shortcut);
    if (arrowSpace > 0) {
        const int x = textArea.right() - 8;
        const int y = rect.top() + rect.height() / 2;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(Qt::NoPen);
        painter->setBrush(text);
        painter->drawPolygon(QPolygon{{x - 2, y - 4}, {x + 2, y}, {x - 2, y + 4}});
        painter->restore();
    }
}
