#pragma once
// Tfrm_RtfSearchAndReplace: searches the editor frame's rich edit and replaces text in it.
// One per frame; its options stay from one opening to the next.
#include "SearchOptions.h"

#include <QDialog>

class QTextEdit;

class Tfrm_RtfSearchAndReplace : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_RtfSearchAndReplace(QWidget *parent = nullptr);
    ~Tfrm_RtfSearchAndReplace() override;

    TSearchOptions Options;

    void Bind(QTextEdit *edit);
    // The owner's flat-button painter (drawn look); may stay unset.
    void SetDrawer(QObject *drawer);
    // false: search mode ("Text suchen"), true: replace mode ("Text ersetzen").
    void SetMode(bool replace);
    // One find step with the current options and position, as "Ok" in search mode (F3).
    void FindNext();
};
