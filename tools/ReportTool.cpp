#include "ReportTool.h"

#include "AfaError.h"
#include "AfaReportParameters.h"
#include "AppError.h"
#include "AppPaths.h"
#include "CsvFormat.h"
#include "DMod_Afa.h"
#include "EvaluationSession.h"
#include "PdfRenderer.h"
#include "RenderReport.h"
#include "ReportProject.h"
#include "Snapshot.h"
#include "Unit_Global.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSet>
#include <QTextDocument>
#include <algorithm>

namespace
{

QByteArray ReportRowsAsCsv(TRecordStore &store)
{
    const QStringList &columns = TAfaReportRow::ColumnNames();
    QString out = columns.join(u';') + u'\n';
    if (store.Active()) {
        for (store.First(); !store.Eof(); store.Next()) {
            QStringList fields;
            fields.reserve(columns.size());
            for (const QString &column : columns)
                fields << CsvFormat::Field(store.FieldByName(column)->Value());
            out += fields.join(u';') + u'\n';
        }
    }
    return out.toUtf8();
}

// The IDs asked for that the asset store does not hold, in ascending order.
QList<int> MissingAssets(TRecordStore &assets, const QSet<int> &wanted)
{
    QSet<int> missing = wanted;
    for (assets.First(); !assets.Eof() && !missing.isEmpty(); assets.Next())
        missing.remove(assets.CurrentId().toInt());
    QList<int> ids = missing.values();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString MissingAssetsMessage(const QList<int> &ids)
{
    if (ids.size() == 1)
        return QStringLiteral("Ein Abschreibungsgut mit der Nummer (ID) %1 gibt es in der "
                              "Datenbank nicht.")
            .arg(ids.first());
    QStringList numbers;
    for (int id : ids)
        numbers << QString::number(id);
    return QStringLiteral("Abschreibungsgüter mit den Nummern (ID) %1 gibt es in der Datenbank "
                          "nicht.")
        .arg(numbers.join(QStringLiteral(", ")));
}

// The report the evaluation asked for, rendered as the print preview renders it, as PDF.
QByteArray ReportAsPdf(Tdm_Afa &dm, const TReportRequest &request)
{
    TRenderReport renderer;
    dm.AssignReportComponents(renderer);
    renderer.ReportName = ReportNameOfMode(request.Mode, {});
    renderer.FilePrefix = QStringLiteral("R1_");
    renderer.FileBaseName = dm.RunId;
    renderer.OnSetParams = [&renderer, &request](TReportProject &project) {
        SetAfaReportParameters(renderer, project, request.Headline);
    };
    renderer.RenderToSnapshot();
    if (renderer.SnapshotBytes().isEmpty())
        throw EAfaError(QStringLiteral("Die Report-Projektdatei „%1“ enthält den Report „%2“ "
                                       "nicht.")
                            .arg(dm.rpt_Project->ProjectFile(), renderer.ReportName));
    TSnapshot snapshot;
    snapshot.Load(renderer.SnapshotBytes());
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    dm.rpt_RenderPDF->RenderTo(snapshot, pdf);
    return pdf.data();
}

QByteArray PreviewAsText(const QTextDocument &preview)
{
    QString text = preview.toPlainText();
    text.replace(QChar::Nbsp, u' ');
    return text.toUtf8();
}

} // namespace

QString TReportTool::StoppedMessage()
{
    return QStringLiteral("Abgebrochen.");
}

void TReportTool::CheckStop() const
{
    if (StopRequested && StopRequested())
        throw EAfaError(StoppedMessage());
}

int TReportTool::Run(const QStringList &arguments)
{
    Output.clear();
    OutputFile.clear();
    ErrorMessage.clear();
    TReportToolOptions options;
    QString error;
    if (!ParseReportToolArguments(arguments, options, error)) {
        ErrorMessage = error + QStringLiteral("\nHilfe: norbekAfa-report --help");
        return 2;
    }
    OutputFile = options.Output;
    if (options.Help) {
        Output = ReportToolHelpText().toUtf8();
        return 0;
    }
    try {
        Output = Evaluate(options);
        return 0;
    } catch (...) {
        ErrorMessage = ErrorMessageOf();
    }
    return 2;
}

QByteArray TReportTool::Evaluate(const TReportToolOptions &options)
{
    const bool userDatabase = options.Database.isEmpty();
    const QString path = userDatabase ? DatabasePath : options.Database;
    // An installed tool used before the program gets the user's database as the program would.
    QString provideError;
    if (!(userDatabase ? ProvideUserDatabase(provideError)
                       : UsePrivateFirebirdLockFolder(provideError)))
        throw EAfaError(provideError);
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        throw EAfaError(
            QStringLiteral("Die Datenbank '%1' kann nicht gelesen werden: die Datei fehlt "
                           "oder ist nicht lesbar.")
                .arg(path));

    Tdm_Afa dm(nullptr, file.absoluteFilePath());
    // No grid sorts the assets here: walk them by ID.
    dm.qry_Afa_Erfassung->SQL << QStringLiteral("Order By e.Id");
    dm.qry_Afa_Erfassung->Open(); // attaches the database
    if (DatabaseOpened)
        DatabaseOpened();
    if (options.Settings.Filter == TAfaFilterChoice::Auswahl) {
        const QList<int> missing =
            MissingAssets(*dm.qry_Afa_Erfassung, options.Settings.SelectedIds);
        if (!missing.isEmpty())
            throw EAfaError(MissingAssetsMessage(missing));
    }
    CheckStop(); // nothing is written yet

    TEvaluationSession session(dm,
                               [&dm](const QString &key) { return ReadStoredHeadline(dm, key); });
    session.Evaluation.Settings = options.Settings;
    session.Evaluation.Progress = [this](int done, int total) {
        CheckStop();
        if (Progress)
            Progress(done, total);
    };

    switch (options.Format) {
    case TReportToolOptions::TFormat::Csv:
        session.Evaluation.EvaluateFor(TargetPrint);
        return ReportRowsAsCsv(*dm.ReportStore());
    case TReportToolOptions::TFormat::Pdf:
        session.Evaluation.EvaluateFor(TargetPrint);
        return ReportAsPdf(dm, session.Report);
    case TReportToolOptions::TFormat::Text:
        break;
    }
    session.Evaluation.EvaluateFor(TargetText);
    return PreviewAsText(session.Preview);
}
