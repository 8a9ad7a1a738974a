#pragma once
// TColorPalette: the picture of browser-safe colours, 18 × 13 cells, drawn by code; a click
// outlines the cell and reports its colour as "#RRGGBB".
#include <QColor>
#include <QImage>
#include <QWidget>

class TColorPalette : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = 18;
    static constexpr int Rows = 13;
    static constexpr int Cell = 18;

    explicit TColorPalette(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }
    // The colour the picture gives the cell.
    static QColor CellColor(int column, int row);
    // Picks the cell under point, as a click there does; returns its "#RRGGBB".
    QString Pick(QPoint point);
    // Outlines the first cell closest to colour (greys in the last row only).
    void OutlineNearest(QColor colour);

signals:
    void Picked(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void Draw();
    QRect CellRect(int column, int row) const;
    void Outline(int column, int row, QColor pen);

    QImage m_picture;
    int m_outlineColumn = -1;
    int m_outlineRow = -1;
};
