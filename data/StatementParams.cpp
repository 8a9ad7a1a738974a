#include "StatementParams.h"

QStringList ParamNames(const QString &sql)
{
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
            continue;
        }
        if (c != u':' || (i > 0 && (sql.at(i - 1).isLetterOrNumber() || sql.at(i - 1) == u':')))
            continue;
        qsizetype j = i + 1;
        while (j < sql.size() &&
               (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_' || sql.at(j) == u'$'))
            ++j;
        if (j > i + 1) {
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
            i = j - 1;
        }
    }
    return names;
}

TStatementParams &TStatementParamsCache::Of(const QString &sql)
{
    auto it = m_byText.find(sql);
    if (it == m_byText.end()) {
        TStatementParams params;
        for (const QString &name : ParamNames(sql)) {
            params.Placeholders << u':' + name;
            params.UpperNames << name.toUpper();
        }
        it = m_byText.insert(sql, params);
    }
    return it.value();
}
