#pragma once
// TRenderReport: renders one report of the project into a snapshot held in memory, and
// keeps the run's files in the report temp folder apart from other runs.
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;
class TPdfRenderer;
class TRecordStore;
class TReportComponent;
class TReportProject;
class TReportSystem;
class TSnapshotWriter;

class TRenderReport
{
public:
    TRenderReport();
    ~TRenderReport();
    TRenderReport(const TRenderReport &) = delete;
    TRenderReport &operator=(const TRenderReport &) = delete;

    QString ReportName;
    // Its attached controls are frozen while rendering; may be null.
    TRecordStore *BoundDataSet = nullptr;
    QString FileBaseName, FilePrefix, FileSuffix;
    // Called after the report was selected and before it runs.
    std::function<void(TReportProject &project)> OnSetParams;

    // Components handed in are borrowed; one created here is freed here.
    void SetProject(TReportProject *project);
    void SetPdfRenderer(TPdfRenderer *renderer);
    void SetSnapshotWriter(TSnapshotWriter *writer);
    void SetReportSystem(TReportSystem *system);
    TReportProject *GetProject();
    TReportSystem *GetReportSystem();
    TPdfRenderer *PdfRenderer() const { return m_pdfRenderer; }
    TSnapshotWriter *SnapshotWriter() const { return m_snapshotWriter; }

    // The last rendered report.
    QBuffer &Snapshot() { return m_snapshot; }
    const QByteArray &SnapshotBytes() const { return m_snapshot.data(); }

    // Empties the snapshot (or any buffer) and leaves it open for the next render.
    void ClearSnapshot() { EmptyBuffer(m_snapshot); }
    static void EmptyBuffer(QBuffer &buffer);

    void RenderToSnapshot();
    // Empties stream and renders ReportName into it; a report the project lacks leaves it
    // empty. Errors close the project, empty the stream and pass on.
    void RenderToStream(QIODevice &stream);

    // "HEAD.REST" paths; names without regard to case; the first match, depth first.
    TReportComponent *FindReportComponent(const QString &path);

    // The report temp folder with a trailing "/"; created with create true.
    static QString GetTempFolder(bool create);
    // Prefix + base name + suffix + "." + extension in the temp folder.
    QString RunFileName(const QString &extension) const;
    void DeleteRunFiles();

private:
    void Restore() noexcept;

    TReportProject *m_project = nullptr;
    TPdfRenderer *m_pdfRenderer = nullptr;
    TSnapshotWriter *m_snapshotWriter = nullptr;
    TReportSystem *m_reportSystem = nullptr;
    bool m_ownsProject = false;
    bool m_ownsPdfRenderer = false;
    bool m_ownsSnapshotWriter = false;
    bool m_ownsReportSystem = false;
    bool m_frozen = false;
    QByteArray m_snapshotData;
    QBuffer m_snapshot;
};
