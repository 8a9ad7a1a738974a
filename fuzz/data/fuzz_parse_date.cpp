// Any bytes, read as UTF-8 and as Latin-1, through the lenient and the strict date reading.
#include "DateSerial.h"
#include "FieldText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    for (const QString &text :
         {QString::fromUtf8(chars, qsizetype(size)), QString::fromLatin1(chars, qsizetype(size))}) {
        const TDateTime value = ParseDateText(text);
        // Zero, or a date between 01.01.0001 and 31.12.9999.
        if (value != 0 && (value < -693594 || value >= 2958466))
            std::abort();
        if (value != 0 && !DateSerial::ToQDateTime(value).isValid())
            std::abort();
        TDateTime strict = 0;
        if (TryReadDateTime(text, strict) && !DateSerial::ToQDateTime(strict).isValid())
            std::abort();
    }
    return 0;
}
