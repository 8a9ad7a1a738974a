#pragma once
// The renderers the save command offers: the first active PDF renderer of the registry,
// then our own snapshot format (written byte for byte, no renderer).
#include <QList>
#include <QString>
#include <QStringList>

class TRenderer;

class TRenderObjectList
{
public:
    // Empties the list and walks the registry in registration order.
    void Build();
    int Count() const { return int(m_items.size()); }
    // nullptr for an index outside the list.
    TRenderer *ItemAt(int index) const;
    static bool IsPdf(const TRenderer *item);
    // One entry per renderer, display name "|" pattern ("Adobe Acrobat (PDF)|*.pdf"), then
    // the snapshot format's entry.
    QStringList GetFilter() const;
    // The same entries as a file dialog shows them ("Adobe Acrobat (PDF) (*.pdf)").
    QStringList DialogFilters() const;

    static QString SnapshotFilter() { return QStringLiteral("norbekAfa-Report|*.nsr"); }

private:
    QList<TRenderer *> m_items;
};
