#include "Form_Afa.h"

#include "PageControlDrawer.h"
#include "RefreshForm.h"
#include "SpeedButtonDrawer.h"
#include "Unit_Global.h"
#include "UserMainMenuList.h"

#include "AccountPage.h"
#include "AppPaths.h"
#include "AssetPage.h"
#include "CloseSignals.h"
#include "CommandProgress.h"
#include "DBGridSorter.h"
#include "DMod_Afa.h"
#include "DbGrid.h"
#include "ErrorHandler.h"
#include "EvaluationSession.h"
#include "EvaluationSettingsPage.h"
#include "Form_About.h"
#include "Form_AfaReport.h"
#include "Form_RpPreviewGerman.h"
#include "Frame_RtfEditor.h"
#include "IntroPage.h"
#include "MovementPage.h"
#include "PageParts.h"
#include "ScopeGuard.h"
#include "SettingsPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSessionManager>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

void SortGridByColumn(TDbGrid *grid, int column)
{
    if (TStoreField *field = grid->FieldOfColumn(column))
        GridSorter().SortByField(grid->Store(), field);
}

namespace
{
const QColor WindowColor(0xDE, 0xDE, 0xDE);

QWidget *PlainPage(QWidget *parent, const QString &name)
{
    auto *page = new QWidget(parent);
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return page;
}

QTabWidget *PageControl(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *pages = new QTabWidget(parent);
    pages->setObjectName(name);
    pages->setAccessibleName(accessibleName);
    pages->setDocumentMode(true);
    return pages;
}
} // namespace

Tfrm_Afa::Tfrm_Afa(Tdm_Afa &dm, QWidget *parent) : QMainWindow(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("frm_Afa"));
    m_closeSignals = new TCloseSignals([this] { close(); }, this);
    BuildWindow();
    try {
        FormCreate();
    } catch (...) {
        // Reported over the shown window; the window comes up without data.
        QTimer::singleShot(0, this, [error = std::current_exception()] {
            TErrorHandler::Report(QStringLiteral("Tfrm_Afa.FormCreate"), error);
        });
    }
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        if (!close() && manager.allowsInteraction())
            manager.cancel();
    });
}

Tfrm_Afa::~Tfrm_Afa()
{
    FormDestroy();
}

void Tfrm_Afa::BuildWindow()
{
    setWindowTitle(QStringLiteral("norbek >> Dov - Ivevera"));
    setAccessibleName(windowTitle());
    resize(915, 786);
    QFont font = this->font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);
    PageParts::Fill(this, WindowColor);
    BuildMenu();

    pgc_Main = PageControl(this, QStringLiteral("pgc_Main"), QStringLiteral("Hauptseiten"));
    setCentralWidget(pgc_Main);

    ts_Welcome = BuildWelcomePage();
    pgc_Main->addTab(ts_Welcome, QStringLiteral("Willkommen"));

    ts_AfaErfassung = PlainPage(pgc_Main, QStringLiteral("ts_AfaErfassung"));
    pgc_Afa = PageControl(ts_AfaErfassung, QStringLiteral("pgc_Afa"),
                          QStringLiteral("Abschreibungsgüter"));
    ts_AfaErfassung->layout()->addWidget(pgc_Afa);
    ts_Assets = new TAssetPage(m_dm, pgc_Afa);
    ts_Assets->setObjectName(QStringLiteral("ts_Anlagen"));
    pgc_Afa->addTab(ts_Assets, QStringLiteral("Anlagen"));
    ts_Movements = new TMovementPage(m_dm, pgc_Afa);
    ts_Movements->setObjectName(QStringLiteral("ts_ZuAbgang"));
    pgc_Afa->addTab(ts_Movements, QStringLiteral("Zu- / Abgänge"));
    pgc_Main->addTab(ts_AfaErfassung, QStringLiteral("Abschreibungsgüter"));
    connect(ts_Assets, &TAssetPage::TitleClicked, this, &Tfrm_Afa::DBGridTitleClick);

    ts_Evaluation = BuildEvaluationPage();
    pgc_Main->addTab(ts_Evaluation, QStringLiteral("Auswertung"));

    ts_Accounts = PlainPage(pgc_Main, QStringLiteral("ts_Konten"));
    ts_AccountEntry = new TAccountPage(m_dm, ts_Accounts);
    ts_Accounts->layout()->addWidget(ts_AccountEntry);
    pgc_Main->addTab(ts_Accounts, QStringLiteral("Konten"));

    ts_Settings = BuildSettingsPage();
    pgc_Main->addTab(ts_Settings, QStringLiteral("Einstellungen"));

    for (QTabWidget *pages : {pgc_Main, pgc_Afa, pgc_Evaluation})
        pages->setCurrentIndex(0);
}

