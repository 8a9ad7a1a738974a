#pragma once
// TUserMainMenu: draws one menu bar and every menu below it: white background, a grey gutter
// for images and check marks in drop-down menus, the selection colour with white text for the
// selected item and for the hot or open menu bar entry.
#include <QColor>
#include <QList>
#include <QPointer>
#include <QProxyStyle>
#include <QSize>

class QMenu;
#include <QMenuBar>

struct TMenuColors {
    QColor Gutter{0xDE, 0xDE, 0xDE};
    QColor Background{0xFF, 0xFF, 0xFF};
    QColor Text{0x00, 0x00, 0x00};
    QColor DisabledText{0x80, 0x80, 0x80};
    QColor Selection{0x10, 0x69, 0x7B};
};

class TUserMainMenu : public QProxyStyle
{
    Q_OBJECT
public:
    TUserMainMenu(QMenuBar *menu, const TMenuColors &colors);
    ~TUserMainMenu() override;

    QMenuBar *Menu() const { return m_menu; }
    const QObject *Key() const { return m_key; }
    // The menu bar is being destroyed: leave it alone.
    void Abandon();
    const TMenuColors &Colors() const { return m_colors; }
    QSize ImageSize() const { return m_imageSize; }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;

private:
    void Attach(QWidget *menu);
    void Detach(QWidget *menu);
    QList<QMenu *> MenusBelow(QWidget *menu) const;
    void DrawBarItem(const QStyleOption *option, QPainter *painter) const;
    void DrawItem(const QStyleOption *option, QPainter *painter) const;

    QPointer<QMenuBar> m_menu;
    const QObject *m_key;
    TMenuColors m_colors;
    QSize m_imageSize{16, 16};
    QList<QPointer<QWidget>> m_attached;
};
