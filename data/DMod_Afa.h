#pragma once
// Tdm_Afa (single instance dm_Afa): the connection, its transaction and the stores.
//
// Stores: qry_Afa_Erfassung (assets, with the account and kind joins and lookups),
// qry_Afa_ZuAbgang (movements of the current asset; detail of the assets),
// qry_Afa_Konten (accounts), qry_Afa_Arten (kinds, read-only), tbl_Afa_Report (report rows,
// append only, read in AFA_REPORT_INDEX order after PrepareReportStore(1)),
// cds_AfaReport (in-memory layout of the report rows, never opened), qry_Helper (scratch
// statements: kind lookup, settings), stp_ClearAfaReport (CLEARAFAREPORT).
//
// Writes: every post and delete of the entry stores and every settings write commits at
// once. Report rows are written as one batch per evaluation:
//   BeginReportBatch(); PrepareReportStore(0); { ReportStore()->Append(); ... Post(); }
//   PrepareReportStore(1)  (rewinds and commits the batch; CommitReportBatch() does the
//   commit alone). A run that fails calls RollbackReportBatch(): the previous rows stay.
// The destructor closes the stores, commits and detaches.
#include "AfaArt.h"
#include "AppPaths.h"
#include "IBDatabase.h"
#include "IBTransaction.h"
#include "RecordStore.h"
#include "ReportDataConnection.h"

#include <QObject>
#include <memory>

class TPdfRenderer;
class TReportProject;
class TReportSystem;
class TSnapshotWriter;

// A data source: the link between a store and the controls bound to it.
struct TDataSource {
    TRecordStore *DataSet = nullptr;
};

class Tdm_Afa : public QObject
{
    Q_OBJECT
public:
    // databasePath: the file attached on the first open (the program uses DatabasePath).
    explicit Tdm_Afa(QObject *parent = nullptr, const QString &databasePath = DatabasePath);
    ~Tdm_Afa() override;

    TIBDatabase *IBDatabase;
    TIBTransaction *IBTransaction;
    TRecordStore *qry_Afa_Erfassung;
    TRecordStore *qry_Afa_ZuAbgang;
    TRecordStore *qry_Afa_Konten;
    TRecordStore *qry_Afa_Arten;
    TRecordStore *tbl_Afa_Report;
    TRecordStore *cds_AfaReport;
    TRecordStore *qry_Helper;
    TRecordStore *stp_ClearAfaReport;
    // Grids and forms bind to the first three; the report set's controls to ds_AfaReport.
    TDataSource ds_Afa_Erfassung, ds_Afa_ZuAbgang, ds_Afa_Konten, ds_AfaReport;
    TReportDataConnection rdc_AfaReport, rdc_Test;
    // Report components: the project (file ReportProjectFile, both data connections), the
    // PDF output, the snapshot writer and the report system with the print settings.
    TReportProject *rpt_Project;
    TPdfRenderer *rpt_RenderPDF;
    TSnapshotWriter *rpt_SnapshotWriter;
    TReportSystem *rpt_System;

    QString RunId;
    QString ReportProjectFile; // the report project read by the report engine
    int ReportRowCounter = 0;

    // Handlers.
    void DataModuleCreate();
    void IBDatabaseBeforeConnect(TIBDatabase *Sender);
    void IBQueryAfterOpen(TRecordStore *DataSet);
    void IBQueryAfterInsert(TRecordStore *DataSet);
    void IBQueryBeforePost(TRecordStore *DataSet);
    void FieldGetText(TStoreField *Sender, QString &Text, bool DisplayText);
    void FieldSetText(TStoreField *Sender, const QString &Text);

    // ID of the AFA_ARTEN row with the kind's code; null when there is none.
    QVariant GetKindId(TAfaArt kind);

    // Hands the report components to a renderer, in this order.
    template <class TRenderer> void AssignReportComponents(TRenderer &renderer)
    {
        renderer.SetProject(rpt_Project);
        renderer.SetPdfRenderer(rpt_RenderPDF);
        renderer.SetSnapshotWriter(rpt_SnapshotWriter);
        renderer.SetReportSystem(rpt_System);
    }

    // Report rows.
    TRecordStore *ReportStore() const;
    bool IsReportStore(const QString &name) const; // "tbl" or "cds"
    void PrepareReportStore(int mode);             // 0 empty, 1 rewind in index order
    int NextReportRowId();
    void BeginReportBatch();
    // All or nothing: a refused row or a failed commit rolls the whole batch back.
    void CommitReportBatch();
    // Forgets the batch: the report table keeps the rows it had before; the store shows them.
    void RollbackReportBatch() noexcept;
    bool ReportBatchActive() const { return m_reportBatch; }

    // Settings ("RPT", "RUT").
    QString GetReportTitle();
    QString GetRunTitle();
    void SetReportTitle(const QString &text);
    void SetRunTitle(const QString &text);
    QString GetSettingText(const QString &key);
    void SetSettingText(const QString &key, const QString &text);
    QByteArray GetSettingBytes(const QString &key);
    void SetSettingBytes(const QString &key, const QByteArray &bytes);
    void EnsureSetting(const QString &key);
    // op "sel", "ins" or "upd_str_to_blobfield"; any other does nothing.
    void SettingsStatement(const QString &op, const QString &key, const QString &content,
                           const QString &description);

private:
    void CreateStores();
    void HelperStatement(const QString &sql);
    void WriteSetting(const QString &key, const QByteArray &bytes);

    QString m_databasePath;
    std::unique_ptr<TReportProject> m_project;
    std::unique_ptr<TPdfRenderer> m_renderPdf;
    std::unique_ptr<TSnapshotWriter> m_snapshotWriter;
    std::unique_ptr<TReportSystem> m_system;
    bool m_reportBatch = false;
};

extern Tdm_Afa *dm_Afa;
