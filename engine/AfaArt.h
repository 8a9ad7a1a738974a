#pragma once
// Depreciation kinds and their codes as stored in AFA_ARTEN.KUERZEL.
#include <QString>

enum TAfaArt : int {
    afaLIN = 0,  // straight-line schedule
    afaLINP = 1, // no schedule
    afaGWG = 2,  // no schedule
    afaDEG = 3,  // declining balance with optional change-over
};

// Exact, case-sensitive match; any other text gives afaLIN.
TAfaArt KindFromCode(const QString &code);
// Writes the code into target; a value outside 0..3 leaves target unchanged.
void CodeFromKind(TAfaArt kind, QString &target);
QString CodeFromKind(TAfaArt kind);
