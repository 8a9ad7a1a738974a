#include "ReportProject.h"

#include "PageSink.h"
#include "ProjectFileReader.h"
#include "ReportEngine.h"
#include "ReportError.h"
#include "ReportLayouter.h"

TReportProject::TReportProject() = default;
TReportProject::~TReportProject() = default;

void TReportProject::SetProjectFile(const QString &path)
{
    if (path == m_file)
        return;
    m_file = path;
    // the next selection reads the new file
    m_open = false;
    m_selected = nullptr;
    m_reports.clear();
}

void TReportProject::Close()
{
    m_selected = nullptr;
    m_reports.clear();
    m_parameters.clear();
    m_open = false;
}

bool TReportProject::SelectReport(const QString &shortName)
{
    if (!m_open) {
        m_selected = nullptr;
        m_reports = TProjectFileReader::ReadFile(m_file);
        m_open = true;
    }
    m_selected = nullptr;
    for (const auto &report : m_reports) {
        if (report->Name.compare(shortName.trimmed(), Qt::CaseInsensitive) == 0) {
            m_selected = report.get();
            return true;
        }
    }
    return false;
}

QStringList TReportProject::ReportNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_reports.size()));
    for (const auto &report : m_reports)
        names.append(report->Name);
    return names;
}

void TReportProject::SetParameter(const QString &name, const QString &value)
{
    m_parameters.insert(name.toUpper(), value);
}

QString TReportProject::Parameter(const QString &name) const
{
    return m_parameters.value(name.toUpper());
}

void TReportProject::SetDataConnection(const QString &name, TReportDataSource *source)
{
    m_sources.insert(name.toUpper(), source);
}

TReportDataSource *TReportProject::DataConnection(const QString &name) const
{
    return m_sources.value(name.toUpper());
}

int TReportProject::Run()
{
    if (!m_selected)
        throw EReportError(QStringLiteral("Es ist kein Report ausgewählt."));
    TPageSink *sink = m_engine ? m_engine->PageSink() : nullptr;
    if (!sink)
        throw EReportError(QStringLiteral("Für den Report ist kein Ausgabeziel gesetzt."));
    TReportDataSource *source = nullptr;
    if (!m_selected->DataConnection.isEmpty()) {
        source = DataConnection(m_selected->DataConnection);
        if (!source)
            throw EReportError(
                QStringLiteral("Die Datenverbindung „%1“ ist im Projekt nicht bekannt.")
                    .arg(m_selected->DataConnection));
    }
    TReportLayouter layouter(*m_selected, source,
                             [this](const QString &name) { return Parameter(name); });
    return layouter.Run(*sink);
}
