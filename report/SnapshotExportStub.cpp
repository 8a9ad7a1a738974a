// TEMPORARY: empty print and save procedures and an empty set-up dialog, so that the preview
// links until SnapshotExport.cpp and Form_RpSetupGerman.cpp are in. Remove together with its
// line in Preview.cmake.
#include "Form_RpSetupGerman.h"
#include "SnapshotExport.h"

SnapshotExport::TAskFileName SnapshotExport::AskFileName;

QString SnapshotExport::NoReportMessage()
{
    return QStringLiteral("Es ist kein Report vorhanden.");
}

void SnapshotExport::PrintSnapshot(TExportContext &) {}

void SnapshotExport::SaveSnapshot(TExportContext &) {}

Tfrm_RpSetupGerman::Tfrm_RpSetupGerman(QWidget *parent) : QDialog(parent) {}

Tfrm_RpSetupGerman::~Tfrm_RpSetupGerman() = default;

void Tfrm_RpSetupGerman::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}

bool Tfrm_RpSetupGerman::eventFilter(QObject *watched, QEvent *event)
{
    return QDialog::eventFilter(watched, event);
}
