#pragma once
// TAfaReport: renders the report rows of the last evaluation with the report the mode
// selects, and shows the pages in its preview, whose panel sits in the host's sheet.
#include "RenderReport.h"
#include "ReportRequest.h"

#include <QPointer>
#include <QWidget>

class Tdm_Afa;
class Tfrm_RpPreviewGerman;
class TReportProject;

class TAfaReport : public TReportRequest
{
public:
    // Attaches the program's data module (dm_Afa) when there is one.
    TAfaReport();
    ~TAfaReport() override;
    TAfaReport(const TAfaReport &) = delete;
    TAfaReport &operator=(const TAfaReport &) = delete;

    Tfrm_RpPreviewGerman *PreviewWindow;
    TRenderReport Renderer;
    QPointer<QWidget> Sheet;
    Tdm_Afa *DataModule = nullptr;

    void PlaceInSheet(QWidget *page);
    void AttachDataModule(Tdm_Afa *dataModule);
    bool HasMode(TReportModes bit) const { return (Mode & bit) != 0; }

    virtual void Execute();
    void Clear() override;
    virtual void Print();
    virtual void ShowPreview();

    void SetReportParameters(TReportProject &project);
};
