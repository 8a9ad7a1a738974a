#include "MovementPage.h"

TMovementPage::TMovementPage(Tdm_Afa &dm, QWidget *parent) : TEntryPage(dm, 211, 32, parent) {}
