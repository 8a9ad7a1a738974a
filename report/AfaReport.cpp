#include "AfaReport.h"

#include "AfaReportParameters.h"
#include "DMod_Afa.h"
#include "Form_RpPreviewGerman.h"
#include "RecordStore.h"
#include "ReportProject.h"

#include <QLayout>
#include <QVBoxLayout>

TAfaReport::TAfaReport() : PreviewWindow(new Tfrm_RpPreviewGerman)
{
    PreviewWindow->SetEmbedded(true);
    if (dm_Afa)
        AttachDataModule(dm_Afa);
    Renderer.OnSetParams = [this](TReportProject &project) { SetReportParameters(project); };
}

TAfaReport::~TAfaReport()
{
    delete PreviewWindow;
}

void TAfaReport::AttachDataModule(Tdm_Afa *dataModule)
{
    DataModule = dataModule;
    if (!dataModule)
        return;
    dataModule->AssignReportComponents(Renderer);
    Renderer.BoundDataSet = dataModule->cds_AfaReport;
}

void TAfaReport::PlaceInSheet(QWidget *page)
{
    Sheet = page;
    if (!page)
        return;
    if (!page->layout()) {
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    page->layout()->addWidget(PreviewWindow->pnl_Main);
    PreviewWindow->pnl_Main->show();
}

void TAfaReport::Execute()
{
    if (DataModule) {
        TRecordStore *rows = DataModule->ReportStore();
        if (rows && rows->Active())
            rows->First();
        Renderer.FileBaseName = DataModule->RunId;
    }
    Renderer.ReportName = ReportNameOfMode(Mode, Renderer.ReportName);
    Renderer.FilePrefix = QStringLiteral("R1_");
    Renderer.FileSuffix.clear();
    Renderer.RenderToSnapshot();
    PreviewWindow->ReportSystem = Renderer.GetReportSystem();
    if (!Renderer.SnapshotBytes().isEmpty()) {
        PreviewWindow->SetSnapshotStream(&Renderer.Snapshot());
        PreviewWindow->ShowPage(1);
        PreviewWindow->RemoveBorder();
        PreviewWindow->ZoomWholePage();
    } else {
        PreviewWindow->SetSnapshotStream(nullptr);
        PreviewWindow->ShowEmpty();
    }
}

void TAfaReport::SetReportParameters(TReportProject &project)
{
    SetAfaReportParameters(Renderer, project, Headline);
}

void TAfaReport::Clear()
{
    Renderer.GetProject()->Close();
    Renderer.ClearSnapshot();
    PreviewWindow->ClearPage();
    if (DataModule)
        DataModule->cds_AfaReport->Close();
}

void TAfaReport::Print()
{
    PreviewWindow->PrintClick();
}

void TAfaReport::ShowPreview()
{
    PreviewWindow->show();
}
