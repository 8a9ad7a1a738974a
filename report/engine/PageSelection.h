#pragma once
// A page selection as typed for printing: items separated by ",", each a page "5", a range
// "1-3", a range to the end "4-" or from the start "-3"; blanks around numbers are allowed.
// Empty text selects every page. Pages outside 1..pageCount are dropped. The result is in
// ascending order, each page once. A reversed range ("3-1"), an empty item ("1,,2", ",")
// or any other character is an error.
#include <QList>
#include <QString>

class TPageSelection
{
public:
    // Throws an EReportError "'text' ist keine gültige Seitenauswahl." for bad text.
    static QList<int> Parse(const QString &text, int pageCount);
};
