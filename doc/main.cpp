// make-intro-pdf SOURCE.md TARGET.pdf: renders the welcome document at build time, without
// a display.
#include "IntroPdf.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

namespace
{
int Fail(const QString &text)
{
    std::fprintf(stderr, "make-intro-pdf: %s\n", qUtf8Printable(text));
    return EXIT_FAILURE;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return Fail(QStringLiteral("Aufruf: make-intro-pdf QUELLE.md ZIEL.pdf"));

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("Die Quelle „%1“ kann nicht gelesen werden: %2")
                        .arg(args.at(1), source.errorString()));
    const QString markdown = QString::fromUtf8(source.readAll());
    if (source.error() != QFileDevice::NoError)
        return Fail(QStringLiteral("Die Quelle „%1“ kann nicht gelesen werden: %2")
                        .arg(args.at(1), source.errorString()));

    QSaveFile target(args.at(2));
    if (!target.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("„%1“ kann nicht geschrieben werden: %2")
                        .arg(args.at(2), target.errorString()));
    const int pages = TIntroPdf(markdown).Write(&target);
    if (pages < 1 || !target.commit())
        return Fail(QStringLiteral("„%1“ kann nicht geschrieben werden: %2")
                        .arg(args.at(2), target.errorString()));
    std::printf("%s: %d %s\n", qUtf8Printable(args.at(2)), pages, pages == 1 ? "Seite" : "Seiten");
    return EXIT_SUCCESS;
}
