#include "SpeedButtonDrawer.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace
{

bool InToolBar(const QWidget *widget)
{
    return qobject_cast<const QToolBar *>(widget->parentWidget()) != nullptr;
}

QImage GlyphImage(const QIcon &icon, QSize size, QIcon::Mode mode, qreal ratio)
{
    if (icon.isNull() || size.isEmpty())
        return {};
    return icon.pixmap(size, ratio, mode).toImage();
}

} // namespace

TSpeedButtonDrawer::TSpeedButtonDrawer(QObject *parent)
    : QObject(parent), m_face(QApplication::palette().color(QPalette::Button)), m_setting2(m_face)
{
    m_manager.SetCallback([this](TSubClassControl &control, QEvent *event, bool &passOn) {
        Handle(control, event, passOn);
    });
}

TSpeedButtonDrawer::~TSpeedButtonDrawer() = default;

bool TSpeedButtonDrawer::IsFlatButton(const QWidget *widget)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")) ||
        qobject_cast<const QTabBar *>(widget->parentWidget()))
        return false;
    if (auto *tool = qobject_cast<const QToolButton *>(widget)) {
        // neither the arrow buttons of pickers nor drop-down buttons
        if (tool->arrowType() != Qt::NoArrow)
            return false;
        if (tool->menu() || tool->popupMode() == QToolButton::MenuButtonPopup ||
            (tool->defaultAction() && tool->defaultAction()->menu()))
            return false;
        if (InToolBar(widget) && tool->defaultAction() && tool->defaultAction()->isSeparator())
            return false;
        return true;
    }
    return qobject_cast<const QPushButton *>(widget) != nullptr;
}

void TSpeedButtonDrawer::RegisterWindow(QWidget *window)
{
    if (!Enabled || !window || IsRegistered(window))
        return;
    m_windows.removeAll(nullptr);
    m_windows.append(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!IsFlatButton(button))
            continue;
        if (auto *push = qobject_cast<QPushButton *>(button))
            push->setFlat(true);
        else if (auto *tool = qobject_cast<QToolButton *>(button))
            tool->setAutoRaise(true);
        button->setAttribute(Qt::WA_Hover, false);
        m_manager.Add(button);
    }
}

