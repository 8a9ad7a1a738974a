#pragma once
// The movements of every asset, read in one statement before a walk over the assets and
// served as the movements of the asset the asset cursor stands on. Saves one detail read
// per asset; the rows are those the detail store would read, in the same order.
#include "AssetCursor.h"
#include "MovementCursor.h"

#include <QHash>
#include <QStringList>
#include <QVector>
#include <optional>

class Tdm_Afa;

class TMovementTable : public TMovementCursor
{
public:
    TMovementTable(Tdm_Afa &dm, const TAssetCursor &assets) : DataModule(dm), Assets(assets) {}

    // Reads all movements (again); raises EDatabaseError when they cannot be read.
    void Load();
    // Forgets the rows; the next use reads them again.
    void Clear();
    bool Loaded() const { return m_loaded; }

    bool IsEmpty() const override;
    void First() override;
    void Next() override;
    bool Eof() const override;
    QVariant CurrentId() const override;
    bool LocateId(const QVariant &id) override;
    // Id, Afa_Erfassung_Id, Datum and Zugang; any other name raises EDatabaseError.
    QVariant FieldValue(const QString &name) const override;
    // Sums worked out at reading, in row order as the walk would add them.
    bool KnownAdditionsOfYear(int year, double &sum) const override;
    void DisableControls() override {}
    void EnableControls() override {}

private:
    using TRow = QVector<QVariant>;
    const QVector<TRow> &Rows() const; // the current asset's rows
    const TRow *CurrentRow() const;

    Tdm_Afa &DataModule;
    const TAssetCursor &Assets;
    bool m_loaded = false;
    QStringList m_columns; // upper case, select order
    int m_idColumn = -1;
    QHash<int, QVector<TRow>> m_byAsset;
    static qint64 AssetYear(int asset, int year) { return (qint64(asset) << 32) | quint32(year); }
    QHash<qint64, double> m_additions; // sum of "Zugang" by AssetYear
    // Position: the asset it belongs to and the row index there.
    mutable std::optional<int> m_asset;
    mutable const QVector<TRow> *m_rows = nullptr;
    int m_pos = 0;
    mutable QString m_lastName; // last field asked for and its column
    mutable int m_lastColumn = -1;
};
