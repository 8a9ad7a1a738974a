#include "Unit_Global.h"

namespace
{
int createdCount = 0;
std::unique_ptr<TGlobal> holder; // released at process end
} // namespace

TGlobal::TGlobal() : BlobHelper(std::make_unique<TBlobStreamHelper>())
{
    ++createdCount;
}

TGlobal::~TGlobal() = default;

int TGlobal::CreatedCount()
{
    return createdCount;
}

TGlobal &Global()
{
    if (!holder)
        holder = std::make_unique<TGlobal>();
    return *holder;
}
