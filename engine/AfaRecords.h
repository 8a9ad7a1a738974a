#pragma once
// Records shared by the engine, the evaluation run and the stores.
#include "AfaArt.h"
#include "DateSerial.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// One row of AFA_ERFASSUNG with its joined and looked-up fields.
struct TAfaAsset {
    int ID = 0;
    QString InventarNr;
    QString Bezeichnung;
    TDateTime AnschaffungsDatum = 0;
    TDateTime AbschreibungsDatum = 0;
    TDateTime ErstellungsDatum = 0;
    double Kosten = 0;
    double Restbuchwert = 0;
    int NutzungsDauer = 0;
    double ProzentSatz = 0;
    int Aktiv = 0;
    int Use_AbschrDatum = 0;
    std::optional<int> Afa_Konten_ID;
    std::optional<int> Afa_Arten_ID;
    QString Afa_Konten_Nr;          // joined
    QString Afa_Konten_Bezeichnung; // joined
    QString Afa_Art_Kuerzel;        // joined, empty without a kind
    QString Lu_Afa_Konten_Nr;       // looked up
    QString Lu_Afa_Konten_Bezeichnung;
    QString Lu_Afa_Arten_Bezeichnung;
};

// One row of AFA_ZUABGANG: an addition or disposal of an asset.
struct TAfaMovement {
    int ID = 0;
    QString Bezeichnung;
    TDateTime Datum = 0;
    std::optional<double> Zugang;
    std::optional<double> Abgang;
    TDateTime ErstellungsDatum = 0;
    int Afa_Erfassung_ID = 0;
    int Aktiv = 0;
};

// One row of AFA_KONTEN.
struct TAfaAccount {
    int ID = 0;
    QString Nr;
    QString Bezeichnung;
};

// One row of AFA_ARTEN.
struct TAfaKindRecord {
    int ID = 0;
    QString Kuerzel;
    QString Bezeichnung;
};

// A column of AFA_REPORT: the one description from which the report row stores, the row
// writer and the CSV output are built (a test compares it with the database).
struct TReportColumn {
    enum TType { Integer, Float, DateTime, String };
    const char *Name; // as the records spell it; the table's name is its upper case
    TType Type;
    int Size; // characters of a text column, else 0
};

// One row of AFA_REPORT: one asset and one schedule year.
struct TAfaReportRow {
    int Id = 0;
    int Afa_Erfassung_ID = 0;
    QString InventarNr;
    QString Bezeichnung;
    std::optional<TDateTime> AnschaffungsDatum;
    std::optional<TDateTime> AbschreibungsDatum; // never filled by the evaluation
    double Kosten = 0;
    int NutzungsDauer = 0;
    std::optional<int> Afa_Konten_ID;
    QString Afa_Konten_Nr;
    QString Afa_Konten_Bezeichnung;
    int RND = 0;
    double AFA = 0;
    double RestBetragBegin = 0;
    double RestBetrag = 0;
    QString DatumBeginn; // "dd.mm"
    QString DatumEnde;   // "dd.mm.yyyy"
    TDateTime Datum = 0;
    QString AbschreibungsInfo;
    double Zugang = 0;
    double Abgang = 0;

    // AFA_REPORT's columns in table order, and their upper-case names.
    static const QList<TReportColumn> &Columns();
    static const QStringList &ColumnNames();
    // The row's values in column order; an empty optional gives an invalid QVariant.
    QVariantList Values() const;
};
