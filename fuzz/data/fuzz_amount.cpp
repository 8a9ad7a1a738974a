// Any bytes through the amount and plain-number readings; a read amount shown in the
// display form reads back to (nearly) itself.
#include "FieldText.h"
#include "GermanFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    const QString text = QString::fromUtf8(chars, qsizetype(size));
    const double plain = TextToFloatDef(text, 0.0);
    const double amount = TextToAmountDef(text, 0.0);
    if (!std::isfinite(plain) || !std::isfinite(amount))
        std::abort();
    // Whatever reads plainly reads the same as an amount.
    if (plain != 0.0 && plain != amount)
        std::abort();
    if (std::fabs(amount) < 1e15) {
        const QString shown = GermanFormat::FormatFloat(QStringLiteral("#.#,##"), amount);
        const double back = TextToAmountDef(shown, NAN);
        if (shown.isEmpty() ? std::fabs(amount) >= 0.0005
                            : std::fabs(back - amount) > 0.0005 + std::fabs(amount) * 1e-14)
            std::abort();
    }
    return 0;
}
