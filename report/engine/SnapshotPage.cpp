#include "SnapshotPage.h"

QString FillPageText(const QString &pattern, int page, int pageCount)
{
    QString text = pattern;
    text.replace(QStringLiteral("{pages}"), QString::number(pageCount));
    text.replace(QStringLiteral("{page}"), QString::number(page));
    return text;
}
