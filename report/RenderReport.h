#pragma once
// TRenderReport: renders one report of the project into a snapshot held in memory, and
// keeps the run's files in the report temp folder apart from other runs.
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

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
    TPdfRenderer *PdfRenderer() const { return m_pdfRenderer.Get(); }
    TSnapshotWriter *SnapshotWriter() const { return m_snapshotWriter.Get(); }

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
    // A component that is either borrowed or made (and owned) here on first need.
    template <typename T> class TSlot
    {
    public:
        T *Get() const { return m_used; }
        void Set(T *borrowed)
        {
            m_owned.reset();
            m_used = borrowed;
        }
        T *GetOrMake()
        {
            if (!m_used) {
                m_owned = std::make_unique<T>();
                m_used = m_owned.get();
            }
            return m_used;
        }

    private:
        std::unique_ptr<T> m_owned;
        T *m_used = nullptr;
    };

    void Restore() noexcept;

    TSlot<TReportProject> m_project;
    TSlot<TPdfRenderer> m_pdfRenderer;
    TSlot<TSnapshotWriter> m_snapshotWriter;
    TSlot<TReportSystem> m_reportSystem;
    bool m_frozen = false;
    QByteArray m_snapshotData;
    QBuffer m_snapshot;
};
