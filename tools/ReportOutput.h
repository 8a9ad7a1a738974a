#pragma once
// Where the tool's output goes: standard output, a regular file (replaced only once it is
// complete) or anything else that opens for writing, such as a pipe or a device (written
// directly, never replaced). Each returns false with a German message.
#include <QByteArray>
#include <QString>

namespace ReportOutput
{

bool ToStandardOutput(const QByteArray &data, QString &error);
// A missing file is made as a regular one.
bool ToFile(const QByteArray &data, const QString &fileName, QString &error);

} // namespace ReportOutput
