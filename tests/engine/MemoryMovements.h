#pragma once
// Movements cursor over rows held in memory, with counters to check the engine's manners.
#include "MovementCursor.h"

#include <QList>
#include <QMap>
#include <stdexcept>

class MemoryMovements : public TMovementCursor
{
public:
    struct Row {
        int id;
        QVariant datum;
        QVariant zugang;
        QVariant abgang = QVariant();
        int aktiv = 1;
    };
    QList<Row> rows;
    int position = 0;
    int disableCount = 0;
    int maxDisable = 0;
    int throwOnReadOfRow = -1; // throws when a field of that row index is read
    bool throwOnLocate = false;

    bool IsEmpty() const override { return rows.isEmpty(); }
    void First() override { position = 0; }
    void Next() override
    {
        if (position < rows.size())
            ++position;
    }
    bool Eof() const override { return position >= rows.size(); }
    QVariant CurrentId() const override
    {
        return position < rows.size() ? QVariant(rows[position].id) : QVariant();
    }
    bool LocateId(const QVariant &id) override
    {
        if (throwOnLocate)
            throw std::runtime_error("Positionierfehler");
        for (int i = 0; i < rows.size(); ++i)
            if (QVariant(rows[i].id) == id) {
                position = i;
                return true;
            }
        return false;
    }
    QVariant FieldValue(const QString &name) const override
    {
        if (position >= rows.size())
            return {};
        if (position == throwOnReadOfRow)
            throw std::runtime_error("Lesefehler");
        const Row &r = rows[position];
        const QString n = name.toUpper();
        if (n == u"ID")
            return r.id;
        if (n == u"DATUM")
            return r.datum;
        if (n == u"ZUGANG")
            return r.zugang;
        if (n == u"ABGANG")
            return r.abgang;
        if (n == u"AKTIV")
            return r.aktiv;
        return {};
    }
    void DisableControls() override
    {
        ++disableCount;
        maxDisable = std::max(maxDisable, disableCount);
    }
    void EnableControls() override { --disableCount; }
};
