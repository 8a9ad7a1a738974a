// TEMPORARY: empty print and save procedures, so that the preview links until the real
// SnapshotExport.cpp is in. Remove together with its line in Preview.cmake.
#include "SnapshotExport.h"

SnapshotExport::TAskFileName SnapshotExport::AskFileName;

QString SnapshotExport::NoReportMessage()
{
    return QStringLiteral("Es ist kein Report vorhanden.");
}

void SnapshotExport::PrintSnapshot(TExportContext &) {}

void SnapshotExport::SaveSnapshot(TExportContext &) {}
