#include "Form_AfaReport.h"

Tfrm_AfaReport::Tfrm_AfaReport(QObject *parent) : QObject(parent)
{
    FormCreate();
}

Tfrm_AfaReport::~Tfrm_AfaReport()
{
    FormDestroy();
}

void Tfrm_AfaReport::FormCreate()
{
    AfaReport = std::make_unique<TAfaReport>();
}

void Tfrm_AfaReport::FormDestroy()
{
    AfaReport.reset();
}

void Tfrm_AfaReport::ExecuteReport()
{
    AfaReport->Execute();
}

void Tfrm_AfaReport::PlaceInSheet(QWidget *page)
{
    AfaReport->PlaceInSheet(page);
}
