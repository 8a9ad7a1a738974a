#pragma once
#include "EntryPage.h"

class TMovementPage : public TEntryPage
{
    Q_OBJECT
public:
    explicit TMovementPage(Tdm_Afa &dm, QWidget *parent = nullptr);
};
