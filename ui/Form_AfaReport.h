#pragma once
// Tfrm_AfaReport: the report host. Its report driver renders the report rows into a preview
// placed in the main window's "Druckvorschau" sub-page. The driver and the preview are not
// built yet: the host keeps the sheet and renders nothing.
#include <QObject>
#include <QPointer>
#include <QWidget>

class Tfrm_AfaReport : public QObject
{
    Q_OBJECT
public:
    explicit Tfrm_AfaReport(QObject *parent = nullptr) : QObject(parent) {}

    // The preview goes into sheet.
    void PlaceInSheet(QWidget *sheet) { m_sheet = sheet; }
    QWidget *Sheet() const { return m_sheet; }
    // Renders the report rows of the last evaluation into the preview.
    void ExecuteReport() {}

private:
    QPointer<QWidget> m_sheet;
};
