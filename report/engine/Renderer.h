#pragma once
// The base of every output of a snapshot (preview, printer, file). A renderer is in the
// renderer registry for as long as it lives.
#include <QString>

class TRenderer
{
public:
    TRenderer();
    virtual ~TRenderer();
    TRenderer(const TRenderer &) = delete;
    TRenderer &operator=(const TRenderer &) = delete;

    virtual QString DisplayName() const = 0;
    // Save-dialog pattern such as "*.pdf"; empty for renderers that write no file.
    virtual QString FileExtension() const { return {}; }
    virtual bool IsPdf() const { return false; }

    bool Active = true;
};
