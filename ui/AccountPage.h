#pragma once
#include "EntryPage.h"

class TAccountPage : public TEntryPage
{
    Q_OBJECT
public:
    explicit TAccountPage(Tdm_Afa &dm, QWidget *parent = nullptr);
};