void Tfrm_Afa::BuildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("Datei"));
    file->setAccessibleName(QStringLiteral("Datei"));
    mmi_Beenden = file->addAction(QStringLiteral("Beenden"));
    mmi_Beenden->setObjectName(QStringLiteral("mmi_Beenden"));
    QMenu *help = menuBar()->addMenu(QStringLiteral("Hilfe"));
    help->setAccessibleName(QStringLiteral("Hilfe"));
    mmi_Info = help->addAction(QStringLiteral("Info"));
    mmi_Info->setObjectName(QStringLiteral("mmi_Info"));
    for (QAction *action : {mmi_Beenden, mmi_Info})
        connect(action, &QAction::triggered, this, [this, action] { ActionClicks(action); });
}

QPushButton *Tfrm_Afa::CommandButton(const QString &caption, const QString &name, int width)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    if (width > 0)
        button->setFixedWidth(width);
    connect(button, &QPushButton::clicked, this, [this, button] { ActionClicks(button); });
    return button;
}

QWidget *Tfrm_Afa::BuildWelcomePage()
{
    QWidget *page = PlainPage(pgc_Main, QStringLiteral("ts_Willkommen"));
    QHBoxLayout *buttons = nullptr;
    page->layout()->addWidget(PageParts::ToolbarStrip(page, QColor(), buttons));
    bt_GotoAfaErf =
        CommandButton(QStringLiteral(".. und los geht's"), QStringLiteral("bt_GotoAfaErf"), 118);
    buttons->addWidget(bt_GotoAfaErf);
    buttons->addStretch(1);
    wb_Intro = new TIntroPage(page);
    wb_Intro->setObjectName(QStringLiteral("wb_Intro"));
    wb_Intro->setAccessibleName(QStringLiteral("Willkommen"));
    page->layout()->addWidget(wb_Intro);
    return page;
}

QWidget *Tfrm_Afa::BuildEvaluationPage()
{
    QWidget *page = PlainPage(pgc_Main, QStringLiteral("ts_Auswertung"));
    QHBoxLayout *buttons = nullptr;
    page->layout()->addWidget(PageParts::ToolbarStrip(page, QColor(), buttons));
    bt_AfaCalcTextPreview = CommandButton(QStringLiteral("Auswerten mit Textvorschau"),
                                          QStringLiteral("bt_AfaCalcTextPreview"), 172);
    bt_AfaCalcPrintPreview = CommandButton(QStringLiteral("Auswerten mit Druckvorschau"),
                                           QStringLiteral("bt_AfaCalcPrintPreview"), 172);
    buttons->addWidget(bt_AfaCalcTextPreview);
    buttons->addWidget(bt_AfaCalcPrintPreview);
    buttons->addStretch(1);

    pgc_Evaluation =
        PageControl(page, QStringLiteral("pgc_Evaluation"), QStringLiteral("Auswertung"));
    page->layout()->addWidget(pgc_Evaluation);

    QWidget *settingsBody = nullptr;
    QFrame *settingsBorder = PageParts::PageBody(pgc_Evaluation, settingsBody);
    ts_EvaluationSettings = new TEvaluationSettingsPage(settingsBody);
    auto *settingsLayout = new QVBoxLayout(settingsBody);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->addWidget(ts_EvaluationSettings);
    pgc_Evaluation->addTab(settingsBorder, QStringLiteral("Einstellungen"));
    connect(ts_EvaluationSettings, &TEvaluationSettingsPage::AfaArtSelClicked, this,
            &Tfrm_Afa::AfaArtSelClick);

    ts_TextPreview = PlainPage(pgc_Evaluation, QStringLiteral("ts_TextPreview"));
    rtfe_Afa = new Tfrm_RtfEditor(ts_TextPreview);
    rtfe_Afa->setObjectName(QStringLiteral("rtfe_Afa"));
    rtfe_Afa->setAccessibleName(QStringLiteral("Textvorschau"));
    ts_TextPreview->layout()->addWidget(rtfe_Afa);
    pgc_Evaluation->addTab(ts_TextPreview, QStringLiteral("Textvorschau"));

    ts_PrintPreview = PlainPage(pgc_Evaluation, QStringLiteral("ts_PrintPreview"));
    ts_PrintPreview->setAccessibleName(QStringLiteral("Druckvorschau"));
    pgc_Evaluation->addTab(ts_PrintPreview, QStringLiteral("Druckvorschau"));
    return page;
}

