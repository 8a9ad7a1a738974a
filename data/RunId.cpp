#include "RunId.h"

#include "GermanFormat.h"

#include <QUuid>

QString MakeRunId()
{
    const QUuid guid = QUuid::createUuid();
    if (guid.isNull())
        return {};
    return guid.toString(QUuid::Id128).toUpper() + u'_' +
           GermanFormat::FormatDateTime(QStringLiteral("yyyymmdd_hhnnss"),
                                        DateSerial::FromQDateTime(QDateTime::currentDateTime()));
}
