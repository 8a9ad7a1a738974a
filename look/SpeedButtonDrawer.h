#pragma once
// TSpeedButtonDrawer: paints the flat buttons of registered windows. Registering a window
// intercepts every flat button in its whole widget tree (push buttons and tool buttons outside
// tool bars) and every tool-bar button that is a plain push or check button; separators, drop-down
// and arrow buttons and Qt's own helper buttons are left alone. A disabled button shows its
// icon's own disabled image when it has one, else the grey copy of its glyph. Each button is drawn
// off screen and copied in one step; mouse enter shows it raised, a press sunken, each only until
// the next paint.
#include "GrayBitmap.h"
#include "SpeedButtonLayout.h"
#include "SubClassControlManager.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;

class TSpeedButtonDrawer : public QObject
{
    Q_OBJECT
public:
    enum TBevel { Normal, Raised, Sunken };

    explicit TSpeedButtonDrawer(QObject *parent = nullptr);
    ~TSpeedButtonDrawer() override;

    // A window already registered is ignored.
    void RegisterWindow(QWidget *window);
    void UnregisterWindow(QWidget *window);
    bool IsRegistered(const QWidget *window) const;

    // 1 face, 2 kept, 3 border, 4 disabled face
    void SetColor(int setting, const QColor &color);
    QColor Color(int setting) const;

    bool Enabled = true;
    int CornerRadius = 0;

    TSubClassControlManager &Manager() { return m_manager; }

    // Whether registering a window would intercept this widget.
    static bool IsFlatButton(const QWidget *widget);

    // Paints one button into the off-screen bitmap and copies it onto target at 0, 0.
    void PaintButton(QAbstractButton *button, TBevel bevel, QPainter &target);

private:
    void Handle(TSubClassControl &control, QEvent *event, bool &passOn);

    QColor m_face;
    QColor m_setting2;
    QColor m_border{0x80, 0x80, 0x80};
    QColor m_disabledFace{0xC0, 0xC0, 0xC0};
    QList<QPointer<QWidget>> m_windows;
    TSubClassControlManager m_manager;
    QImage m_offscreen;
    TGrayBitmap m_gray;
};
