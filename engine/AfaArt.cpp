#include "AfaArt.h"

TAfaArt KindFromCode(const QString &code)
{
    // "LINP" before "LIN": order of the comparison as the codes are listed.
    if (code == u"LINP")
        return afaLINP;
    if (code == u"LIN")
        return afaLIN;
    if (code == u"GWG")
        return afaGWG;
    if (code == u"DEG")
        return afaDEG;
    return afaLIN;
}

void CodeFromKind(TAfaArt kind, QString &target)
{
    switch (kind) {
    case afaLIN:
        target = QStringLiteral("LIN");
        break;
    case afaLINP:
        target = QStringLiteral("LINP");
        break;
    case afaGWG:
        target = QStringLiteral("GWG");
        break;
    case afaDEG:
        target = QStringLiteral("DEG");
        break;
    }
}

QString CodeFromKind(TAfaArt kind)
{
    QString code;
    CodeFromKind(kind, code);
    return code;
}
