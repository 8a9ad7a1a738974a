#pragma once
// TPageControlDrawItem: draws the tabs of one page control. The options text is
// "<page>[,<look>]": page is the index of the page to activate (anything but a whole number
// keeps the active page); look contains "H" (no tabs at all), or is "ArrowMiddle" or
// "ArrowBottom" (tab shape, default ArrowBottom), or "Gradient" (strip fill, default simple);
// the three words ignore case, "H" does not. The pages are widened to cover the control's frame.
#include "PageControlColors.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QPainter;
class QStyle;
#include <QTabWidget>

class TPageControlDrawItem : public QObject
{
    Q_OBJECT
public:
    enum class TShape { ArrowBottom, ArrowMiddle };
    enum class TFill { Simple, Gradient };

    TPageControlDrawItem(QTabWidget *pages, const QString &options,
                         const TPageControlColors &colors);
    ~TPageControlDrawItem() override;

    QTabWidget *PageControl() const { return m_pages; }
    const QObject *Key() const { return m_key; }
    // The page control is being destroyed: leave it alone.
    void Abandon() { m_pages = nullptr; }
    void SetColors(const TPageControlColors &colors);

    bool TabsHidden() const { return m_hidden; }
    TShape Shape() const { return m_shape; }
    TFill Fill() const { return m_fill; }

    // Paints the strip and the tabs over the page control's client area.
    void PaintTabs(QPainter &painter) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PaintTab(QPainter &painter, QRect rect, int index, bool active) const;

    QPointer<QTabWidget> m_pages;
    const QObject *m_key;
    TPageControlColors m_colors;
    bool m_hidden = false;
    TShape m_shape = TShape::ArrowBottom;
    TFill m_fill = TFill::Simple;
    QStyle *m_ownStyle = nullptr;
    QMetaObject::Connection m_repaint;
    std::unique_ptr<QStyle> m_pageAreaStyle;
};
