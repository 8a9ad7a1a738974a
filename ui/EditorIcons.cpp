#include "EditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{

constexpr int Size = 16;

void drawLines(QPainter &p, const QList<QPair<int, int>> &spans)
{
    int y = 3;
    for (const auto &[from, to] : spans) {
        p.drawLine(from, y, to, y);
        y += 3;
    }
}

void drawLetter(QPainter &p, const QString &letter, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, letter);
}

void drawPage(QPainter &p, int x, int y)
{
    p.setBrush(Qt::white);
    p.drawRect(x, y, 9, 12);
    p.setBrush(Qt::NoBrush);
}

void drawArrow(QPainter &p, bool left)
{
    QPainterPath path;
    path.moveTo(left ? 13 : 3, 12);
    path.cubicTo(left ? 13 : 3, 4, left ? 6 : 10, 3, left ? 4 : 12, 6);
    p.drawPath(path);
    const int tip = left ? 3 : 13;
    p.drawLine(tip, 7, left ? tip + 4 : tip - 4, 8);
    p.drawLine(tip, 7, tip, 3);
}

void draw(QPainter &p, int image)
{
    switch (image) {
    case 0: // new document
        drawPage(p, 3, 2);
        break;
    case 1: // open
        p.setBrush(QColor(0xE8, 0xC0, 0x50));
        p.drawRect(1, 5, 13, 9);
        p.drawRect(1, 3, 5, 2);
        break;
    case 37: // save
        p.setBrush(QColor(0x40, 0x60, 0xA0));
        p.drawRect(2, 2, 12, 12);
        p.setBrush(Qt::white);
        p.drawRect(4, 2, 8, 5);
        break;
    case 39: // print
        drawPage(p, 4, 1);
        p.setBrush(Qt::lightGray);
        p.drawRect(1, 7, 14, 6);
        break;
    case 5:  // search
    case 35: // search and replace
        p.drawEllipse(2, 2, 8, 8);
        p.drawLine(9, 9, 14, 14);
        if (image == 35)
            p.drawLine(11, 3, 15, 3);
        break;
    case 2: // cut
        p.drawEllipse(2, 10, 4, 4);
        p.drawEllipse(10, 10, 4, 4);
        p.drawLine(5, 10, 11, 1);
        p.drawLine(11, 10, 5, 1);
        break;
    case 3: // copy
        drawPage(p, 2, 1);
        drawPage(p, 6, 4);
        break;
    case 4: // paste
        p.setBrush(QColor(0xC0, 0x90, 0x50));
        p.drawRect(2, 2, 10, 13);
        drawPage(p, 6, 5);
        break;
    case 6: // undo
    case 7: // redo
        drawArrow(p, image == 6);
        break;
    case 8: // foreground colour
        drawLetter(p, QStringLiteral("A"), true, false, false);
        p.fillRect(2, 13, 12, 3, Qt::red);
        break;
    case 10:
        drawLetter(p, QStringLiteral("F"), true, false, false);
        break;
    case 11:
        drawLetter(p, QStringLiteral("K"), false, true, false);
        break;
    case 12:
        drawLetter(p, QStringLiteral("U"), false, false, true);
        break;
    case 13: // left
        drawLines(p, {{1, 14}, {1, 9}, {1, 14}, {1, 9}});
        break;
    case 14: // centred
        drawLines(p, {{1, 14}, {4, 11}, {1, 14}, {4, 11}});
        break;
    case 15: // right
        drawLines(p, {{1, 14}, {6, 14}, {1, 14}, {6, 14}});
        break;
    case 17: // bullets
        drawLines(p, {{5, 14}, {5, 14}, {5, 14}, {5, 14}});
        for (int y = 3; y < 14; y += 3)
            p.drawPoint(2, y);
        break;
    case 18: // right indent
        drawLines(p, {{1, 9}, {1, 9}, {1, 9}, {1, 9}});
        p.drawLine(15, 7, 11, 7);
        p.drawLine(11, 7, 13, 5);
        p.drawLine(11, 7, 13, 9);
        break;
    case 19: // left indent
        drawLines(p, {{7, 14}, {7, 14}, {7, 14}, {7, 14}});
        p.drawLine(1, 7, 5, 7);
        p.drawLine(5, 7, 3, 5);
        p.drawLine(5, 7, 3, 9);
        break;
    case 41: // designer
        drawLetter(p, QStringLiteral("<>"), false, false, false);
        break;
    case 42: // tag indent
        drawLines(p, {{1, 8}, {4, 11}, {4, 11}, {1, 8}});
        break;
    case 43: // word wrap
        drawLines(p, {{1, 14}, {1, 10}});
        p.drawLine(14, 3, 14, 11);
        p.drawLine(14, 11, 6, 11);
        p.drawLine(6, 11, 8, 9);
        p.drawLine(6, 11, 8, 13);
        break;
    default:
        break;
    }
}

} // namespace

QIcon TEditorIcons::Icon(int image)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter, image);
    painter.end();
    return QIcon(pixmap);
}
