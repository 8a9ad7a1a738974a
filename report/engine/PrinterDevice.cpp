#include "PrinterDevice.h"

#include "ReportError.h"

#include <QPrinter>

namespace
{
constexpr int ManyCopies = 999;
}

int TPrinterDevice::PrinterCount() const
{
    return int(QPrinterInfo::availablePrinterNames().size());
}

QPrinterInfo TPrinterDevice::CurrentPrinter() const
{
    if (!m_chosen.isEmpty()) {
        const QPrinterInfo chosen = QPrinterInfo::printerInfo(m_chosen);
        if (!chosen.isNull())
            return chosen;
    }
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull())
        return standard;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(names.first());
}

QString TPrinterDevice::CurrentPrinterName() const
{
    return CurrentPrinter().printerName();
}

QString TPrinterDevice::CurrentPort() const
{
    return CurrentPrinter().location();
}

void TPrinterDevice::SetCurrentPrinter(const QString &name)
{
    if (QPrinterInfo::printerInfo(name).isNull())
        throw EReportError(QStringLiteral("Den Drucker „%1“ gibt es nicht.").arg(name));
    m_chosen = name;
}

int TPrinterDevice::CopiesSupported() const
{
    const QPrinterInfo info = CurrentPrinter();
    if (info.isNull())
        return 1;
    QPrinter printer(info);
    return printer.supportsMultipleCopies() ? ManyCopies : 1;
}

void TPrinterDevice::Configure(QPrinter &printer) const
{
    const QString name = CurrentPrinterName();
    if (!name.isEmpty()) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(name);
    }
}
