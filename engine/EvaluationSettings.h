#pragma once
// The evaluation settings as the controls hold them (or a command line gives them).
#include "DateSerial.h"

#include <QDate>
#include <QSet>
#include <QString>

enum class TAfaMode { Linear, Degressiv, Individuell };
enum class TAfaFilterChoice { Wirtschaftsjahr, Zeitraum, Auswahl };

struct TEvaluationSettings {
    TAfaMode Mode = TAfaMode::Linear;
    QString PercentText = QStringLiteral("20");
    bool AllowSwitch = false;
    TAfaFilterChoice Filter = TAfaFilterChoice::Wirtschaftsjahr;
    QString FiscalYearText = QString::number(QDate::currentDate().year());
    TDateTime From = 0; // 0: picker empty
    TDateTime To = 0;
    QSet<int> SelectedIds; // asset IDs selected in the assets grid
};
