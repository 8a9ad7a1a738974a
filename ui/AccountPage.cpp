#include "AccountPage.h"

#include "DMod_Afa.h"
#include "DbGrid.h"
#include "GridColumns.h"

TAccountPage::TAccountPage(Tdm_Afa &dm, QWidget *parent)
    : TEntryPage(dm, dm.qry_Afa_Konten, 113, 33, parent)
{
    AddFieldControl(QStringLiteral("Konto"), QStringLiteral("NR"), false, 112, 12, 8, 100, false);
    AddFieldControl(QStringLiteral("Bezeichnung"), QStringLiteral("BEZEICHNUNG"), false, 112, 40, 8,
                    100, false);

    AddGrid(AccountGridColumns(), false, QStringLiteral("Konten"));
    Grid()->setObjectName(QStringLiteral("dbg_Konten"));
}
