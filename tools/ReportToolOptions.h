#pragma once
// Command line of norbekAfa-report.
#include "EvaluationSettings.h"

#include <QString>
#include <QStringList>

struct TReportToolOptions {
    enum class TFormat { Csv, Text, Pdf };

    QString Database; // empty: the database beside the executable
    TEvaluationSettings Settings;
    TFormat Format = TFormat::Csv;
    QString Output; // empty: standard output
    bool Help = false;
};

// Reads the arguments (without the program name). False with a German message on error.
bool ParseReportToolArguments(const QStringList &arguments, TReportToolOptions &options,
                              QString &error);

QString ReportToolHelpText();
