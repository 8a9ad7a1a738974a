#pragma once
// Tfrm_Afa: the program's main window. Five pages ("Willkommen", "Abschreibungsgüter",
// "Auswertung", "Konten", "Einstellungen"), the main menu, and one handler for every command
// (ActionClicks). Creating it runs FormCreate, which opens the database through the assets
// store; destroying it runs FormDestroy. A failure while creating it is reported once the
// window shows, and the window comes up without data.
// While a command runs, the commands and "Beenden" are disabled, user input is held back and
// a close request waits until the command has ended. Closing asks about a record still being
// edited and commits explicitly; a failed commit keeps the window open.
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QPushButton;
class QTabWidget;
class QRadioButton;
class Tfrm_RtfEditor;
class TSettingsPage;
class TAccountPage;
class TDbGrid;
class TAssetPage;
class TCloseSignals;
class Tdm_Afa;
class TEntryPage;
class TEvaluationSession;
class TEvaluationSettingsPage;
class Tfrm_AfaReport;
class TIntroPage;

// Sorts the grid's rows by the clicked column through the one grid sorter.
void SortGridByColumn(TDbGrid *grid, int column);

class Tfrm_Afa : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_Afa(Tdm_Afa &dm, QWidget *parent = nullptr);
    ~Tfrm_Afa() override;

    // Runs the command of sender: an evaluate button, "Info", "Beenden", "Speichern" or
    // ".. und los geht's"; any other sender does nothing.
    void ActionClicks(QObject *sender);
    void AfaArtSelClick();
    void ToggleTitleClick();
    void DBGridTitleClick(int column);
    void UpdatePercentEdit();
    // "save", "load": the report headlines of the settings page (not built yet).
    void SettingsCommand(const QString &keyword);
    // The report host, created on the first call.
    Tfrm_AfaReport *ReportHost();
    TEvaluationSession *Session() const { return m_session.get(); }
    bool CommandRunning() const { return m_commandDepth > 0; }

    QTabWidget *pgc_Main;
    QTabWidget *pgc_Afa;
    QTabWidget *pgc_Evaluation;
    QWidget *ts_Welcome;
    QWidget *ts_AfaErfassung;
    QWidget *ts_Evaluation;
    QWidget *ts_Accounts;
    QWidget *ts_Settings;
    QWidget *ts_TextPreview;
    QWidget *ts_PrintPreview;
    TAssetPage *ts_Assets;
    TEntryPage *ts_Movements;
    TAccountPage *ts_AccountEntry;
    TEvaluationSettingsPage *ts_EvaluationSettings;
    TIntroPage *wb_Intro;
    Tfrm_RtfEditor *rtfe_Afa; // the text preview
    TSettingsPage *ts_SettingsBody;
    Tfrm_RtfEditor *rtfe_Title; // the report headline of the checked radio button
    QRadioButton *rbt_TitleRep;
    QRadioButton *rbt_TitleRun;
    QPushButton *bt_GotoAfaErf;
    QPushButton *bt_AfaCalcTextPreview;
    QPushButton *bt_AfaCalcPrintPreview;
    QPushButton *bt_SaveSettings;
    QAction *mmi_Beenden;
    QAction *mmi_Info;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildWindow();
    void BuildMenu();
    QWidget *BuildWelcomePage();
    QWidget *BuildEvaluationPage();
    QWidget *BuildSettingsPage();
    QPushButton *CommandButton(const QString &caption, const QString &name, int width);
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void ShowIntroPage();
    // False when another command still runs and nothing was evaluated.
    bool Evaluate();
    // Stores the headline editor's content under "RPT" or "RUT".
    void StoreTitle(const QString &key);
    // The entry pages' controls hand over what they hold.
    void SubmitPageEdits();
    // Hands over what the pages' controls hold; a changed record is posted (an error stops
    // the caller), a new unchanged one dropped.
    void PostPendingEdits();
    // Asks about records still being edited; false when the user keeps the window open.
    bool SettleEditsBeforeClose();
    void CommandStarted();
    void CommandEnded();

    Tdm_Afa &m_dm;
    std::unique_ptr<TEvaluationSession> m_session;
    Tfrm_AfaReport *m_reportHost = nullptr;
    TCloseSignals *m_closeSignals = nullptr;
    quint8 m_windowFlags = 0;
    int m_commandDepth = 0;
    QString m_titleKey; // the settings key of the headline in the editor
    bool m_closeWaiting = false;

    static constexpr quint8 FirstShow = 1;
};