QWidget *Tfrm_Afa::BuildSettingsPage()
{
    QWidget *page = PlainPage(pgc_Main, QStringLiteral("ts_Einstellungen"));
    QHBoxLayout *buttons = nullptr;
    page->layout()->addWidget(PageParts::ToolbarStrip(page, PageParts::EntryToolbarColor, buttons));
    bt_SaveSettings =
        CommandButton(QStringLiteral("Speichern"), QStringLiteral("bt_SaveSettings"), 0);
    buttons->addWidget(bt_SaveSettings);
    buttons->addStretch(1);
    QWidget *body = nullptr;
    page->layout()->addWidget(PageParts::PageBody(page, body));
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    ts_SettingsBody = new TSettingsPage(body);
    bodyLayout->addWidget(ts_SettingsBody);
    rtfe_Title = ts_SettingsBody->rtfe_Title;
    rbt_TitleRep = ts_SettingsBody->rbt_TitleRep;
    rbt_TitleRun = ts_SettingsBody->rbt_TitleRun;
    connect(ts_SettingsBody, &TSettingsPage::TitleToggled, this, &Tfrm_Afa::ToggleTitleClick);
    return page;
}

void Tfrm_Afa::FormCreate()
{
    TGlobal &global = Global();
    global.MainMenuList().Register({menuBar()});
    global.PageControlDrawer(0).Register(pgc_Main, QStringLiteral("0"));
    global.PageControlDrawer(1).Register({pgc_Evaluation, pgc_Afa},
                                         {QStringLiteral("0"), QStringLiteral("0")});
    global.SpeedButtonDrawer(0).RegisterWindow(this);
    global.RefreshForm().Nudge(this);
    m_session = std::make_unique<TEvaluationSession>(
        m_dm, [this](const QString &key) { return ReadStoredHeadline(m_dm, key); });
    rtfe_Afa->re_Rtf->setDocument(&m_session->Preview);
    m_dm.qry_Afa_Erfassung->Open();
    // The editors hand the speed-button drawer on to their search dialogs.
    rtfe_Title->ButtonDrawer = &global.SpeedButtonDrawer(0);
    rtfe_Afa->ButtonDrawer = &global.SpeedButtonDrawer(0);
    ts_EvaluationSettings->ed_FilterJahr->setValue(QDate::currentDate().year());
    m_windowFlags |= FirstShow;
    // The stored report headline goes into the headline editor: with the editor frame.
    UpdatePercentEdit();
    SettingsCommand(QStringLiteral("load"));
    TAfaReport &report = *ReportHost()->AfaReport;
    m_session->UseReportRequest(report);
    // Printing and saving from the preview hold the commands like an evaluation.
    report.PreviewWindow->Busy = [this](bool busy) { busy ? CommandStarted() : CommandEnded(); };
}

