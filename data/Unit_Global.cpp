#include "Unit_Global.h"

#include <QCoreApplication>

namespace
{
int createdCount = 0;
std::unique_ptr<TGlobal> holder;
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
    if (!holder) {
        holder = std::make_unique<TGlobal>();
        // Called from the application object's destructor, while the application still exists.
        if (QCoreApplication::instance())
            qAddPostRoutine(ReleaseGlobal);
    }
    return *holder;
}

void ReleaseGlobal()
{
    holder.reset();
}
