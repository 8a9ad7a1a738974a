#pragma once
// "Anlagen": the assets store as a form and a multi-select grid whose title clicks sort.
#include "EntryPage.h"

#include <QSet>

class TAssetPage : public TEntryPage
{
    Q_OBJECT
public:
    explicit TAssetPage(Tdm_Afa &dm, QWidget *parent = nullptr);

    // IDs of the assets selected in the grid.
    QSet<int> SelectedIds() const;

signals:
    // A column title of the assets grid was clicked.
    void TitleClicked(int column);
};