void Tfrm_Afa::FormDestroy()
{
    TGlobal &global = Global();
    global.MainMenuList().Unregister({menuBar()});
    global.PageControlDrawer(0).Unregister(pgc_Main);
    global.PageControlDrawer(1).Unregister({pgc_Evaluation, pgc_Afa});
    global.SpeedButtonDrawer(0).UnregisterWindow(this);
    m_dm.cds_AfaReport->Close();
    m_dm.qry_Afa_Erfassung->Close();
    m_dm.qry_Afa_ZuAbgang->Close();
    rtfe_Afa->re_Rtf->setDocument(new QTextDocument(rtfe_Afa->re_Rtf));
    m_session.reset();
    delete m_reportHost;
    m_reportHost = nullptr;
}

void Tfrm_Afa::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void Tfrm_Afa::FormShow()
{
    if (!(m_windowFlags & FirstShow))
        return;
    m_windowFlags &= ~FirstShow;
    // After the window has been painted.
    QTimer::singleShot(0, this, &Tfrm_Afa::ShowIntroPage);
}

void Tfrm_Afa::ShowIntroPage()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    wb_Intro->ShowIntro(QUrl::fromLocalFile(ResourceDir + QStringLiteral("Intro.pdf")));
}

Tfrm_AfaReport *Tfrm_Afa::ReportHost()
{
    if (!m_reportHost) {
        m_reportHost = new Tfrm_AfaReport;
        m_reportHost->PlaceInSheet(ts_PrintPreview);
    }
    return m_reportHost;
}

void Tfrm_Afa::ActionClicks(QObject *sender)
{
    if (sender == bt_AfaCalcTextPreview) {
        m_session->Filter.SetFlags(TargetText, TargetPrint);
        pgc_Evaluation->setCurrentWidget(ts_TextPreview);
        Evaluate();
    } else if (sender == bt_AfaCalcPrintPreview) {
        m_session->Filter.SetFlags(TargetPrint, TargetText);
        pgc_Evaluation->setCurrentWidget(ts_PrintPreview);
        if (!Evaluate())
            return;
        CommandStarted();
        const TScopeGuard ended([this] { CommandEnded(); });
        ReportHost()->ExecuteReport();
    } else if (sender == mmi_Info) {
        Tfrm_About::ShowInfo();
    } else if (sender == mmi_Beenden) {
        close();
    } else if (sender == bt_SaveSettings) {
        SettingsCommand(QStringLiteral("save"));
    } else if (sender == bt_GotoAfaErf) {
        pgc_Main->setCurrentWidget(ts_AfaErfassung);
    }
}

void Tfrm_Afa::AfaArtSelClick()
{
    UpdatePercentEdit();
}

