#include "DMod_Afa.h"

#include "AfaRecords.h"
#include "DatabaseAccount.h"
#include "DatabaseError.h"
#include "FieldText.h"
#include "PdfRenderer.h"
#include "ReportProject.h"
#include "ReportSystem.h"
#include "RunId.h"
#include "ScopeGuard.h"
#include "SnapshotWriter.h"
#include "Unit_AfaBerechnung.h"
#include "Unit_Global.h"

#include <QDate>

Tdm_Afa *dm_Afa = nullptr;

namespace
{

// Update statements of a table over its columns, keyed by ID.
TUpdateSQL UpdateStatements(const QString &table, const QStringList &columns)
{
    QStringList assignments, params;
    for (const QString &c : columns) {
        assignments << QStringLiteral("  %1 = :%1").arg(c);
        params << u':' + c;
    }
    TUpdateSQL u;
    u.RefreshSQL = QStringLiteral("Select * from %1\nwhere ID = :ID").arg(table);
    u.ModifySQL = QStringLiteral("update %1\nset\n%2\nwhere\n  ID = :OLD_ID")
                      .arg(table, assignments.join(QStringLiteral(",\n")));
    u.InsertSQL =
        QStringLiteral("insert into %1\n  (%2)\nvalues\n  (%3)")
            .arg(table, columns.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")));
    u.DeleteSQL = QStringLiteral("delete from %1\nwhere\n  ID = :OLD_ID").arg(table);
    return u;
}

QString DefaultSettingDescription(const QString &key)
{
    if (key == QStringLiteral("RPT"))
        return QStringLiteral("Title Afa-Report");
    if (key == QStringLiteral("RUT"))
        return QStringLiteral("Titel Afa-Verlauf");
    return {};
}

// The report row fields from the one column description: upper-case names for the table
// store (ID required), the records' mixed-case names for the in-memory layout.
void AddReportFields(TRecordStore *store, bool tableNames)
{
    for (const TReportColumn &column : TAfaReportRow::Columns()) {
        const QString name = QString::fromLatin1(column.Name);
        TFieldType type = TFieldType::Integer;
        switch (column.Type) {
        case TReportColumn::Integer:
            type = TFieldType::Integer;
            break;
        case TReportColumn::Float:
            type = TFieldType::Float;
            break;
        case TReportColumn::DateTime:
            type = TFieldType::DateTime;
            break;
        case TReportColumn::String:
            type = TFieldType::String;
            break;
        }
        TStoreField *field = store->AddField(tableNames ? name.toUpper() : name, type, column.Size);
        if (tableNames && name.compare(QStringLiteral("Id"), Qt::CaseInsensitive) == 0)
            field->Required = true;
    }
}

} // namespace

Tdm_Afa::Tdm_Afa(QObject *parent, const QString &databasePath)
    : QObject(parent), m_databasePath(databasePath)
{
    setObjectName(QStringLiteral("dm_Afa"));
    IBDatabase = new TIBDatabase(this);
    IBDatabase->setObjectName(QStringLiteral("IBDatabase"));
    IBTransaction = new TIBTransaction(this);
    IBTransaction->setObjectName(QStringLiteral("IBTransaction"));
    IBDatabase->UserName = QString::fromLatin1(DatabaseUser);
    IBDatabase->Password = QString::fromLatin1(DatabasePassword);
    IBDatabase->DefaultTransaction = IBTransaction;
    IBDatabase->BeforeConnect = [this](TIBDatabase *db) { IBDatabaseBeforeConnect(db); };
    IBTransaction->DefaultDatabase = IBDatabase;
    CreateStores();
    dm_Afa = this;
    DataModuleCreate();
}

Tdm_Afa::~Tdm_Afa()
{
    // Stores close first, then the transaction commits, then the connection detaches.
    for (TRecordStore *store :
         {qry_Helper, stp_ClearAfaReport, cds_AfaReport, tbl_Afa_Report, qry_Afa_ZuAbgang,
          qry_Afa_Erfassung, qry_Afa_Arten, qry_Afa_Konten}) {
        try {
            store->Close();
        } catch (...) {
        }
    }
    try {
        IBTransaction->Commit();
    } catch (...) {
    }
    IBDatabase->Close();
    if (dm_Afa == this)
        dm_Afa = nullptr;
}

void Tdm_Afa::CreateStores()
{
    const auto makeStore = [this](const QString &name) {
        auto *store = new TRecordStore(name, this);
        store->Database = IBDatabase;
        store->Transaction = IBTransaction;
        return store;
    };

    qry_Afa_Konten = makeStore(QStringLiteral("qry_Afa_Konten"));
    qry_Afa_Konten->SQL = {QStringLiteral("Select * from Afa_Konten")};
    qry_Afa_Konten->UpdateObject =
        UpdateStatements(QStringLiteral("Afa_Konten"), {QStringLiteral("ID"), QStringLiteral("NR"),
                                                        QStringLiteral("BEZEICHNUNG")});
    qry_Afa_Konten->GeneratorName = QStringLiteral("GEN_AFA_KONTEN_ID");
    qry_Afa_Konten->AddField(QStringLiteral("ID"), TFieldType::Integer, 0, QStringLiteral("#"))
        ->Required = true;
    qry_Afa_Konten->AddField(QStringLiteral("NR"), TFieldType::String, 8, QStringLiteral("Konto"));
    qry_Afa_Konten->AddField(QStringLiteral("BEZEICHNUNG"), TFieldType::String, 255,
                             QStringLiteral("Bezeichnung"));

    qry_Afa_Arten = makeStore(QStringLiteral("qry_Afa_Arten"));
    qry_Afa_Arten->SQL = {QStringLiteral("Select * from Afa_Arten")};
    qry_Afa_Arten->AddField(QStringLiteral("ID"), TFieldType::Integer)->Required = true;
    qry_Afa_Arten->AddField(QStringLiteral("KUERZEL"), TFieldType::String, 16);
    qry_Afa_Arten->AddField(QStringLiteral("BEZEICHNUNG"), TFieldType::String, 128);

    qry_Afa_Erfassung = makeStore(QStringLiteral("qry_Afa_Erfassung"));
    TRecordStore *e = qry_Afa_Erfassung;
    e->SQL = {QStringLiteral("Select"),
              QStringLiteral("  e.Id,"),
              QStringLiteral("  e.InventarNr,"),
              QStringLiteral("  e.Bezeichnung,"),
              QStringLiteral("  e.AnschaffungsDatum,"),
              QStringLiteral("  e.Abschreibungsdatum,"),
              QStringLiteral("  e.ErstellungsDatum,"),
              QStringLiteral("  e.Kosten,"),
              QStringLiteral("  e.Restbuchwert,"),
              QStringLiteral("  e.NutzungsDauer,"),
              QStringLiteral("  e.ProzentSatz,"),
              QStringLiteral("  e.Aktiv,"),
              QStringLiteral("  e.Use_AbschrDatum,"),
              QStringLiteral("  e.Afa_Konten_Id,"),
              QStringLiteral("  e.Afa_Arten_Id,"),
              QStringLiteral("  k.Nr As Afa_Konten_Nr,"),
              QStringLiteral("  k.Bezeichnung As Afa_Konten_Bezeichnung,"),
              QStringLiteral("  a.Kuerzel as Afa_Art_Kuerzel"),
              QStringLiteral("From "),
              QStringLiteral("  Afa_Erfassung e"),
              QStringLiteral("  Left Join Afa_Konten k On e.Afa_Konten_Id = k.Id"),
              QStringLiteral("  Left Join Afa_Arten a On e.Afa_Arten_Id = a.Id")};
    e->UpdateObject = UpdateStatements(
        QStringLiteral("Afa_Erfassung"),
        {QStringLiteral("ID"), QStringLiteral("INVENTARNR"), QStringLiteral("BEZEICHNUNG"),
         QStringLiteral("ANSCHAFFUNGSDATUM"), QStringLiteral("ABSCHREIBUNGSDATUM"),
         QStringLiteral("ERSTELLUNGSDATUM"), QStringLiteral("KOSTEN"),
         QStringLiteral("RESTBUCHWERT"), QStringLiteral("NUTZUNGSDAUER"),
         QStringLiteral("PROZENTSATZ"), QStringLiteral("AKTIV"), QStringLiteral("USE_ABSCHRDATUM"),
         QStringLiteral("AFA_KONTEN_ID"), QStringLiteral("AFA_ARTEN_ID")});
    e->GeneratorName = QStringLiteral("GEN_AFA_ERFASSUNG_ID");
    e->AddField(QStringLiteral("ID"), TFieldType::Integer, 0, QStringLiteral("#"))->Required = true;
    e->AddField(QStringLiteral("INVENTARNR"), TFieldType::String, 32,
                QStringLiteral("Inventar-Nr."));
    e->AddField(QStringLiteral("BEZEICHNUNG"), TFieldType::String, 255,
                QStringLiteral("Bezeichnung"));
    e->AddField(QStringLiteral("ANSCHAFFUNGSDATUM"), TFieldType::DateTime, 0,
                QStringLiteral("Anschaffungsdatum"));
    e->AddField(QStringLiteral("ABSCHREIBUNGSDATUM"), TFieldType::DateTime, 0,
                QStringLiteral("Abschreibungsdatum"));
    e->AddField(QStringLiteral("ERSTELLUNGSDATUM"), TFieldType::DateTime, 0,
                QStringLiteral("Erstellungsdatum"));
    e->AddField(QStringLiteral("KOSTEN"), TFieldType::Float, 0, QStringLiteral("Kosten"))
        ->Alignment = TFieldAlign::Left;
    e->AddField(QStringLiteral("RESTBUCHWERT"), TFieldType::Float, 0,
                QStringLiteral("Restbuchwert"));
    e->AddField(QStringLiteral("NUTZUNGSDAUER"), TFieldType::Integer, 0,
                QStringLiteral("Nutzungsdauer"))
        ->Alignment = TFieldAlign::Left;
    e->AddField(QStringLiteral("PROZENTSATZ"), TFieldType::Float, 0,
                QStringLiteral("Proz. degr. Abschr."));
    e->AddField(QStringLiteral("AKTIV"), TFieldType::Integer, 0, QStringLiteral("Aktiv"));
    e->AddField(QStringLiteral("USE_ABSCHRDATUM"), TFieldType::Integer, 0,
                QStringLiteral("Drucke Datum Abschr."));
    e->AddField(QStringLiteral("AFA_ART_KUERZEL"), TFieldType::String, 16)->ReadOnly = true;
    e->AddField(QStringLiteral("AFA_ARTEN_ID"), TFieldType::Integer);
    e->AddField(QStringLiteral("AFA_KONTEN_BEZEICHNUNG"), TFieldType::String, 255)->ReadOnly = true;
    e->AddField(QStringLiteral("AFA_KONTEN_ID"), TFieldType::Integer);
    e->AddLookupField(QStringLiteral("Lu_Afa_Konten_Nr"), TFieldType::String, 8, qry_Afa_Konten,
                      QStringLiteral("AFA_KONTEN_ID"), QStringLiteral("ID"), QStringLiteral("NR"));
    e->AddLookupField(QStringLiteral("Lu_Afa_Konten_Bezeichnung"), TFieldType::String, 255,
                      qry_Afa_Konten, QStringLiteral("AFA_KONTEN_ID"), QStringLiteral("ID"),
                      QStringLiteral("BEZEICHNUNG"), QStringLiteral("Kontobez."));
    e->AddLookupField(QStringLiteral("Lu_Afa_Arten_Bezeichnung"), TFieldType::String, 128,
                      qry_Afa_Arten, QStringLiteral("AFA_ARTEN_ID"), QStringLiteral("ID"),
                      QStringLiteral("BEZEICHNUNG"));

    qry_Afa_ZuAbgang = makeStore(QStringLiteral("qry_Afa_ZuAbgang"));
    TRecordStore *z = qry_Afa_ZuAbgang;
    z->SQL = {QStringLiteral("Select * from Afa_Zuabgang Where Afa_Erfassung_Id = :ID")};
    z->UpdateObject = UpdateStatements(
        QStringLiteral("Afa_Zuabgang"),
        {QStringLiteral("ID"), QStringLiteral("BEZEICHNUNG"), QStringLiteral("DATUM"),
         QStringLiteral("ZUGANG"), QStringLiteral("ABGANG"), QStringLiteral("ERSTELLUNGSDATUM"),
         QStringLiteral("AFA_ERFASSUNG_ID"), QStringLiteral("AKTIV")});
    z->GeneratorName = QStringLiteral("GEN_AFA_ZUABGANG_ID");
    z->MasterSource = qry_Afa_Erfassung;
    z->AddField(QStringLiteral("ID"), TFieldType::Integer)->Required = true;
    z->AddField(QStringLiteral("BEZEICHNUNG"), TFieldType::String, 255,
                QStringLiteral("Bezeichnung"));
    z->AddField(QStringLiteral("DATUM"), TFieldType::DateTime, 0, QStringLiteral("Datum"));
    z->AddField(QStringLiteral("ZUGANG"), TFieldType::Float, 0, QStringLiteral("Zugang [€]"));
    z->AddField(QStringLiteral("ABGANG"), TFieldType::Float, 0, QStringLiteral("Abgang  [€]"));
    z->AddField(QStringLiteral("ERSTELLUNGSDATUM"), TFieldType::DateTime, 0,
                QStringLiteral("Erstellungsdatum"));
    z->AddField(QStringLiteral("AFA_ERFASSUNG_ID"), TFieldType::Integer);
    z->AddField(QStringLiteral("AKTIV"), TFieldType::Integer, 0, QStringLiteral("Aktiv"));

    tbl_Afa_Report = makeStore(QStringLiteral("tbl_Afa_Report"));
    TRecordStore *r = tbl_Afa_Report;
    r->TableName = QStringLiteral("AFA_REPORT");
    r->CommitOnWrite = false; // committed per evaluation (report batch)
    r->InsertGroup = 8;       // written eight rows to a statement
    AddReportFields(r, true);

    cds_AfaReport = new TRecordStore(QStringLiteral("cds_AfaReport"), this);
    TRecordStore *c = cds_AfaReport;
    c->IndexFieldNames =
        QStringLiteral("Afa_Konten_ID;Afa_Erfassung_ID;Datum"); // cds_AfaReport_Index
    AddReportFields(c, false);

    qry_Helper = makeStore(QStringLiteral("qry_Helper"));
    stp_ClearAfaReport = makeStore(QStringLiteral("stp_ClearAfaReport"));
    stp_ClearAfaReport->SQL = {QStringLiteral("EXECUTE PROCEDURE CLEARAFAREPORT")};

    ds_Afa_Erfassung.DataSet = qry_Afa_Erfassung;
    ds_Afa_ZuAbgang.DataSet = qry_Afa_ZuAbgang;
    ds_Afa_Konten.DataSet = qry_Afa_Konten;
    ds_AfaReport.DataSet = cds_AfaReport;
    rdc_AfaReport = {QStringLiteral("rdc_AfaReport"), tbl_Afa_Report};
    rdc_Test = {QStringLiteral("rdc_Test"), nullptr};

    m_project = std::make_unique<TReportProject>();
    m_renderPdf = std::make_unique<TPdfRenderer>();
    m_snapshotWriter = std::make_unique<TSnapshotWriter>();
    m_system = std::make_unique<TReportSystem>();
    rpt_Project = m_project.get();
    rpt_RenderPDF = m_renderPdf.get();
    rpt_SnapshotWriter = m_snapshotWriter.get();
    rpt_System = m_system.get();
    rpt_Project->SetDataConnection(rdc_AfaReport.Name, &rdc_AfaReport);
    rpt_Project->SetDataConnection(rdc_Test.Name, &rdc_Test);
    rpt_Project->SetEngine(rpt_System);

    // Handlers.
    qry_Afa_Erfassung->AfterOpen = [this](TRecordStore *ds) { IBQueryAfterOpen(ds); };
    qry_Afa_Erfassung->AfterInsert = [this](TRecordStore *ds) { IBQueryAfterInsert(ds); };
    qry_Afa_ZuAbgang->AfterInsert = [this](TRecordStore *ds) { IBQueryAfterInsert(ds); };
    qry_Afa_Erfassung->BeforePost = [this](TRecordStore *ds) { IBQueryBeforePost(ds); };
    const auto getText = [this](TStoreField *f, QString &t, bool d) { FieldGetText(f, t, d); };
    const auto setText = [this](TStoreField *f, const QString &t) { FieldSetText(f, t); };
    for (TStoreField *f :
         {e->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM")),
          e->FieldByName(QStringLiteral("KOSTEN")), e->FieldByName(QStringLiteral("AKTIV")),
          e->FieldByName(QStringLiteral("USE_ABSCHRDATUM")),
          z->FieldByName(QStringLiteral("AKTIV"))}) {
        f->OnGetText = getText;
        f->OnSetText = setText;
    }
}

void Tdm_Afa::DataModuleCreate()
{
    RunId = MakeRunId();
    ReportProjectFile = ReportProjectPath;
    rpt_Project->SetProjectFile(ReportProjectFile);
    ReportRowCounter = 0;
}

void Tdm_Afa::IBDatabaseBeforeConnect(TIBDatabase *Sender)
{
    Sender->DatabaseName = m_databasePath;
}

void Tdm_Afa::IBQueryAfterOpen(TRecordStore *DataSet)
{
    if (DataSet == qry_Afa_Erfassung && !qry_Afa_ZuAbgang->Active())
        qry_Afa_ZuAbgang->Open();
}

void Tdm_Afa::IBQueryAfterInsert(TRecordStore *DataSet)
{
    if (DataSet == qry_Afa_Erfassung) {
        const TDateTime today = DateSerial::FromQDate(QDate::currentDate());
        DataSet->FieldByName(QStringLiteral("RESTBUCHWERT"))->SetAsFloat(0.0);
        DataSet->FieldByName(QStringLiteral("ERSTELLUNGSDATUM"))->SetAsDateTime(today);
        DataSet->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"))->SetAsDateTime(today);
        DataSet->FieldByName(QStringLiteral("ABSCHREIBUNGSDATUM"))->SetAsDateTime(today);
        DataSet->FieldByName(QStringLiteral("AKTIV"))->SetAsInteger(1);
        DataSet->FieldByName(QStringLiteral("USE_ABSCHRDATUM"))->SetAsInteger(1);
        DataSet->FieldByName(QStringLiteral("AFA_ARTEN_ID"))->SetValue(GetKindId(afaLIN));
    } else if (DataSet == qry_Afa_ZuAbgang) {
        DataSet->FieldByName(QStringLiteral("AFA_ERFASSUNG_ID"))
            ->SetValue(qry_Afa_Erfassung->FieldByName(QStringLiteral("ID"))->Value());
    }
}

void Tdm_Afa::IBQueryBeforePost(TRecordStore *DataSet)
{
    if (DataSet != qry_Afa_Erfassung)
        return;
    // A longer life could not be computed; the evaluation would refuse the asset.
    const TStoreField *life = DataSet->FieldByName(QStringLiteral("NUTZUNGSDAUER"));
    if (!life->IsNull() && (life->AsInteger() < 0 || life->AsInteger() > TAfABerechnung::MaxMonths))
        throw EDatabaseError(QStringLiteral("Die Nutzungsdauer von %1 Monaten ist nicht zulässig: "
                                            "erlaubt sind 0 bis %2 Monate (100 Jahre). Der "
                                            "Datensatz wurde nicht gespeichert.")
                                 .arg(life->AsInteger())
                                 .arg(TAfABerechnung::MaxMonths));
    TStoreField *written = DataSet->FieldByName(QStringLiteral("ABSCHREIBUNGSDATUM"));
    if (written->IsNull())
        written->SetAsDateTime(
            DataSet->FieldByName(QStringLiteral("ANSCHAFFUNGSDATUM"))->AsDateTime());
    TStoreField *kind = DataSet->FieldByName(QStringLiteral("AFA_ARTEN_ID"));
    if (kind->IsNull())
        kind->SetValue(GetKindId(afaLIN));
}

void Tdm_Afa::FieldGetText(TStoreField *Sender, QString &Text, bool DisplayText)
{
    QString name;
    if (Sender->DataType == TFieldType::DateTime)
        name = FieldTextConv::DateToText;
    else if (Sender->DataType == TFieldType::Float)
        name = FieldTextConv::FloatToText;
    else if (IsYesNoIntField(Sender, QStringLiteral("Aktiv")) ||
             IsYesNoIntField(Sender, QStringLiteral("Use_AbschrDatum")))
        name = FieldTextConv::YesNoToText;
    else
        return;
    FieldToText(Sender, Text, DisplayText, name);
}

void Tdm_Afa::FieldSetText(TStoreField *Sender, const QString &Text)
{
    QString name;
    if (Sender->DataType == TFieldType::DateTime || Sender->DataType == TFieldType::Float)
        name.clear();
    else if (IsYesNoIntField(Sender, QStringLiteral("Aktiv")) ||
             IsYesNoIntField(Sender, QStringLiteral("Use_AbschrDatum")))
        name = FieldTextConv::TextToYesNo;
    else
        return; // other fields: the text is dropped
    TextToField(Sender, Text, name);
}

QVariant Tdm_Afa::GetKindId(TAfaArt kind)
{
    const TScopeGuard close([this] { qry_Helper->Close(); });
    HelperStatement(QStringLiteral("Select Id, Kuerzel from Afa_Arten Where Kuerzel = :Kuerzel"));
    qry_Helper->SetParam(QStringLiteral("Kuerzel"), CodeFromKind(kind));
    qry_Helper->Open();
    if (qry_Helper->IsEmpty())
        return {};
    return qry_Helper->FieldByName(QStringLiteral("id"))->AsInteger();
}

TRecordStore *Tdm_Afa::ReportStore() const
{
    return rdc_AfaReport.DataSet;
}

bool Tdm_Afa::IsReportStore(const QString &name) const
{
    if (name == QStringLiteral("tbl"))
        return rdc_AfaReport.DataSet == tbl_Afa_Report;
    if (name == QStringLiteral("cds"))
        return rdc_AfaReport.DataSet == cds_AfaReport;
    return false;
}

void Tdm_Afa::PrepareReportStore(int mode)
{
    if (mode == 0) {
        tbl_Afa_Report->Close();
        stp_ClearAfaReport->Close();
        {
            const TScopeGuard close([this] { stp_ClearAfaReport->Close(); });
            stp_ClearAfaReport->ExecSQL();
        }
        tbl_Afa_Report->OpenEmpty(); // just emptied: nothing to read
        ReportRowCounter = 0;
    } else if (mode == 1) {
        if (m_reportBatch && tbl_Afa_Report->Active() &&
            tbl_Afa_Report->State() == TStoreState::Browse) {
            // Opened empty in this batch and every row posted through it: the store holds
            // the table's rows, so sorting them gives what reading them again would.
            tbl_Afa_Report->SortByIndex(QStringLiteral("Afa_Report_Index"));
        } else {
            tbl_Afa_Report->Close();
            tbl_Afa_Report->IndexName = QStringLiteral("Afa_Report_Index");
            tbl_Afa_Report->Open();
            tbl_Afa_Report->First();
        }
        if (m_reportBatch)
            CommitReportBatch();
    }
}

int Tdm_Afa::NextReportRowId()
{
    return ++ReportRowCounter;
}

void Tdm_Afa::BeginReportBatch()
{
    IBDatabase->Open();
    // Whatever was pending before belongs to nobody's run: a rollback must not take it.
    IBTransaction->CommitWork();
    m_reportBatch = true;
}

void Tdm_Afa::CommitReportBatch()
{
    if (!m_reportBatch)
        return;
    if (IBDatabase->Connected()) {
        // A refused row fails the whole batch, not only the rows after it.
        const TErrorGuard rollBack([this] { RollbackReportBatch(); });
        tbl_Afa_Report->FlushInserts();
    }
    m_reportBatch = false;
    if (IBDatabase->Connected())
        IBTransaction->CommitWork(); // a failed commit rolls back
}

void Tdm_Afa::RollbackReportBatch() noexcept
{
    if (!m_reportBatch)
        return;
    m_reportBatch = false;
    try {
        IBTransaction->Rollback();
        tbl_Afa_Report->Close();
        if (!IBDatabase->Connected())
            return;
        IBTransaction->StartTransaction();
        // The store shows the report that stays: the one before this run.
        tbl_Afa_Report->IndexName = QStringLiteral("Afa_Report_Index");
        tbl_Afa_Report->Open();
        tbl_Afa_Report->First();
        ReportRowCounter = tbl_Afa_Report->RecordCount();
    } catch (...) {
        // Already on an error's way out: the store stays closed.
        try {
            tbl_Afa_Report->Close();
        } catch (...) {
        }
    }
}

void Tdm_Afa::HelperStatement(const QString &sql)
{
    qry_Helper->Close();
    qry_Helper->ClearParams();
    qry_Helper->SQL = {sql};
}

void Tdm_Afa::SettingsStatement(const QString &op, const QString &key, const QString &content,
                                const QString &description)
{
    if (op == QStringLiteral("sel")) {
        HelperStatement(QStringLiteral("Select * from Afa_Settings Where kuerzel = :kuerzel"));
        qry_Helper->SetParam(QStringLiteral("kuerzel"), key);
        qry_Helper->Open();
    } else if (op == QStringLiteral("ins")) {
        HelperStatement(QStringLiteral(
            "Insert Into Afa_Settings(kuerzel,bezeichnung) Values (:kuerzel,:bezeichnung)"));
        qry_Helper->SetParam(QStringLiteral("kuerzel"), key);
        qry_Helper->SetParam(QStringLiteral("bezeichnung"), description);
        qry_Helper->ExecSQL();
    } else if (op == QStringLiteral("upd_str_to_blobfield")) {
        HelperStatement(QStringLiteral(
            "Update Afa_Settings Set blobwert = :blobwert Where kuerzel = :kuerzel"));
        qry_Helper->SetParam(QStringLiteral("kuerzel"), key);
        Global().BlobHelper->StringToBlobParam(qry_Helper, QStringLiteral("blobwert"), content);
        qry_Helper->ExecSQL();
    }
}

void Tdm_Afa::EnsureSetting(const QString &key)
{
    SettingsStatement(QStringLiteral("sel"), key, {}, {});
    if (!qry_Helper->IsEmpty())
        return;
    SettingsStatement(QStringLiteral("ins"), key, {}, DefaultSettingDescription(key));
    IBTransaction->CommitWork();
    SettingsStatement(QStringLiteral("sel"), key, {}, {});
}

QString Tdm_Afa::GetSettingText(const QString &key)
{
    return QString::fromUtf8(GetSettingBytes(key));
}

QByteArray Tdm_Afa::GetSettingBytes(const QString &key)
{
    EnsureSetting(key);
    return Global().BlobHelper->BlobToBytes(qry_Helper, QStringLiteral("blobwert"));
}

void Tdm_Afa::SetSettingText(const QString &key, const QString &text)
{
    EnsureSetting(key);
    SettingsStatement(QStringLiteral("upd_str_to_blobfield"), key, text, {});
    IBTransaction->CommitWork();
}

void Tdm_Afa::SetSettingBytes(const QString &key, const QByteArray &bytes)
{
    EnsureSetting(key);
    HelperStatement(
        QStringLiteral("Update Afa_Settings Set blobwert = :blobwert Where kuerzel = :kuerzel"));
    qry_Helper->SetParam(QStringLiteral("kuerzel"), key);
    Global().BlobHelper->BytesToBlobParam(qry_Helper, QStringLiteral("blobwert"), bytes);
    qry_Helper->ExecSQL();
    IBTransaction->CommitWork();
}

QString Tdm_Afa::GetReportTitle()
{
    return GetSettingText(QStringLiteral("RPT"));
}

QString Tdm_Afa::GetRunTitle()
{
    return GetSettingText(QStringLiteral("RUT"));
}

void Tdm_Afa::SetReportTitle(const QString &text)
{
    SetSettingText(QStringLiteral("RPT"), text);
}

void Tdm_Afa::SetRunTitle(const QString &text)
{
    SetSettingText(QStringLiteral("RUT"), text);
}
