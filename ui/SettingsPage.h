#pragma once
// The page "Einstellungen": the two report headlines, written in the editor frame, and a
// hint on the placeholder. The main window's SettingsCommand loads and stores them.
#include <QWidget>

class QRadioButton;
class QPlainTextEdit;
class Tfrm_RtfEditor;

class TSettingsPage : public QWidget
{
    Q_OBJECT
public:
    explicit TSettingsPage(QWidget *parent = nullptr);

    QRadioButton *rbt_TitleRep;
    QRadioButton *rbt_TitleRun;
    Tfrm_RtfEditor *rtfe_Title;
    QPlainTextEdit *mem_Hint;

    // The settings key of the checked radio button: "RPT" or "RUT".
    QString CheckedKey() const;
    void CheckKey(const QString &key);

    static QStringList HintLines();

signals:
    // A radio button was checked by the user.
    void TitleToggled();
};
