#include "AccountPage.h"

#include "DMod_Afa.h"
#include "DbEdit.h"
#include "DbGrid.h"
#include "GridColumns.h"

TAccountPage::TAccountPage(Tdm_Afa &dm, QWidget *parent)
    : TEntryPage(dm, dm.qry_Afa_Konten, 113, 33, parent)
{
    QWidget *form = FormArea();
    auto *number = new TDbEdit(form);
    number->setObjectName(QStringLiteral("dbe_Konto_NR"));
    number->Bind(Binder(), QStringLiteral("NR"));
    number->setGeometry(112, 12, 225, 19);
    AddLabel(QStringLiteral("Konto"), number, 8, 12, 100, false);
    auto *name = new TDbEdit(form);
    name->setObjectName(QStringLiteral("dbe_Konto_BEZEICHNUNG"));
    name->Bind(Binder(), QStringLiteral("BEZEICHNUNG"));
    name->setGeometry(112, 40, 225, 19);
    AddLabel(QStringLiteral("Bezeichnung"), name, 8, 40, 100, false);

    AddGrid(AccountGridColumns(), false, QStringLiteral("Konten"));
    Grid()->setObjectName(QStringLiteral("dbg_Konten"));
}
