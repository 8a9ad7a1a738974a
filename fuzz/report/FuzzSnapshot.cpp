// Any bytes as a snapshot: Load and every page either succeed or throw EReportError.
#include "ReportError.h"
#include "Snapshot.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        TSnapshot snapshot;
        snapshot.Load(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        for (int n = 1; n <= snapshot.PageCount(); ++n) {
            const TSnapshotPage page = snapshot.Page(n);
            for (const TSnapItem &item : page.Items)
                if (item.Kind == TSnapItem::TKind::PageText)
                    FillPageText(item.Text, n, snapshot.PageCount());
        }
    } catch (const EReportError &) {
    }
    return 0;
}
