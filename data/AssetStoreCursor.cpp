#include "AssetStoreCursor.h"

#include "RecordStore.h"

bool TAssetStoreCursor::IsOpen() const
{
    return Store.Active();
}
bool TAssetStoreCursor::IsEmpty() const
{
    return Store.IsEmpty();
}
bool TAssetStoreCursor::IsFirstRow() const
{
    return Store.RecNo() == 0;
}
int TAssetStoreCursor::RecordCount() const
{
    return Store.RecordCount();
}
void TAssetStoreCursor::First()
{
    Store.First();
}
void TAssetStoreCursor::Next()
{
    Store.Next();
}
bool TAssetStoreCursor::Eof() const
{
    return Store.Eof();
}
QVariant TAssetStoreCursor::CurrentId() const
{
    return Store.CurrentId();
}
bool TAssetStoreCursor::LocateId(const QVariant &id)
{
    return Store.LocateId(id);
}
QVariant TAssetStoreCursor::FieldValue(const QString &name) const
{
    return Store.FieldValue(name);
}
void TAssetStoreCursor::DisableControls()
{
    Store.DisableControls();
    Store.SuspendDetails();
}
void TAssetStoreCursor::EnableControls()
{
    Store.ResumeDetails();
    Store.EnableControls();
}
