// Reads arbitrary bytes as a report project file; every report read is then laid out over a
// few rows that have every field it asks for.
#include "PageSink.h"
#include "ProjectFileReader.h"
#include "ReportDataSource.h"
#include "ReportError.h"
#include "ReportLayouter.h"

#include <QDate>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace
{

class TAnyFieldSource : public TReportDataSource
{
public:
    bool First() override
    {
        m_row = 0;
        return true;
    }
    bool Next() override { return ++m_row < 3; }
    bool HasField(const QString &) const override { return true; }
    QVariant Value(const QString &name) const override
    {
        switch ((m_row + int(name.size())) % 4) {
        case 0:
            return 1234.5 * m_row;
        case 1:
            return QStringLiteral("Wert %1 mit etwas längerem Text zum Umbrechen").arg(m_row);
        case 2:
            return QDate(2026, 3, 5 + m_row);
        default:
            return {};
        }
    }

private:
    int m_row = 0;
};

class TCountingSink : public TPageSink
{
public:
    void BeginDocument(const QString &) override {}
    void AddPage(const TSnapshotPage &) override { ++Pages; }
    void EndDocument(int pageCount) override
    {
        if (pageCount != Pages)
            std::abort();
    }
    int Pages = 0;
};

} // namespace

// fontconfig keeps its caches until the process ends
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    TReportList reports;
    try {
        reports = TProjectFileReader::Read(input, QStringLiteral("fuzz.nrp"));
    } catch (const EReportError &e) {
        if (e.Message().isEmpty())
            std::abort(); // a failure always says why
        return 0;
    }
    for (const auto &report : reports) {
        TAnyFieldSource source;
        TCountingSink sink;
        TReportLayouter layouter(*report, report->DataConnection.isEmpty() ? nullptr : &source,
                                 [](const QString &name) { return name; });
        try {
            if (layouter.Run(sink) < 1)
                std::abort(); // at least one page
        } catch (const EReportError &e) {
            if (e.Message().isEmpty())
                std::abort();
        }
    }
    return 0;
}
