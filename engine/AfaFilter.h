#pragma once
// Which assets and schedule years an evaluation covers, and where its output goes.
#include "AfaArt.h"
#include "DateSerial.h"

#include <QtGlobal>

class QObject;

enum TAfaFilterFlag : quint8 {
    FilterYear = 1,      // "Wirtschaftsjahr": only the schedule year Year
    FilterSpan = 2,      // "Zeitraum ": acquired strictly between From and To
    FilterSelection = 4, // the assets selected in Grid
    TargetText = 8,      // text preview
    TargetPrint = 16,    // report rows and print preview
};
using TAfaFilterFlags = quint8;

class TAfaFilter
{
public:
    TAfaFilter();

    // Flags := (Flags + add) - remove; a bit in both ends cleared.
    void SetFlags(TAfaFilterFlags add, TAfaFilterFlags remove);
    // True when Flags and set share a bit.
    bool HasFlag(TAfaFilterFlags set) const;

    TDateTime From = 0; // exclusive
    TDateTime To = 0;   // exclusive; 0 = not set
    int Year = 0;
    TAfaFilterFlags Flags = FilterSelection;
    QObject *Grid = nullptr; // the assets grid, not owned
    TAfaArt Kind = afaLIN;
};
