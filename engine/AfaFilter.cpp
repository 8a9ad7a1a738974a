#include "AfaFilter.h"

#include <QDate>

TAfaFilter::TAfaFilter() : Year(QDate::currentDate().year()) {}

void TAfaFilter::SetFlags(TAfaFilterFlags add, TAfaFilterFlags remove)
{
    Flags = static_cast<TAfaFilterFlags>((Flags | add) & ~remove);
}

bool TAfaFilter::HasFlag(TAfaFilterFlags set) const
{
    return (Flags & set) != 0;
}
