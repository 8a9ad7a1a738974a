#pragma once
// The settings of one search dialog, kept across openings.
#include <QString>

struct TSearchOptions {
    QString SearchText;
    QString ReplaceText;
    bool CaseSensitive = false;
    bool RegularExpressions = false;
    bool Confirm = true;
    bool WholeWords = false;
    bool ReplaceAll = false;
    bool Backward = false;
    bool FromTextStart = true;
    bool SelectionOnly = false;
};
