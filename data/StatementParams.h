#pragma once
// Named parameters of a statement (":NAME"), worked out once per statement text.
#include <QHash>
#include <QStringList>

// Parameter names of a statement, in order, without repeats (case-insensitive); quoted text
// and "::" are skipped.
QStringList ParamNames(const QString &sql);

struct TStatementParams {
    QStringList Placeholders; // ":Name" as written
    QStringList UpperNames;
};

// The parameters of each statement text a store ran.
class TStatementParamsCache
{
public:
    TStatementParams &Of(const QString &sql);
    void Clear() { m_byText.clear(); }

private:
    QHash<QString, TStatementParams> m_byText;
};