void Tfrm_Afa::ToggleTitleClick()
{
    const QString now = ts_SettingsBody->CheckedKey();
    if (now == m_titleKey)
        return;
    // The headline shown before has unsaved edits: keep them, drop them, or stay.
    if (rtfe_Title->IsModified()) {
        const auto answer = QMessageBox::question(
            this, QStringLiteral("Reportüberschrift"),
            QStringLiteral("Änderungen an der Reportüberschrift speichern?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape) {
            ts_SettingsBody->CheckKey(m_titleKey);
            return;
        }
        if (answer == QMessageBox::Yes)
            StoreTitle(m_titleKey);
    }
    SettingsCommand(QStringLiteral("load"));
}

void Tfrm_Afa::StoreTitle(const QString &key)
{
    const QString text = rtfe_Title->GetEditorText(2);
    if (key == u"RUT")
        m_dm.SetRunTitle(text);
    else
        m_dm.SetReportTitle(text);
    rtfe_Title->SetModified(false);
}

void Tfrm_Afa::UpdatePercentEdit()
{
    ts_EvaluationSettings->UpdatePercentEdit();
}

void Tfrm_Afa::SettingsCommand(const QString &keyword)
{
    if (keyword == u"save") {
        StoreTitle(ts_SettingsBody->CheckedKey());
    } else if (keyword == u"load") {
        m_titleKey = ts_SettingsBody->CheckedKey();
        rtfe_Title->SetEditorText(2, ReadStoredHeadline(m_dm, m_titleKey));
        rtfe_Title->SetModified(false);
    } else if (keyword == u"out" || keyword == u"rep" || keyword == u"rtf") {
        m_session->Headline.SettingsCommand(keyword);
    }
}

void Tfrm_Afa::DBGridTitleClick(int column)
{
    SortGridByColumn(ts_Assets->Grid(), column);
}

void Tfrm_Afa::CommandStarted()
{
    if (m_commandDepth++ > 0)
        return;
    for (QWidget *button : {bt_AfaCalcTextPreview, bt_AfaCalcPrintPreview})
        button->setEnabled(false);
    mmi_Beenden->setEnabled(false);
}

void Tfrm_Afa::CommandEnded()
{
    if (--m_commandDepth > 0)
        return;
    for (QWidget *button : {bt_AfaCalcTextPreview, bt_AfaCalcPrintPreview})
        button->setEnabled(true);
    mmi_Beenden->setEnabled(true);
    if (m_closeWaiting) {
        m_closeWaiting = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool Tfrm_Afa::Evaluate()
{
    if (CommandRunning())
        return false;
    PostPendingEdits();
    CommandStarted();
    const TScopeGuard ended([this] { CommandEnded(); });
    TEvaluationSettings settings = ts_EvaluationSettings->Settings();
    settings.SelectedIds = ts_Assets->SelectedIds();
    m_session->Evaluation.Settings = settings;
    TCommandProgress progress(this, QStringLiteral("Auswertung"),
                              QStringLiteral("%1 von %2 Abschreibungsgütern berechnet"));
    m_session->Evaluation.Progress = [&progress](int done, int total) {
        progress.Step(done, total);
    };
    const TScopeGuard forget([this] { m_session->Evaluation.Progress = nullptr; });
    m_session->Evaluation.Evaluate();
    return true;
}

void Tfrm_Afa::SubmitPageEdits()
{
    for (TEntryPage *page :
         std::initializer_list<TEntryPage *>{ts_Assets, ts_Movements, ts_AccountEntry})
        page->SubmitEdits();
}

void Tfrm_Afa::PostPendingEdits()
{
    SubmitPageEdits();
    for (TRecordStore *store :
         {m_dm.qry_Afa_Konten, m_dm.qry_Afa_Erfassung, m_dm.qry_Afa_ZuAbgang}) {
        if (store->State() == TStoreState::Insert && !store->Modified())
            store->Cancel();
        else if (store->State() == TStoreState::Insert || store->State() == TStoreState::Edit)
            store->Post();
    }
}

bool Tfrm_Afa::SettleEditsBeforeClose()
{
    SubmitPageEdits();
    for (TRecordStore *store :
         {m_dm.qry_Afa_Konten, m_dm.qry_Afa_Erfassung, m_dm.qry_Afa_ZuAbgang}) {
        const TStoreState state = store->State();
        if (state != TStoreState::Insert && state != TStoreState::Edit)
            continue;
        if (store->State() == TStoreState::Insert && !store->Modified()) {
            store->Cancel();
            continue;
        }
        QMessageBox ask(QMessageBox::Question, QApplication::applicationName(),
                        QStringLiteral("Änderungen am Datensatz speichern?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        ask.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        ask.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
        ask.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        ask.setDefaultButton(QMessageBox::Yes);
        switch (ask.exec()) {
        case QMessageBox::Yes:
            store->Post(); // a refusal keeps the window open (caller)
            break;
        case QMessageBox::No:
            store->Cancel();
            break;
        default:
            return false;
        }
    }
    return true;
}

void Tfrm_Afa::closeEvent(QCloseEvent *event)
{
    if (CommandRunning()) {
        m_closeWaiting = true;
        event->ignore();
        return;
    }
    try {
        if (!SettleEditsBeforeClose()) {
            event->ignore();
            return;
        }
        if (m_dm.IBTransaction->InTransaction())
            m_dm.IBTransaction->CommitWork();
    } catch (...) {
        TErrorHandler::Report(QStringLiteral("Tfrm_Afa.Schließen"));
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
