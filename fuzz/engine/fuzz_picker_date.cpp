// Any bytes, read as UTF-8 and as Latin-1, through the date pickers' reading: a readable
// text gives a valid date whose display form reads back as the same date.
#include "PickerDateText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    for (const QString &text :
         {QString::fromUtf8(chars, qsizetype(size)), QString::fromLatin1(chars, qsizetype(size))}) {
        QDate read;
        if (!PickerDateText::Read(text, read) || !read.isValid())
            continue;
        QDate again;
        if (!PickerDateText::Read(PickerDateText::Format(read), again) || again != read)
            std::abort();
    }
    return 0;
}
