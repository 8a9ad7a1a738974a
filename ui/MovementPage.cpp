#include "MovementPage.h"

#include "DMod_Afa.h"
#include "DbCheckBox.h"
#include "DbEdit.h"
#include "DbGrid.h"
#include "GridColumns.h"

TMovementPage::TMovementPage(Tdm_Afa &dm, QWidget *parent)
    : TEntryPage(dm, dm.qry_Afa_ZuAbgang, 211, 32, parent)
{
    QWidget *form = FormArea();
    const struct {
        const char *Label;
        const char *Field;
        bool Date;
    } lines[] = {
        {"Bezeichnung", "BEZEICHNUNG", false},
        {"Zugang", "ZUGANG", false},
        {"Abgang", "ABGANG", false},
        {"Datum", "DATUM", true},
        {"Erstellungsdatum", "ERSTELLUNGSDATUM", true},
    };
    int y = 8;
    for (const auto &line : lines) {
        AddFieldControl(QString::fromUtf8(line.Label), QString::fromLatin1(line.Field), line.Date,
                        112, y, 8, 100, false);
        y += 26;
    }
    auto *active = new TDbCheckBox(form);
    active->setObjectName(QStringLiteral("dbcb_ZA_AKTIV"));
    active->Bind(Binder(), QStringLiteral("AKTIV"));
    active->setGeometry(112, y, 20, 19);
    AddLabel(QStringLiteral("Aktiviert"), active, 8, y, 100, false);

    AddGrid(MovementGridColumns(), true, QStringLiteral("Zu- / Abgänge"));
    Grid()->setObjectName(QStringLiteral("dbg_ZuAbgang"));
}
