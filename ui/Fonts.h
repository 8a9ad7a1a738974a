#pragma once
// TFonts: the installed font families, sorted by name, each with its point sizes as texts
// sorted numerically.
#include <QHash>
#include <QStringList>

class TFonts
{
public:
    // The sizes offered for every scalable family.
    static const QStringList ScalableSizes;

    // Adds every installed family (scalable: ScalableSizes, others: the sizes they offer).
    void Enumerate();
    // Adds or replaces one family; the sizes are sorted numerically.
    void Add(const QString &family, const QStringList &sizes);

    const QStringList &Names() const { return m_names; }
    // The family's sizes; empty for an unknown family.
    QStringList Sizes(const QString &family) const;
    qsizetype Count() const { return m_names.size(); }

    // Sorts size texts as numbers ("5" before "10"); texts that are no numbers go last.
    static QStringList SortedSizes(QStringList sizes);

private:
    QStringList m_names;
    QHash<QString, QStringList> m_sizes;
};
