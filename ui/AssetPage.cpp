#include "AssetPage.h"

#include "DMod_Afa.h"
#include "DbCheckBox.h"
#include "DbEdit.h"
#include "DbGrid.h"
#include "DbLookupComboBox.h"
#include "GridColumns.h"

namespace
{
constexpr int Row = 26;
constexpr int Top = 8;
} // namespace

TAssetPage::TAssetPage(Tdm_Afa &dm, QWidget *parent)
    : TEntryPage(dm, dm.qry_Afa_Erfassung, 230, 33, parent)
{
    QWidget *form = FormArea();
    const struct {
        const char *Label;
        const char *Field;
        bool Date;
    } left[] = {
        {"Inventar-Nr.", "INVENTARNR", false},
        {"Bezeichnung", "BEZEICHNUNG", false},
        {"Anschaffungskosten", "KOSTEN", false},
        {"Restbuchwert", "RESTBUCHWERT", false},
        {"Nutzungsdauer", "NUTZUNGSDAUER", false},
        {"Anschaffungsdatum", "ANSCHAFFUNGSDATUM", true},
        {"Abschreibungsdatum", "ABSCHREIBUNGSDATUM", true},
    };
    int y = Top;
    for (const auto &line : left) {
        AddFieldControl(QString::fromUtf8(line.Label), QString::fromLatin1(line.Field), line.Date,
                        134, y, 8, 120, true);
        y += Row;
    }

    auto *account = new TDbLookupComboBox(form);
    account->setObjectName(QStringLiteral("dblc_Konto"));
    account->Bind(Binder(), QStringLiteral("Lu_Afa_Konten_Bezeichnung"));
    account->setGeometry(526, Top, 225, 19);
    AddLabel(QStringLiteral("Konto"), account, 380, Top, 140, true);

    auto *kind = new TDbLookupComboBox(form);
    kind->setObjectName(QStringLiteral("dblc_Abschreibungsart"));
    kind->Bind(Binder(), QStringLiteral("Lu_Afa_Arten_Bezeichnung"));
    kind->setGeometry(526, Top + Row, 225, 19);
    AddLabel(QStringLiteral("Abschreibungsart"), kind, 380, Top + Row, 140, true);

    QWidget *percent =
        AddFieldControl(QStringLiteral("Prozentsatz für degressive\nAbschreibung"),
                        QStringLiteral("PROZENTSATZ"), false, 526, Top + 2 * Row, 380, 140, true);
    percent->move(526, Top + 2 * Row + 6);

    auto *active = new TDbCheckBox(form);
    active->setObjectName(QStringLiteral("dbcb_AKTIV"));
    active->Bind(Binder(), QStringLiteral("AKTIV"));
    active->setGeometry(526, Top + 3 * Row + 12, 20, 19);
    AddLabel(QStringLiteral("Aktiv"), active, 380, Top + 3 * Row + 12, 140, true);

    auto *printDate = new TDbCheckBox(form);
    printDate->setObjectName(QStringLiteral("dbcb_USE_ABSCHRDATUM"));
    printDate->Bind(Binder(), QStringLiteral("USE_ABSCHRDATUM"));
    printDate->setGeometry(526, Top + 4 * Row + 18, 20, 19);
    AddLabel(QStringLiteral("Drucke\nAbschreibungsdatum"), printDate, 380, Top + 4 * Row + 12, 140,
             true);

    AddGrid(AssetGridColumns(), true, QStringLiteral("Abschreibungsgüter"));
    Grid()->setObjectName(QStringLiteral("dbg_AfaErfassung"));
    connect(Grid(), &TDbGrid::TitleClicked, this, &TAssetPage::TitleClicked);
}

QSet<int> TAssetPage::SelectedIds() const
{
    return Grid()->SelectedIds();
}
