#pragma once
// Reads a report project file (ProjectFileFormat.md) into one component tree per report.
// Any input gives the reports or an EReportError naming the file and, for a malformed
// one, the line and column and what is wrong.
#include "ReportComponent.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

using TReportList = std::vector<std::unique_ptr<TReportComponent>>;

class TProjectFileReader
{
public:
    static constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
    static constexpr int MaxDepth = 32;

    static TReportList ReadFile(const QString &path);
    // fileName only names the file in messages.
    static TReportList Read(const QByteArray &data, const QString &fileName);
};
