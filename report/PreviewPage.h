#pragma once
// The page image of the preview: a widget as large as the current page at the current zoom
// (margins and shadow included) that paints the page through the page renderer on demand, so
// no page is kept as an image. A page that cannot be read shows the error instead.
#include <QWidget>

class TPageRenderer;

class TPreviewPage : public QWidget
{
    Q_OBJECT
public:
    TPreviewPage(TPageRenderer *renderer, QWidget *parent = nullptr);

    // Sizes the widget to the current page and zoom, and repaints it.
    void Refresh();
    // The error of the last paint or size, empty when the page was read.
    QString Error() const { return m_error; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void PaintError(QPainter &painter);

    TPageRenderer *m_renderer;
    QString m_error;
};
