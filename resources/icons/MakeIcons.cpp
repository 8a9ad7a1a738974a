// Draws the program icon (the shapes of norbekafa.svg) as PNG files of the hicolor sizes:
//   make-icons OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace
{

QImage Draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x69, 0x7B));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);
    const struct {
        QRectF box;
        QRgb colour;
    } bars[] = {{{40, 56, 36, 152}, 0xFFFFFF},
                {{90, 92, 36, 116}, 0xDDEEF1},
                {{140, 128, 36, 80}, 0xBBDDE3},
                {{190, 164, 28, 44}, 0x99CCD5},
                {{32, 208, 192, 8}, 0xFFFFFF}};
    for (const auto &bar : bars) {
        p.setBrush(QColor(bar.colour));
        p.drawRect(bar.box);
    }
    p.setPen(QPen(QColor(0xF2, 0xB1, 0x34), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 44), QPointF(218, 156));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("Aufruf: make-icons AUSGABEORDNER\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        if (!Draw(size).save(out.filePath(QStringLiteral("norbekafa-%1.png").arg(size)))) {
            std::fprintf(stderr, "make-icons: %d kann nicht geschrieben werden\n", size);
            return 1;
        }
    }
    return 0;
}
