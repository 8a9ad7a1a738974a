#include "ColorPalette.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{
const int Steps[] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
const int UpperRed[] = {0x33, 0x66, 0xFF};
const int LowerRed[] = {0x00, 0x99, 0xCC};

int Round17(int channel)
{
    return (channel + 8) / 17 * 17;
}

// In the last row black and white each take two cells: the pair's left column.
int PairStart(int column, int row)
{
    if (row != TColorPalette::Rows - 1)
        return column;
    if (column <= 1)
        return 0;
    if (column >= 16)
        return 16;
    return column;
}
} // namespace

TColorPalette::TColorPalette(QWidget *parent)
    : QWidget(parent), m_picture(Columns * Cell + 1, Rows * Cell + 1, QImage::Format_RGB32)
{
    setFixedSize(m_picture.size());
    setAccessibleName(QStringLiteral("Farbpalette"));
    Draw();
}

QColor TColorPalette::CellColor(int column, int row)
{
    column = qBound(0, column, Columns - 1);
    row = qBound(0, row, Rows - 1);
    if (row == Rows - 1) {
        const int grey = column <= 1 ? 0 : column >= 16 ? 0xFF : (column - 1) * 0x11;
        return QColor(grey, grey, grey);
    }
    const int block = column / 6;
    const int inBlock = column % 6;
    const int red = row < 6 ? UpperRed[block] : LowerRed[block];
    const int green = Steps[block == 1 ? 5 - inBlock : inBlock];
    const int blue = Steps[row < 6 ? row : 11 - row];
    return QColor(red, green, blue);
}

QRect TColorPalette::CellRect(int column, int row) const
{
    const int start = PairStart(column, row);
    const bool pair = row == Rows - 1 && (start == 0 || start == 16);
    return QRect(start * Cell + 1, row * Cell + 1, pair ? 2 * Cell - 2 : Cell - 2, Cell - 2);
}

void TColorPalette::Draw()
{
    m_picture.fill(Qt::black);
    QPainter painter(&m_picture);
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            if (PairStart(column, row) != column)
                continue;
            const QRect cell = CellRect(column, row);
            // The cell's inside, grid lines excluded, then its inner frame.
            painter.fillRect(cell.x(), cell.y(), cell.width() + 1, cell.height() + 1,
                             CellColor(column, row));
            painter.setPen(QColor(0xBB, 0xBB, 0xBB));
            painter.drawRect(cell);
        }
    }
}

void TColorPalette::Outline(int column, int row, QColor pen)
{
    QPainter painter(&m_picture);
    painter.setPen(pen);
    painter.drawRect(CellRect(column, row));
    update();
}

QString TColorPalette::Pick(QPoint point)
{
    const int column = qBound(0, point.x() / Cell, Columns - 1);
    const int row = qBound(0, point.y() / Cell, Rows - 1);
    const QColor read = m_picture.pixelColor(column * Cell + 9, row * Cell + 9);
    const int red = Round17(read.red());
    const int green = Round17(read.green());
    const int blue = Round17(read.blue());
    if (m_outlineColumn >= 0)
        Outline(m_outlineColumn, m_outlineRow, QColor(0xC0, 0xC0, 0xC0));
    m_outlineColumn = PairStart(column, row);
    m_outlineRow = row;
    Outline(m_outlineColumn, m_outlineRow,
            red + green + blue >= 384 ? QColor(Qt::black) : QColor(Qt::white));
    const QString text =
        QStringLiteral("#%1").arg(red * 65536 + green * 256 + blue, 6, 16, QChar(u'0')).toUpper();
    emit Picked(text);
    return text;
}

void TColorPalette::OutlineNearest(QColor colour)
{
    const bool grey = colour.red() == colour.green() && colour.green() == colour.blue();
    int bestColumn = 0;
    int bestRow = grey ? Rows - 1 : 0;
    int best = -1;
    for (int row = grey ? Rows - 1 : 0; row < Rows && best != 0; ++row) {
        for (int column = 0; column < Columns && best != 0; ++column) {
            const QColor cell = CellColor(column, row);
            const int dr = cell.red() - colour.red();
            const int dg = cell.green() - colour.green();
            const int db = cell.blue() - colour.blue();
            const int distance = dr * dr + dg * dg + db * db;
            if (best < 0 || distance < best) {
                best = distance;
                bestColumn = column;
                bestRow = row;
            }
        }
    }
    if (m_outlineColumn >= 0)
        Outline(m_outlineColumn, m_outlineRow, QColor(0xC0, 0xC0, 0xC0));
    m_outlineColumn = PairStart(bestColumn, bestRow);
    m_outlineRow = bestRow;
    const QColor cell = CellColor(bestColumn, bestRow);
    Outline(m_outlineColumn, m_outlineRow,
            cell.red() + cell.green() + cell.blue() >= 384 ? QColor(Qt::black) : QColor(Qt::white));
}

void TColorPalette::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void TColorPalette::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Pick(event->position().toPoint());
}
