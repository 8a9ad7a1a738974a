#include "Form_RpPreviewGerman.h"

#include "Form_RpSetupGerman.h"
#include "PageRenderer.h"
#include "PreviewIcons.h"
#include "PreviewPage.h"
#include "PrinterDevice.h"
#include "PrinterRenderer.h"
#include "ScopeGuard.h"
#include "SpeedButtonDrawer.h"
#include "Unit_Global.h"
#include "UserMainMenuList.h"

#include <QApplication>
#include <QBuffer>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

namespace
{
const QString PageLabelFrom = QStringLiteral("von");
const QString PageWord = QStringLiteral("Seite");
const QString GotoTitle = QStringLiteral("Gehe zu Seite");
const QString GotoQuestion = QStringLiteral("Bitte anzuspringende Seite angeben:");
const QString Accepted = QStringLiteral("eEbBwWfFnNpP+-01234567890.");

QString ZoomText(double zoom)
{
    return QString::number(zoom, 'f', 1);
}

int TextWidth(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().horizontalAdvance(text);
}
} // namespace

Tfrm_RpPreviewGerman::TAskPage Tfrm_RpPreviewGerman::AskPage =
    [](QWidget *parent, const QString &title, const QString &label, const QString &current) {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, label, QLineEdit::Normal, current, &ok);
        return ok ? text : current;
    };

