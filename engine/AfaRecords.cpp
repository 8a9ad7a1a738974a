#include "AfaRecords.h"

const QStringList &TAfaReportRow::ColumnNames()
{
    static const QStringList names = {
        QStringLiteral("ID"),
        QStringLiteral("AFA_ERFASSUNG_ID"),
        QStringLiteral("INVENTARNR"),
        QStringLiteral("BEZEICHNUNG"),
        QStringLiteral("ANSCHAFFUNGSDATUM"),
        QStringLiteral("ABSCHREIBUNGSDATUM"),
        QStringLiteral("KOSTEN"),
        QStringLiteral("NUTZUNGSDAUER"),
        QStringLiteral("AFA_KONTEN_ID"),
        QStringLiteral("AFA_KONTEN_NR"),
        QStringLiteral("AFA_KONTEN_BEZEICHNUNG"),
        QStringLiteral("RND"),
        QStringLiteral("AFA"),
        QStringLiteral("RESTBETRAGBEGIN"),
        QStringLiteral("RESTBETRAG"),
        QStringLiteral("DATUMBEGINN"),
        QStringLiteral("DATUMENDE"),
        QStringLiteral("DATUM"),
        QStringLiteral("ABSCHREIBUNGSINFO"),
        QStringLiteral("ZUGANG"),
        QStringLiteral("ABGANG"),
    };
    return names;
}
