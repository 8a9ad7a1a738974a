#include "AfaRecords.h"

const QList<TReportColumn> &TAfaReportRow::Columns()
{
    static const QList<TReportColumn> columns = {
        {"Id", TReportColumn::Integer, 0},
        {"Afa_Erfassung_ID", TReportColumn::Integer, 0},
        {"InventarNr", TReportColumn::String, 32},
        {"Bezeichnung", TReportColumn::String, 255},
        {"AnschaffungsDatum", TReportColumn::DateTime, 0},
        {"AbschreibungsDatum", TReportColumn::DateTime, 0},
        {"Kosten", TReportColumn::Float, 0},
        {"NutzungsDauer", TReportColumn::Integer, 0},
        {"Afa_Konten_ID", TReportColumn::Integer, 0},
        {"Afa_Konten_Nr", TReportColumn::String, 8},
        {"Afa_Konten_Bezeichnung", TReportColumn::String, 255},
        {"RND", TReportColumn::Integer, 0},
        {"AFA", TReportColumn::Float, 0},
        {"RestBetragBegin", TReportColumn::Float, 0},
        {"RestBetrag", TReportColumn::Float, 0},
        {"DatumBeginn", TReportColumn::String, 32},
        {"DatumEnde", TReportColumn::String, 32},
        {"Datum", TReportColumn::DateTime, 0},
        {"AbschreibungsInfo", TReportColumn::String, 128},
        {"Zugang", TReportColumn::Float, 0},
        {"Abgang", TReportColumn::Float, 0},
    };
    return columns;
}

const QStringList &TAfaReportRow::ColumnNames()
{
    static const QStringList names = [] {
        QStringList upper;
        for (const TReportColumn &column : Columns())
            upper << QString::fromLatin1(column.Name).toUpper();
        return upper;
    }();
    return names;
}

QVariantList TAfaReportRow::Values() const
{
    auto date = [](const std::optional<TDateTime> &value) {
        return value ? QVariant(DateSerial::ToQDateTime(*value)) : QVariant();
    };
    return {Id,
            Afa_Erfassung_ID,
            InventarNr,
            Bezeichnung,
            date(AnschaffungsDatum),
            date(AbschreibungsDatum),
            Kosten,
            NutzungsDauer,
            Afa_Konten_ID ? QVariant(*Afa_Konten_ID) : QVariant(),
            Afa_Konten_Nr,
            Afa_Konten_Bezeichnung,
            RND,
            AFA,
            RestBetragBegin,
            RestBetrag,
            DatumBeginn,
            DatumEnde,
            DateSerial::ToQDateTime(Datum),
            AbschreibungsInfo,
            Zugang,
            Abgang};
}
