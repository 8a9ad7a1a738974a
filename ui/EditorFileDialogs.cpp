#include "EditorFileDialogs.h"

#include <QFileDialog>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

std::function<QString(const QString &)> TEditorFileDialogs::AskOpen;
std::function<QString(const QString &)> TEditorFileDialogs::AskSave;
std::function<bool(QPrinter &)> TEditorFileDialogs::AskPrinter;

QStringList TEditorFileDialogs::Filters()
{
    return {QStringLiteral("Text-Dokumente (*.txt)"), QStringLiteral("RTF-Dokumente (*.rtf)"),
            QStringLiteral("Alle Dateien (*.*)")};
}

namespace
{

QString ask(QWidget *parent, const QString &current, bool save)
{
    QFileDialog dialog(parent, save ? QStringLiteral("Dokument speichern")
                                    : QStringLiteral("Html-Dokument öffnen"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(TEditorFileDialogs::Filters());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setSizeGripEnabled(true);
    if (!current.isEmpty())
        dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString TEditorFileDialogs::OpenFileName(QWidget *parent, const QString &current)
{
    return AskOpen ? AskOpen(current) : ask(parent, current, false);
}

QString TEditorFileDialogs::SaveFileName(QWidget *parent, const QString &current)
{
    return AskSave ? AskSave(current) : ask(parent, current, true);
}

bool TEditorFileDialogs::SetUpPrinter(QWidget *parent, QPrinter &printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(25, 20, 15, 15), QPageLayout::Millimeter,
                                      QMarginsF(0, 0, 0, 0)));
    if (AskPrinter)
        return AskPrinter(printer);
    QPageSetupDialog setup(&printer, parent);
    if (setup.exec() != QDialog::Accepted)
        return false;
    QPrintDialog choice(&printer, parent);
    return choice.exec() == QDialog::Accepted;
}
