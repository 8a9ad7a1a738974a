#include "GridColumns.h"

namespace
{

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

TGridColumn Col(const char *field, const QString &title, int width = -1)
{
    TGridColumn c;
    c.FieldName = QString::fromLatin1(field);
    c.Title = title;
    c.Width = width;
    return c;
}

// The record number: first column, in the grid's colour.
TGridColumn IdCol(const QString &title)
{
    TGridColumn c = Col("ID", title);
    c.GridBackground = true;
    return c;
}

} // namespace

QVector<TGridColumn> AssetGridColumns()
{
    TGridColumn id = IdCol(QStringLiteral("#"));
    id.Alignment = Left;
    TGridColumn percent = Col("PROZENTSATZ", QStringLiteral("Proz. degr. Abschr."), 111);
    percent.Alignment = Left;
    return {id,
            Col("BEZEICHNUNG", QStringLiteral("Bezeichnung"), 210),
            Col("ANSCHAFFUNGSDATUM", QStringLiteral("Anschaffungsdatum"), 124),
            Col("KOSTEN", QStringLiteral("Kosten [€]"), 90),
            Col("NUTZUNGSDAUER", QStringLiteral("Nutzungsdauer"), 112),
            Col("Lu_Afa_Konten_Bezeichnung", QStringLiteral("Kontobez."), 102),
            percent,
            Col("AKTIV", QStringLiteral("Aktiv"))};
}

QVector<TGridColumn> MovementGridColumns()
{
    TGridColumn id = IdCol(QStringLiteral("ID"));
    id.Alignment = Left;
    TGridColumn disposal = Col("ABGANG", QStringLiteral("Abgang [€]"), 78);
    disposal.TitleAlignment = Left;
    return {id,
            Col("BEZEICHNUNG", QStringLiteral("Bezeichnung"), 210),
            Col("DATUM", QStringLiteral("Datum"), 124),
            Col("ZUGANG", QStringLiteral("Zugang [€]"), 90),
            disposal,
            Col("AKTIV", QStringLiteral("Aktiv")),
            Col("ERSTELLUNGSDATUM", QStringLiteral("Erstellungsdatum"), 129)};
}

QVector<TGridColumn> AccountGridColumns()
{
    TGridColumn id = IdCol(QStringLiteral("#"));
    id.TitleAlignment = Left;
    TGridColumn number = Col("NR", QStringLiteral("Konto"), 117);
    number.TitleAlignment = Left;
    return {id, number, Col("BEZEICHNUNG", QStringLiteral("Bezeichnung"), 388)};
}
