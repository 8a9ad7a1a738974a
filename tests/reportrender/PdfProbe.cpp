#include "PdfProbe.h"

#include <QPdfDocument>
#include <QProcess>
#include <QtTest>

int PdfProbe::PageCount(const QString &file)
{
    QPdfDocument document;
    if (document.load(file) != QPdfDocument::Error::None)
        return -1;
    return document.pageCount();
}

QList<QSizeF> PdfProbe::PageSizes(const QString &file)
{
    QPdfDocument document;
    QList<QSizeF> sizes;
    if (document.load(file) == QPdfDocument::Error::None)
        for (int i = 0; i < document.pageCount(); ++i)
            sizes.append(document.pagePointSize(i));
    return sizes;
}

namespace
{
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        QTest::qFail(qPrintable(QStringLiteral("%1 fehlt (Paket poppler-utils)").arg(program)),
                     __FILE__, __LINE__);
        return {};
    }
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

QString PdfProbe::Text(const QString &file)
{
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
}

QString PdfProbe::Info(const QString &file)
{
    return Run(QStringLiteral("pdfinfo"), {file});
}
