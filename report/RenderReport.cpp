#include "RenderReport.h"

#include "PdfRenderer.h"
#include "RecordStore.h"
#include "ReportProject.h"
#include "ReportSystem.h"
#include "SnapshotWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <unistd.h>

namespace
{

const QString TempFolderName = QStringLiteral("NorbekReports_3BF09224_D0A4_4C27_9306_B94485F3212C");

QString EnvFolder(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString() : QDir::cleanPath(value);
}

// A folder only its owner may enter; false when it exists but belongs to someone else.
bool OwnFolder(const QString &path, bool create)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir() && info.ownerId() == ::getuid();
    if (!create)
        return true;
    if (!QDir().mkpath(path))
        return false;
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

void ProcessPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

TReportComponent *FindByName(TReportComponent *start, const QString &upperName)
{
    if (!start)
        return nullptr;
    if (start->Name.toUpper() == upperName)
        return start;
    if (!start->IsContainer())
        return nullptr;
    for (const auto &child : start->Children) {
        if (TReportComponent *found = FindByName(child.get(), upperName))
            return found;
    }
    return nullptr;
}

} // namespace

TRenderReport::TRenderReport()
{
    m_snapshot.setBuffer(&m_snapshotData);
}

TRenderReport::~TRenderReport()
{
    DeleteRunFiles();
}

void TRenderReport::SetProject(TReportProject *project)
{
    m_project.Set(project);
}

void TRenderReport::SetPdfRenderer(TPdfRenderer *renderer)
{
    m_pdfRenderer.Set(renderer);
}

void TRenderReport::SetSnapshotWriter(TSnapshotWriter *writer)
{
    m_snapshotWriter.Set(writer);
}

void TRenderReport::SetReportSystem(TReportSystem *system)
{
    m_reportSystem.Set(system);
}

TReportProject *TRenderReport::GetProject()
{
    return m_project.GetOrMake();
}

TReportSystem *TRenderReport::GetReportSystem()
{
    return m_reportSystem.GetOrMake();
}

void TRenderReport::EmptyBuffer(QBuffer &buffer)
{
    buffer.close();
    buffer.buffer().clear();
    buffer.open(QIODevice::ReadWrite);
}

void TRenderReport::RenderToSnapshot()
{
    RenderToStream(m_snapshot);
}

void TRenderReport::RenderToStream(QIODevice &stream)
{
    const auto empty = [&stream] {
        if (auto *buffer = qobject_cast<QBuffer *>(&stream))
            EmptyBuffer(*buffer);
        else
            stream.seek(0);
    };
    try {
        empty();
        GetTempFolder(true);
        if (BoundDataSet) {
            BoundDataSet->DisableControls();
            m_frozen = true;
        }
        TReportProject *project = GetProject();
        project->Close();
        if (project->SelectReport(ReportName)) {
            if (OnSetParams)
                OnSetParams(*project);
            TSnapshotWriter *writer = m_snapshotWriter.GetOrMake();
            project->SetEngine(writer);
            writer->SetStream(&stream);
            ProcessPendingEvents();
            project->Run();
            ProcessPendingEvents();
        }
    } catch (...) {
        if (TReportProject *project = m_project.Get())
            project->Close();
        empty();
        Restore();
        throw;
    }
    Restore();
    stream.seek(0);
}

void TRenderReport::Restore() noexcept
{
    try {
        if (TSnapshotWriter *writer = m_snapshotWriter.Get())
            writer->SetStream(nullptr);
        GetProject()->SetEngine(GetReportSystem());
    } catch (...) {
    }
    if (m_frozen) {
        m_frozen = false;
        try {
            if (BoundDataSet)
                BoundDataSet->EnableControls();
        } catch (...) {
        }
    }
}

TReportComponent *TRenderReport::FindReportComponent(const QString &path)
{
    TReportComponent *at = m_project.Get() ? m_project.Get()->SelectedReport() : nullptr;
    QString rest = path.toUpper();
    while (at) {
        const qsizetype dot = rest.indexOf(u'.');
        if (dot < 0)
            return FindByName(at, rest);
        at = FindByName(at, rest.left(dot));
        rest = rest.mid(dot + 1);
    }
    return nullptr;
}

QString TRenderReport::GetTempFolder(bool create)
{
    QString base = EnvFolder("TEMP");
    if (base.isEmpty())
        base = EnvFolder("TMP");
    if (base.isEmpty() || !QFileInfo(base).isDir())
        base = QDir::tempPath();
    QString folder = base + u'/' + TempFolderName;
    // Another user's folder of that name in a shared temp folder is left alone.
    if (!OwnFolder(folder, create)) {
        folder += QStringLiteral("_%1").arg(::getuid());
        OwnFolder(folder, create);
    }
    return folder + u'/';
}

QString TRenderReport::RunFileName(const QString &extension) const
{
    return GetTempFolder(false) + FilePrefix + FileBaseName + FileSuffix + u'.' + extension;
}

void TRenderReport::DeleteRunFiles()
{
    const QDir folder(GetTempFolder(false));
    if (!folder.exists())
        return;
    const QString pattern = FilePrefix + FileBaseName + FileSuffix + QStringLiteral(".*");
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                   QRegularExpression::CaseInsensitiveOption);
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (match.match(file.fileName()).hasMatch())
            QFile::remove(file.absoluteFilePath());
    }
}
