#include "AssetPage.h"

TAssetPage::TAssetPage(Tdm_Afa &dm, QWidget *parent) : TEntryPage(dm, 230, 33, parent) {}

QSet<int> TAssetPage::SelectedIds() const
{
    return {};
}
