#pragma once
// The installed printers and the one chosen for printing (the system's default printer
// until another is chosen). The port of a printer is its location as the print system
// knows it (CUPS "printer-location"), empty when none is set.
#include <QPrinterInfo>
#include <QString>

class QPrinter;

class TPrinterDevice
{
public:
    int PrinterCount() const;
    // Empty when no printer is installed.
    QString CurrentPrinterName() const;
    QString CurrentPort() const;
    // Throws an EReportError for a printer that is not installed.
    void SetCurrentPrinter(const QString &name);
    // Copies the driver prints by itself: 1 without a printer or support for copies.
    int CopiesSupported() const;
    QPrinterInfo CurrentPrinter() const;
    // Directs printer to the current printer.
    void Configure(QPrinter &printer) const;

private:
    QString m_chosen;
};
