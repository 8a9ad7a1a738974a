#include "AccountPage.h"

TAccountPage::TAccountPage(Tdm_Afa &dm, QWidget *parent) : TEntryPage(dm, 113, 33, parent) {}
