#pragma once
// The asset store as the evaluation walks it. While its displays are held, the store's
// details keep still: the evaluation reads the movements of all assets at once.
#include "AssetCursor.h"

class TRecordStore;

class TAssetStoreCursor : public TAssetCursor
{
public:
    explicit TAssetStoreCursor(TRecordStore &store) : Store(store) {}

    bool IsOpen() const override;
    bool IsEmpty() const override;
    bool IsFirstRow() const override;
    int RecordCount() const override;
    void First() override;
    void Next() override;
    bool Eof() const override;
    QVariant CurrentId() const override;
    bool LocateId(const QVariant &id) override;
    QVariant FieldValue(const QString &name) const override;
    void DisableControls() override;
    void EnableControls() override;

private:
    TRecordStore &Store;
};
