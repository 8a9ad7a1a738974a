#include "Fonts.h"

#include <QFontDatabase>
#include <algorithm>
#include <limits>

const QStringList TFonts::ScalableSizes = {"5", "6", "7", "8", "9", "10", "12", "14", "16", "18"};

void TFonts::Enumerate()
{
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        if (QFontDatabase::isScalable(family)) {
            Add(family, ScalableSizes);
            continue;
        }
        QStringList sizes;
        for (int size : QFontDatabase::pointSizes(family))
            if (size > 0 && !sizes.contains(QString::number(size)))
                sizes << QString::number(size);
        Add(family, sizes);
    }
}

void TFonts::Add(const QString &family, const QStringList &sizes)
{
    if (!m_sizes.contains(family)) {
        const auto at = std::lower_bound(m_names.begin(), m_names.end(), family,
                                         [](const QString &a, const QString &b) {
                                             return a.compare(b, Qt::CaseInsensitive) < 0;
                                         });
        m_names.insert(at, family);
    }
    m_sizes.insert(family, SortedSizes(sizes));
}

QStringList TFonts::Sizes(const QString &family) const
{
    return m_sizes.value(family);
}

QStringList TFonts::SortedSizes(QStringList sizes)
{
    auto key = [](const QString &text) {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        return ok ? value : std::numeric_limits<double>::max();
    };
    std::stable_sort(sizes.begin(), sizes.end(),
                     [&](const QString &a, const QString &b) { return key(a) < key(b); });
    return sizes;
}
