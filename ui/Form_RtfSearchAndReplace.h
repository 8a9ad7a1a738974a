#pragma once
// Tfrm_RtfSearchAndReplace: searches the editor frame's rich edit and replaces text in it.
// One per frame; its options stay from one opening to the next.
#include "SearchOptions.h"
#include "SpeedButtonDrawer.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QWidget;

class Tfrm_RtfSearchAndReplace : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_RtfSearchAndReplace(QWidget *parent = nullptr);
    ~Tfrm_RtfSearchAndReplace() override;

    TSearchOptions Options;

    void Bind(QTextEdit *edit);
    // The owner's flat-button painter (drawn look); may stay unset.
    // Registers the dialog's buttons with the owner's flat-button painter (none: nullptr).
    void SetDrawer(TSpeedButtonDrawer *drawer);
    // false: search mode ("Text suchen"), true: replace mode ("Text ersetzen").
    void SetMode(bool replace);
    // One find step with the current options and position, as "Ok" in search mode (F3).
    void FindNext();

    // Answers "Ersetzen ?" with Yes, No, Cancel or YesToAll; unset: the question is shown.
    std::function<QMessageBox::StandardButton()> AskReplace;

    QLineEdit *edt_Search = nullptr;
    QLineEdit *edt_Replace = nullptr;
    QListWidget *lst_Options = nullptr;
    QRadioButton *rb_Forward = nullptr, *rb_Backward = nullptr;
    QRadioButton *rb_WholeText = nullptr, *rb_Selection = nullptr;
    QRadioButton *rb_FromCursor = nullptr, *rb_FromStart = nullptr;
    QPushButton *btn_Ok = nullptr, *btn_Cancel = nullptr, *btn_ReplaceAll = nullptr;

private:
    void Start(bool replaceAll);
    void ReadControls(bool replaceAll);
    void InitRun();
    bool CheckPattern();
    void ReplaceRun();
    int RegionEnd() const;
    void SelectMatch(int start, int length);
    QMessageBox::StandardButton Ask();

    QTextEdit *m_edit = nullptr;
    QPointer<TSpeedButtonDrawer> m_drawer;
    QWidget *m_replaceRow = nullptr;
    bool m_replaceMode = true;
    // The run: where the next step looks, its direction and the searched region.
    int m_position = 0;
    bool m_backward = false;
    int m_regionStart = 0;
    int m_regionEnd = -1; // -1: the end of the text
    bool m_allConfirmed = false;
};