void TSpeedButtonDrawer::UnregisterWindow(QWidget *window)
{
    if (!window)
        return;
    m_windows.removeAll(nullptr);
    m_windows.removeAll(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        m_manager.Remove(button);
}

bool TSpeedButtonDrawer::IsRegistered(const QWidget *window) const
{
    for (const auto &registered : m_windows)
        if (registered == window)
            return true;
    return false;
}

void TSpeedButtonDrawer::SetColor(int setting, const QColor &color)
{
    switch (setting) {
    case 1:
        m_face = color;
        break;
    case 2:
        m_setting2 = color;
        break;
    case 3:
        m_border = color;
        break;
    case 4:
        m_disabledFace = color;
        break;
    default:
        return;
    }
    for (const auto &window : m_windows)
        if (window)
            window->update();
}

QColor TSpeedButtonDrawer::Color(int setting) const
{
    switch (setting) {
    case 1:
        return m_face;
    case 2:
        return m_setting2;
    case 3:
        return m_border;
    case 4:
        return m_disabledFace;
    default:
        return {};
    }
}

void TSpeedButtonDrawer::Handle(TSubClassControl &control, QEvent *event, bool &passOn)
{
    QWidget *widget = control.Control();
    switch (event->type()) {
    case QEvent::Enter:
        control.State = 2;
        widget->update();
        passOn = false;
        break;
    case QEvent::Leave:
        control.State = 0;
        widget->update();
        passOn = false;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            control.State = 1;
        break;
    case QEvent::Paint: {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (!button)
            break;
        const TBevel bevel = control.State == 1 ? Sunken : control.State == 2 ? Raised : Normal;
        QPainter painter(button);
        PaintButton(button, bevel, painter);
        control.State = 0;
        passOn = false;
        break;
    }
    default:
        break;
    }
}

void TSpeedButtonDrawer::PaintButton(QAbstractButton *button, TBevel bevel, QPainter &target)
{
    const auto *tool = qobject_cast<QToolButton *>(button);
    const bool toolBarButton = tool && InToolBar(button);
    const bool enabled = button->isEnabled();
    // a tool-bar button is never drawn pressed in; a checked flat button is
    const bool down = !toolBarButton && button->isCheckable() && button->isChecked();
    if (down)
        bevel = Sunken;

    QString caption = button->text();
    TGlyphLayout layout = button->layoutDirection() == Qt::RightToLeft ? TGlyphLayout::GlyphRight
                                                                       : TGlyphLayout::GlyphLeft;
    if (tool) {
        switch (tool->toolButtonStyle()) {
        case Qt::ToolButtonIconOnly:
            caption.clear();
            break;
        case Qt::ToolButtonTextUnderIcon:
            layout = TGlyphLayout::GlyphTop;
            break;
        case Qt::ToolButtonTextOnly:
        case Qt::ToolButtonTextBesideIcon:
        case Qt::ToolButtonFollowStyle:
            break;
        }
    }

    const qreal ratio = button->devicePixelRatioF();
    QImage glyph;
    if (!(tool && tool->toolButtonStyle() == Qt::ToolButtonTextOnly)) {
        if (toolBarButton) {
            glyph = GlyphImage(button->icon(), button->iconSize(),
                               enabled ? QIcon::Normal : QIcon::Disabled, ratio);
        } else {
            // a disabled button shows the glyph's own disabled image (its second image), else
            // the grey copy
            const QIcon icon = button->icon();
            const bool ownDisabled = !icon.availableSizes(QIcon::Disabled).isEmpty();
            glyph = GlyphImage(icon, button->iconSize(),
                               !enabled && ownDisabled ? QIcon::Disabled : QIcon::Normal, ratio);
            if (!glyph.isNull())
                glyph = enabled || ownDisabled ? WithoutTransparentColor(glyph)
                                               : WithoutTransparentColor(m_gray.Make(glyph));
        }
    }

    const QSize size = button->size();
    if (m_offscreen.size() != size * ratio || m_offscreen.devicePixelRatio() != ratio) {
        m_offscreen = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
        m_offscreen.setDevicePixelRatio(ratio);
    }
    QPainter painter(&m_offscreen);
    const QRect whole(QPoint(0, 0), size);
    // what lies behind: the parent's colour, or whatever the parent paints itself
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(whole, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // the button rectangle, 1 pixel in on the left and right
    const QRect frame = whole.adjusted(1, 0, -1, 0);
    painter.setPen(m_border);
    painter.setBrush(enabled ? m_face : m_disabledFace);
    if (CornerRadius > 0) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius,
                                CornerRadius);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    QColor text = tool && toolBarButton
                      ? tool->parentWidget()->palette().color(QPalette::ButtonText)
                      : button->palette().color(QPalette::ButtonText);
    if (!enabled)
        text = QColor(0x80, 0x80, 0x80);

    if (bevel != Normal) {
        const QRect inner = frame.adjusted(1, 1, -1, -1);
        const QColor light = bevel == Raised ? Qt::white : Qt::black;
        const QColor dark = bevel == Raised ? Qt::black : Qt::white;
        painter.setPen(light);
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
    }

    const QFont font = toolBarButton ? button->parentWidget()->font() : button->font();
    painter.setFont(font);
    const int flags = Qt::TextShowMnemonic | Qt::TextSingleLine;
    const QSize captionSize = caption.isEmpty() ? QSize() : QFontMetrics(font).size(flags, caption);
    const QSize glyphSize = glyph.isNull() ? QSize() : (QSizeF(glyph.size()) / ratio).toSize();
    const TSpeedButtonPlacement place = PlaceGlyphAndCaption(whole, glyphSize, captionSize, layout);

    if (!caption.isEmpty()) {
        painter.setPen(text);
        painter.drawText(QRect(place.Caption, captionSize),
                         flags | Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
    if (!glyph.isNull())
        painter.drawImage(place.Glyph, glyph);
    // keyboard focus stays visible on the flat face
    if (button->hasFocus() && button->focusPolicy() != Qt::NoFocus) {
        painter.setPen(QPen(text, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(2, 2, -3, -3));
    }
    painter.end();

    target.drawImage(QPoint(0, 0), m_offscreen);
}