Tfrm_RpPreviewGerman::Tfrm_RpPreviewGerman(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Reportvorschau"));
    setAccessibleName(windowTitle());
    resize(900, 705);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("Arial"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    m_offered.Build();
    m_pageRenderer = std::make_unique<TPageRenderer>();
    connect(m_pageRenderer.get(), &TPageRenderer::PageChanged, this,
            &Tfrm_RpPreviewGerman::OnPageChanged);
    connect(m_pageRenderer.get(), &TPageRenderer::ZoomChanged, this,
            &Tfrm_RpPreviewGerman::OnZoomChanged);
    m_pageRenderer->MarginPercent = 5;
    m_pageRenderer->ShadowDepth = 0;
    m_pageRenderer->ZoomStep = 5;
    m_printerRenderer = std::make_unique<TPrinterRenderer>();
    m_printerDevice = std::make_unique<TPrinterDevice>();

    CreateActions();
    CreatePanel();
    CreateMenus();
    sbarMain = new QStatusBar(this);
    sbarMain->setSizeGripEnabled(false);
    sbarMain->setAccessibleName(QStringLiteral("Status"));
    setStatusBar(sbarMain);

    m_navigator = std::make_unique<TPreviewNavigator>(sbx_Report, m_pageRenderer.get());
    m_wheel.Start();
    ResetPageTexts();
    LayoutToolbarPanels();
    RefreshCommands();

    m_panel = pnl_Main;
    pnl_Main->installEventFilter(this);
    qApp->installEventFilter(this);

    Global().MainMenuList().Register({menuBar()});
    Global().SpeedButtonDrawer(0).RegisterWindow(this);
}

Tfrm_RpPreviewGerman::~Tfrm_RpPreviewGerman()
{
    qApp->removeEventFilter(this);
    if (m_panel)
        m_panel->removeEventFilter(this);
    if (m_panelHost)
        disconnect(m_panelHost, nullptr, this, nullptr);
    disconnect(m_pageRenderer.get(), nullptr, this, nullptr);
    if (m_panel) {
        PageEdit->disconnect(this);
        ZoomEdit->disconnect(this);
    }
    // the panel is destroyed with this window, wherever it was shown
    TakeBackPanel();
    Global().MainMenuList().Unregister({menuBar()});
    Global().SpeedButtonDrawer(0).UnregisterWindow(this);
    delete m_panel;
    m_setupDialog.reset();
    m_printerRenderer.reset();
    m_pageRenderer.reset();
}

QAction *Tfrm_RpPreviewGerman::Command(const QString &caption, const QString &hint, int icon)
{
    auto *action = new QAction(caption, this);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (icon >= 0)
        action->setIcon(PreviewIcons::Icon(PreviewIcons::TKind(icon)));
    return action;
}

QAction *Tfrm_RpPreviewGerman::Mirror(QAction *source, const QString &caption, const QString &tip)
{
    auto *mirror = new QAction(source->icon(), caption, this);
    mirror->setToolTip(tip);
    mirror->setStatusTip(source->statusTip());
    connect(mirror, &QAction::triggered, source, &QAction::trigger);
    connect(source, &QAction::changed, mirror, [mirror, source] {
        mirror->setEnabled(source->isEnabled());
        mirror->setVisible(source->isVisible());
    });
    return mirror;
}

void Tfrm_RpPreviewGerman::CreateActions()
{
    using K = PreviewIcons::TKind;
    actnFile_Print =
        Command(QStringLiteral("&Drucken"), QStringLiteral("Ferolind drucken"), int(K::Print));
    actnFile_Save = Command(QStringLiteral("&Speichern unter"),
                            QStringLiteral("Ferolind speichern"), int(K::Save));
    actnFile_Exit = Command(QStringLiteral("B&eenden"),
                            QStringLiteral("Vorschau der Ferolind beenden"), int(K::Exit));
    actnPage_First = Command(QStringLiteral("&Erste"), QStringLiteral("Zur ersten Seite bewegen"),
                             int(K::First));
    actnPage_Previous = Command(QStringLiteral("&Vorige"),
                                QStringLiteral("Zu vorigen Seite bewegen"), int(K::Previous));
    actnPage_Next = Command(QStringLiteral("&Nächste"),
                            QStringLiteral("Zur nächsten Seite bewegen"), int(K::Next));
    actnPage_Last = Command(QStringLiteral("&Letzte"), QStringLiteral("Zur letzten Seite bewegen"),
                            int(K::Last));
    actnPage_Goto = Command(QStringLiteral("&Gehe zu Seite..."),
                            QStringLiteral("Zu einer bestimmten Seite bewegen"), -1);
    actnZoom_In = Command(QStringLiteral("H&ineinzoomen"), QStringLiteral("Hineinzoomen (+)"),
                          int(K::ZoomIn));
    actnZoom_Out = Command(QStringLiteral("Hinausz&oomen"), QStringLiteral("Hinauszoomen (-)"),
                           int(K::ZoomOut));
    actnZoom_PageWidth =
        Command(QStringLiteral("Zoom, an Seiten&breite angepasst"),
                QStringLiteral("Zoom, an Seitenbreite angepasst"), int(K::PageWidth));
    actnZoom_Page = Command(QStringLiteral("Zoom, um &Seite darzustellen"),
                            QStringLiteral("Zoom, um Seite darzustellen"), int(K::Page));

    m_shortcuts = {{actnFile_Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
                   {actnFile_Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
                   {actnFile_Exit, QKeySequence(Qt::ALT | Qt::Key_F4)},
                   {actnPage_First, QKeySequence(Qt::CTRL | Qt::Key_Home)},
                   {actnPage_Previous, QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
                   {actnPage_Next, QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
                   {actnPage_Last, QKeySequence(Qt::CTRL | Qt::Key_End)},
                   {actnPage_Goto, QKeySequence(Qt::CTRL | Qt::Key_G)},
                   {actnZoom_PageWidth, QKeySequence(Qt::CTRL | Qt::Key_W)},
                   {actnZoom_Page, QKeySequence(Qt::CTRL | Qt::Key_F)}};
    ApplyShortcuts(true);

    connect(actnFile_Print, &QAction::triggered, this, &Tfrm_RpPreviewGerman::PrintClick);
    connect(actnFile_Save, &QAction::triggered, this, &Tfrm_RpPreviewGerman::SaveClick);
    connect(actnFile_Exit, &QAction::triggered, this, &QWidget::close);
    connect(actnPage_First, &QAction::triggered, this, [this] { ShowPage(1); });
    connect(actnPage_Previous, &QAction::triggered, this, [this] {
        if (HasPages())
            m_pageRenderer->PrevPage();
        RefreshCommands();
    });
    connect(actnPage_Next, &QAction::triggered, this, [this] {
        if (HasPages())
            m_pageRenderer->NextPage();
        RefreshCommands();
    });
    connect(actnPage_Last, &QAction::triggered, this,
            [this] { ShowPage(m_pageRenderer->PageCount()); });
    connect(actnPage_Goto, &QAction::triggered, this, &Tfrm_RpPreviewGerman::GotoPageClick);
    connect(actnZoom_In, &QAction::triggered, this, [this] {
        if (HasPages())
            m_pageRenderer->ZoomIn();
        RefreshCommands();
    });
    connect(actnZoom_Out, &QAction::triggered, this, [this] {
        if (HasPages())
            m_pageRenderer->ZoomOut();
        RefreshCommands();
    });
    connect(actnZoom_PageWidth, &QAction::triggered, this, &Tfrm_RpPreviewGerman::ZoomPageWidth);
    connect(actnZoom_Page, &QAction::triggered, this, &Tfrm_RpPreviewGerman::ZoomWholePage);

    m_toolSave = Mirror(actnFile_Save, actnFile_Save->text(), QStringLiteral("Report speichern"));
    m_toolPrint = Mirror(actnFile_Print, actnFile_Print->text(), QStringLiteral("Report drucken"));
    m_menuSave = Mirror(actnFile_Save, QStringLiteral("&Speichern als"), actnFile_Save->toolTip());
    // shortcuts act while this window is active
    addActions({actnFile_Print, actnFile_Save, actnFile_Exit, actnPage_First, actnPage_Previous,
                actnPage_Next, actnPage_Last, actnPage_Goto, actnZoom_PageWidth, actnZoom_Page});
}

void Tfrm_RpPreviewGerman::CreatePanel()
{
    m_centre = new QWidget(this);
    auto *centreLayout = new QVBoxLayout(m_centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(m_centre);

    m_panelFrame = new QFrame(m_centre);
    pnl_Main = m_panelFrame;
    pnl_Main->setObjectName(QStringLiteral("pnl_Main"));
    pnl_Main->setAccessibleName(QStringLiteral("Druckvorschau"));
    m_panelFrame->setFrameShape(QFrame::Box);
    m_panelFrame->setLineWidth(1);
    QPalette grey = pnl_Main->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    pnl_Main->setPalette(grey);
    pnl_Main->setAutoFillBackground(true);
    centreLayout->addWidget(pnl_Main);
    auto *panelLayout = new QVBoxLayout(pnl_Main);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    auto *strip = new QWidget(pnl_Main);
    QPalette white = strip->palette();
    white.setColor(QPalette::Window, Qt::white);
    strip->setPalette(white);
    strip->setAutoFillBackground(true);
    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    ToolBar1 = new QToolBar(strip);
    ToolBar1->setAccessibleName(QStringLiteral("Werkzeugleiste"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(16, 16));
    stripLayout->addWidget(ToolBar1);
    auto *line = new QFrame(strip);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    stripLayout->addWidget(line);
    panelLayout->addWidget(strip);

    PageEdit = new QLineEdit(pnl_Main);
    PageEdit->setAccessibleName(PageWord);
    PageLabel = new QLabel(PageLabelFrom, pnl_Main);
    PageLabel->setAccessibleName(QStringLiteral("Seitenzahl"));
    m_pageCaption = new QLabel(PageWord, pnl_Main);
    m_pagePanel = new QWidget(ToolBar1);
    m_pagePanel->setAccessibleName(PageWord);
    auto *pageLayout = new QHBoxLayout(m_pagePanel);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    m_pageCaption->setAlignment(Qt::AlignCenter);
    PageLabel->setAlignment(Qt::AlignCenter);
    m_pageCaption->setBuddy(PageEdit);
    pageLayout->addWidget(m_pageCaption);
    pageLayout->addWidget(PageEdit);
    pageLayout->addWidget(PageLabel);

    ZoomEdit = new QLineEdit(ZoomText(100), pnl_Main);
    ZoomEdit->setAccessibleName(QStringLiteral("Zoom"));
    ZoomEdit->setFixedWidth(46);
    m_zoomCaption = new QLabel(QStringLiteral("Zoom"), pnl_Main);
    m_zoomCaption->setAlignment(Qt::AlignCenter);
    m_zoomCaption->setBuddy(ZoomEdit);
    m_percentLabel = new QLabel(QStringLiteral("%"), pnl_Main);
    m_percentLabel->setAlignment(Qt::AlignCenter);
    m_percentLabel->setAccessibleName(QStringLiteral("%"));
    m_zoomPanel = new QWidget(ToolBar1);
    m_zoomPanel->setAccessibleName(QStringLiteral("Zoom"));
    auto *zoomLayout = new QHBoxLayout(m_zoomPanel);
    zoomLayout->setContentsMargins(0, 0, 0, 0);
    zoomLayout->setSpacing(0);
    zoomLayout->addWidget(m_zoomCaption);
    zoomLayout->addWidget(ZoomEdit);
    zoomLayout->addWidget(m_percentLabel);

    connect(PageEdit, &QLineEdit::returnPressed, this, [this] {
        ApplyPageEdit();
        PageEdit->selectAll();
    });
    connect(PageEdit, &QLineEdit::editingFinished, this, &Tfrm_RpPreviewGerman::ApplyPageEdit);
    connect(ZoomEdit, &QLineEdit::returnPressed, this, [this] {
        ApplyZoomEdit();
        ZoomEdit->selectAll();
    });
    connect(ZoomEdit, &QLineEdit::editingFinished, this, &Tfrm_RpPreviewGerman::ApplyZoomEdit);

    ToolBar1->addAction(m_toolSave);
    ToolBar1->addAction(m_toolPrint);
    ToolBar1->addSeparator();
    ToolBar1->addActions({actnPage_First, actnPage_Previous, actnPage_Next, actnPage_Last});
    ToolBar1->addWidget(m_pagePanel);
    ToolBar1->addSeparator();
    ToolBar1->addActions({actnZoom_In, actnZoom_Out});
    ToolBar1->addWidget(m_zoomPanel);
    ToolBar1->addActions({actnZoom_PageWidth, actnZoom_Page});
    m_exitSeparator = ToolBar1->addSeparator();
    ToolBar1->addAction(actnFile_Exit);
    for (QAction *action : ToolBar1->actions()) {
        if (auto *button = qobject_cast<QToolButton *>(ToolBar1->widgetForAction(action))) {
            button->setMinimumWidth(25);
            button->setAccessibleName(action->text().remove(u'&'));
        }
    }

    sbx_Report = new QScrollArea(pnl_Main);
    sbx_Report->setAccessibleName(QStringLiteral("Seitenbereich"));
    sbx_Report->setFrameShape(QFrame::NoFrame);
    sbx_Report->setAlignment(Qt::AlignCenter);
    sbx_Report->setFocusPolicy(Qt::StrongFocus);
    sbx_Report->setBackgroundRole(QPalette::Dark);
    QPalette area = sbx_Report->palette();
    area.setColor(QPalette::Dark, QColor(153, 153, 153));
    sbx_Report->setPalette(area);
    sbx_Report->setContextMenuPolicy(Qt::ActionsContextMenu);
    sbx_Report->addActions({actnZoom_In, actnZoom_Out});
    m_pageImage = new TPreviewPage(m_pageRenderer.get());
    sbx_Report->setWidget(m_pageImage);
    // the margins show the area's grey
    m_pageImage->setAutoFillBackground(false);
    m_pageImage->hide();
    connect(m_pageImage, &TPreviewPage::Clicked, sbx_Report, [this] { sbx_Report->setFocus(); });
    sbx_Report->viewport()->installEventFilter(this);
    panelLayout->addWidget(sbx_Report, 1);
}

void Tfrm_RpPreviewGerman::CreateMenus()
{
    QMenuBar *bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Menü"));
    QMenu *file = bar->addMenu(QStringLiteral("&Datei"));
    file->addAction(m_menuSave);
    file->addAction(actnFile_Print);
    m_menuExitSeparator = file->addSeparator();
    file->addAction(actnFile_Exit);
    QMenu *page = bar->addMenu(QStringLiteral("&Seite"));
    page->addActions({actnPage_First, actnPage_Previous, actnPage_Next, actnPage_Last});
    page->addSeparator();
    page->addAction(actnPage_Goto);
    QMenu *zoom = bar->addMenu(QStringLiteral("&Zoom"));
    zoom->addActions({actnZoom_In, actnZoom_Out});
    zoom->addSeparator();
    zoom->addActions({actnZoom_Page, actnZoom_PageWidth});
    for (QMenu *menu : {file, page, zoom})
        menu->setAccessibleName(menu->title().remove(u'&'));
}

void Tfrm_RpPreviewGerman::ApplyShortcuts(bool on)
{
    for (const auto &[action, keys] : std::as_const(m_shortcuts))
        action->setShortcut(on ? keys : QKeySequence());
}

bool Tfrm_RpPreviewGerman::RunsOnItsOwn() const
{
    return m_panel && m_panel->parentWidget() == m_centre;
}

bool Tfrm_RpPreviewGerman::HasPages() const
{
    return m_pageRenderer->Active && m_pageRenderer->PageCount() > 0;
}

// --- the rendered report

void Tfrm_RpPreviewGerman::SetSnapshotStream(QBuffer *stream)
{
    m_stream = stream;
    try {
        m_snapshot.Load(stream ? stream->data() : QByteArray());
    } catch (...) {
        // a damaged report is not shown; the old one is gone with the new stream
        m_snapshot.Clear();
        ClearPage();
        throw;
    }
    m_pageRenderer->Active = !m_snapshot.IsEmpty();
    m_pageRenderer->SetSnapshot(&m_snapshot);
    if (!HasPages())
        ClearPage();
}

const TSnapshot &Tfrm_RpPreviewGerman::Snapshot() const
{
    return m_snapshot;
}

TPageRenderer &Tfrm_RpPreviewGerman::PageRenderer() const
{
    return *m_pageRenderer;
}

TPrinterRenderer &Tfrm_RpPreviewGerman::PrinterRenderer() const
{
    return *m_printerRenderer;
}

TPrinterDevice &Tfrm_RpPreviewGerman::PrinterDevice() const
{
    return *m_printerDevice;
}

// --- operations for the driver

void Tfrm_RpPreviewGerman::SetEmbedded(bool on)
{
    actnFile_Exit->setVisible(!on);
    m_exitSeparator->setVisible(!on);
    m_menuExitSeparator->setVisible(!on);
}

void Tfrm_RpPreviewGerman::ShowPage(int page)
{
    if (HasPages())
        m_pageRenderer->ShowPage(page);
    RefreshCommands();
}

QSize Tfrm_RpPreviewGerman::ViewportSize(bool forWidth) const
{
    // the area's size without scroll bars, also before the window was first shown
    if (QLayout *layout = pnl_Main->layout())
        layout->activate();
    QSize size = sbx_Report->maximumViewportSize();
    if (forWidth) {
        // a page shown at its width is mostly taller than the area: leave room for the bar
        const int bar =
            sbx_Report->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sbx_Report);
        // and for the rounding of page and margins to whole pixels
        size.rwidth() -= bar + 2;
    }
    return size;
}

void Tfrm_RpPreviewGerman::ZoomWholePage()
{
    if (HasPages()) {
        try {
            m_pageRenderer->SetZoom(m_pageRenderer->WholePageFactor(ViewportSize(false)));
        } catch (...) {
            // an unreadable page keeps its zoom; it shows its error
        }
    }
    RefreshCommands();
}

void Tfrm_RpPreviewGerman::ZoomPageWidth()
{
    if (HasPages()) {
        try {
            m_pageRenderer->SetZoom(m_pageRenderer->PageWidthFactor(ViewportSize(true)));
        } catch (...) {
        }
    }
    RefreshCommands();
}

void Tfrm_RpPreviewGerman::RefreshCommands()
{
    const int page = m_pageRenderer->CurrentPage();
    const int count = m_pageRenderer->PageCount();
    actnPage_First->setEnabled(page > 1);
    actnPage_Previous->setEnabled(page > 1);
    actnPage_Next->setEnabled(page < count);
    actnPage_Last->setEnabled(page < count);
    actnFile_Print->setEnabled(!m_busy);
    actnFile_Save->setEnabled(!m_busy);
    for (QAction *zoom : {actnZoom_In, actnZoom_Out, actnZoom_PageWidth, actnZoom_Page})
        zoom->setEnabled(true);
}

void Tfrm_RpPreviewGerman::ShowEmpty()
{
    ClearPage();
    for (QAction *action : {actnFile_Print, actnFile_Save, actnFile_Exit, actnPage_First,
                            actnPage_Previous, actnPage_Next, actnPage_Last, actnPage_Goto,
                            actnZoom_In, actnZoom_Out, actnZoom_PageWidth, actnZoom_Page})
        action->setEnabled(true);
    actnFile_Print->setEnabled(!m_busy);
    actnFile_Save->setEnabled(!m_busy);
}

void Tfrm_RpPreviewGerman::RemoveBorder()
{
    m_panelFrame->setFrameShape(QFrame::NoFrame);
    m_panelFrame->setLineWidth(0);
}

void Tfrm_RpPreviewGerman::ClearPage()
{
    m_pageRenderer->Active = false;
    // what printing and saving see goes with the page
    m_snapshot.Clear();
    m_pageRenderer->Clear();
    m_pageImage->hide();
    ResetPageTexts();
}

void Tfrm_RpPreviewGerman::ResetPageTexts()
{
    PageEdit->clear();
    PageLabel->setText(PageLabelFrom);
    sbarMain->clearMessage();
    LayoutToolbarPanels();
}

void Tfrm_RpPreviewGerman::SetToolbarEnabled(bool enabled)
{
    ToolBar1->setEnabled(enabled);
}

void Tfrm_RpPreviewGerman::LayoutToolbarPanels()
{
    const QString count = QString::number(m_pageRenderer->PageCount());
    const int caption = TextWidth(PageEdit, PageWord) + 10;
    const int edit = qMax(40, TextWidth(PageEdit, count)) + 10;
    const int label = TextWidth(PageEdit, PageLabel->text()) + 10;
    m_pageCaption->setFixedWidth(caption);
    PageEdit->setFixedWidth(edit);
    PageLabel->setFixedWidth(label);
    m_pagePanel->setFixedWidth(caption + edit + label);
    const int zoomCaption = TextWidth(ZoomEdit, QStringLiteral("Zoom")) + 10;
    const int percent = TextWidth(ZoomEdit, QStringLiteral("%")) + 10;
    m_zoomCaption->setFixedWidth(zoomCaption);
    m_percentLabel->setFixedWidth(percent);
    m_zoomPanel->setFixedWidth(zoomCaption + ZoomEdit->width() + percent);
}

// --- notifications of the page renderer

void Tfrm_RpPreviewGerman::OnPageChanged(int page)
{
    if (page < 1 || !HasPages()) {
        m_pageImage->hide();
        ResetPageTexts();
        RefreshCommands();
        return;
    }
    const QString count = QString::number(m_pageRenderer->PageCount());
    PageEdit->setText(QString::number(page));
    PageLabel->setText(PageLabelFrom + u' ' + count);
    sbarMain->showMessage(
        QStringLiteral("%1 %2 %3 %4").arg(PageWord, QString::number(page), PageLabelFrom, count));
    LayoutToolbarPanels();
    m_pageImage->Refresh();
    m_pageImage->show();
    RefreshCommands();
}

void Tfrm_RpPreviewGerman::OnZoomChanged(double zoom)
{
    ZoomEdit->setText(ZoomText(zoom));
    if (HasPages()) {
        m_pageImage->Refresh();
        m_pageImage->show();
    }
}

// --- the page and zoom fields

void Tfrm_RpPreviewGerman::ApplyPageEdit()
{
    bool number = false;
    const int page = PageEdit->text().trimmed().toInt(&number);
    if (!HasPages())
        return;
    const QString current = QString::number(m_pageRenderer->CurrentPage());
    if (number && page != m_pageRenderer->CurrentPage())
        ShowPage(page);
    else if (PageEdit->text() != current)
        PageEdit->setText(current);
}

void Tfrm_RpPreviewGerman::ApplyZoomEdit()
{
    bool number = false;
    const double zoom = ZoomEdit->text().trimmed().toDouble(&number);
    // the field shows one decimal: a zoom that reads the same is no change
    if (HasPages() && number && std::isfinite(zoom) &&
        ZoomText(zoom) != ZoomText(m_pageRenderer->Zoom()))
        m_pageRenderer->SetZoom(zoom);
    else if (ZoomEdit->text() != ZoomText(m_pageRenderer->Zoom()))
        ZoomEdit->setText(ZoomText(m_pageRenderer->Zoom()));
}

// --- commands

void Tfrm_RpPreviewGerman::GotoPageClick()
{
    if (!HasPages())
        return;
    const int current = m_pageRenderer->CurrentPage();
    const QString answer =
        AskPage(pnl_Main->window(), GotoTitle, GotoQuestion, QString::number(current));
    bool number = false;
    const int page = answer.trimmed().toInt(&number);
    if (number && page >= 0 && page != current)
        m_pageRenderer->ShowPage(page);
    RefreshCommands();
}

TExportContext Tfrm_RpPreviewGerman::ExportContext()
{
    TExportContext context;
    context.Stream = m_stream;
    context.Snapshot = &m_snapshot;
    context.ReportSystem = ReportSystem;
    context.PrinterRenderer = m_printerRenderer.get();
    context.PrinterDevice = m_printerDevice.get();
    context.SetupDialog = &m_setupDialog;
    context.Offered = &m_offered;
    context.Parent = pnl_Main->window();
    context.SetToolbarEnabled = [this](bool enabled) { SetToolbarEnabled(enabled); };
    context.RefreshCommands = [this] { RefreshCommands(); };
    context.Busy = Busy;
    return context;
}

void Tfrm_RpPreviewGerman::SetBusy(bool busy)
{
    m_busy = busy;
    actnFile_Print->setEnabled(!busy);
    actnFile_Save->setEnabled(!busy);
    if (Busy)
        Busy(busy);
}

void Tfrm_RpPreviewGerman::RunExport(void (*procedure)(TExportContext &))
{
    if (m_busy)
        return;
    SetBusy(true);
    TScopeGuard done([this] {
        SetBusy(false);
        RefreshCommands();
    });
    TExportContext context = ExportContext();
    context.Busy = nullptr; // reported here, around the whole command
    procedure(context);
}

void Tfrm_RpPreviewGerman::PrintClick()
{
    RunExport(&SnapshotExport::PrintSnapshot);
}

void Tfrm_RpPreviewGerman::SaveClick()
{
    RunExport(&SnapshotExport::SaveSnapshot);
}
