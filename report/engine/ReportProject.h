#pragma once
// The report project: the project file, the selected report, parameters, data connections
// and the engine that a run renders through.
#include "ReportComponent.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class TReportDataSource;
class TReportEngine;

class TReportProject
{
public:
    TReportProject();
    ~TReportProject();

    void SetProjectFile(const QString &path);
    const QString &ProjectFile() const { return m_file; }

    bool IsOpen() const { return m_open; }
    // Forgets the reports read and the selection; allowed when not open.
    void Close();
    // Reads the project file if it is not open (an EReportError names a missing file, or
    // the line and column of a malformed one) and selects the report of that short name,
    // compared without regard to case. False when the project has no such report.
    bool SelectReport(const QString &shortName);
    TReportComponent *SelectedReport() const { return m_selected; }
    QStringList ReportNames() const;

    // Parameters by name (case-insensitive); kept until Close().
    void SetParameter(const QString &name, const QString &value);
    QString Parameter(const QString &name) const;

    // Data connections by name (case-insensitive); the source is borrowed and may be null.
    void SetDataConnection(const QString &name, TReportDataSource *source);
    TReportDataSource *DataConnection(const QString &name) const;

    void SetEngine(TReportEngine *engine) { m_engine = engine; }
    TReportEngine *Engine() const { return m_engine; }

    // Renders the selected report into the engine's page sink; the page count.
    int Run();

private:
    QString m_file;
    bool m_open = false;
    std::vector<std::unique_ptr<TReportComponent>> m_reports;
    TReportComponent *m_selected = nullptr;
    QHash<QString, QString> m_parameters;          // key: upper case
    QHash<QString, TReportDataSource *> m_sources; // key: upper case
    TReportEngine *m_engine = nullptr;
};
