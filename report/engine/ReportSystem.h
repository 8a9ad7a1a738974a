#pragma once
// The engine between renders: holds what printing from the preview may do and the printer
// settings chosen last. It takes no pages.
#include "ReportEngine.h"

#include <QPrinter>

class TReportSystem : public TReportEngine
{
public:
    struct Permissions {
        bool SetupFromPreview = true;
        bool Copies = true;
        bool Collate = true;
        bool Duplex = true;
        bool PrinterSetup = true;
    };
    struct Options {
        bool PrintFromPreview = true;
    };
    struct PrinterSettings {
        int Copies = 1;
        bool Collate = false;
        QPrinter::DuplexMode Duplex = QPrinter::DuplexNone;
    };

    Permissions Permission;
    Options Option;
    PrinterSettings Printer;

    TPageSink *PageSink() override { return nullptr; }
};
