#include "OsDescription.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <sys/utsname.h>

namespace
{

QHash<QString, QString> Fields(const QString &text)
{
    QHash<QString, QString> fields;
    for (const QString &line : text.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || line.startsWith(u'#'))
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        fields.insert(line.left(eq).trimmed(), value);
    }
    return fields;
}

} // namespace

QString OsReleaseLines(const QString &osRelease)
{
    const QHash<QString, QString> fields = Fields(osRelease);
    QString product = fields.value(QStringLiteral("PRETTY_NAME"));
    if (product.isEmpty())
        product =
            (fields.value(QStringLiteral("NAME")) + u' ' + fields.value(QStringLiteral("VERSION")))
                .trimmed();
    if (product.isEmpty())
        return {};
    const QString edition = fields.value(QStringLiteral("VARIANT"));
    return edition.isEmpty() ? product : product + QStringLiteral("\r\n") + edition;
}

QString OsDescription(const QString &osReleasePath)
{
    QFile file(osReleasePath);
    QString text = file.open(QIODevice::ReadOnly)
                       ? OsReleaseLines(QString::fromUtf8(file.readAll()))
                       : QString();
    utsname names{};
    if (::uname(&names) == 0) {
        if (text.isEmpty())
            text = QString::fromLocal8Bit(names.sysname);
        text += QStringLiteral("\r\nKernel %1").arg(QString::fromLocal8Bit(names.release));
        text += QStringLiteral("\r\nBuild %1").arg(QString::fromLocal8Bit(names.version));
    }
    return text;
}
