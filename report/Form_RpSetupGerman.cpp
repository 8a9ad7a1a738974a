#include "Form_RpSetupGerman.h"

#include "SpeedButtonDrawer.h"
#include "Unit_Global.h"

#include "AppError.h"
#include "PageSelection.h"
#include "PrinterDevice.h"
#include "PrinterRenderer.h"
#include "ReportError.h"
#include "ReportSystem.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace
{
const QColor TitleColor(135, 158, 173);
const QColor GreyText(128, 128, 128);

QString Text(const char *key)
{
    if (qstrcmp(key, "Rs_PrinterDeviceAndOutput") == 0)
        return QStringLiteral("%1 auf %2");
    if (qstrcmp(key, "Rs_NoPrinterInstalled") == 0)
        return QStringLiteral("Keine Drucker installiert");
    return {};
}

QFrame *Line()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background: rgb(160,160,160); border: none;"));
    return line;
}

QPushButton *FlatButton(const QString &caption, QStyle::StandardPixmap icon, QWidget *parent)
{
    auto *button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setAccessibleName(QString(caption).remove(u'&'));
    return button;
}

QLineEdit *Edit(const QString &name)
{
    auto *edit = new QLineEdit;
    edit->setAccessibleName(name);
    return edit;
}

void SetTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The characters a field takes; keys that type nothing (arrows, Delete, Tab) pass.
bool Discards(const QKeyEvent *key, const QString &allowed)
{
    if (IsEnter(key))
        return true;
    const QString text = key->text();
    // Shortcuts such as Ctrl+A (select all) or Ctrl+V are no typed characters.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    if (text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
        key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape)
        return false;
    for (QChar c : text) {
        if (!(c >= u'0' && c <= u'9') && !allowed.contains(c))
            return true;
    }
    return false;
}

const TReportSystem::Permissions &Permissions(const TReportSystem *system)
{
    static const TReportSystem::Permissions granted;
    return system ? system->Permission : granted;
}

struct TRefusal {
    QString Message;
};

int WholeNumber(const QLineEdit *edit)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (!ok)
        throw TRefusal{QStringLiteral("'%1' ist kein gültiger Integerwert").arg(edit->text())};
    return value;
}
} // namespace

Tfrm_RpSetupGerman::Tfrm_RpSetupGerman(QWidget *parent) : QDialog(parent)
{
    // FormCreate
    setWindowTitle(QStringLiteral("Tirun - Reports >> Steuerung der Reportausgabe"));
    setAccessibleName(windowTitle());
    setFixedSize(511, 445);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto *title = new QLabel(QStringLiteral("Wählen Sie die Optionen für die Reportausgabe"));
    title->setFixedHeight(20);
    title->setAutoFillBackground(true);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::Window, TitleColor);
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(titlePalette);
    QFont bold = font;
    bold.setBold(true);
    title->setFont(bold);
    title->setContentsMargins(8, 0, 8, 0);
    root->addWidget(title);
    root->addWidget(Line());

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->setSpacing(10);
    root->addLayout(body, 1);

    auto *printerGroup = new QGroupBox(QStringLiteral(" Ausgewählter Drucker "));
    printerGroup->setAccessibleName(QStringLiteral("Ausgewählter Drucker"));
    auto *printerRow = new QHBoxLayout(printerGroup);
    PrinterLabel = new QLabel(QStringLiteral("(keiner)"));
    PrinterLabel->setWordWrap(true);
    PrinterLabel->setAccessibleName(QStringLiteral("Drucker"));
    printerRow->addWidget(PrinterLabel, 1);
    SetupBB = FlatButton(QStringLiteral("Eigenschaften"), QStyle::SP_FileDialogDetailedView, this);
    printerRow->addWidget(SetupBB);
    body->addWidget(printerGroup);

    RangePages = new QStackedWidget;
    RangePages->addWidget(new QWidget); // nothing until the dialog is shown
    auto *rangeGroup = new QGroupBox(QStringLiteral(" Druckbereich "));
    rangeGroup->setAccessibleName(QStringLiteral("Druckbereich"));
    auto *range = new QVBoxLayout(rangeGroup);
    AllRB = new QRadioButton(QStringLiteral("Alle"));
    AllRB->setAccessibleName(QStringLiteral("Alle"));
    AllRB->setChecked(true);
    SelectionRB = new QRadioButton(QStringLiteral("Auswahl"));
    SelectionRB->setAccessibleName(QStringLiteral("Auswahl"));
    SelectionED = Edit(QStringLiteral("Auswahl"));
    PagesRB = new QRadioButton(QStringLiteral("Seiten"));
    PagesRB->setAccessibleName(QStringLiteral("Seiten"));
    FromLabel = new QLabel(QStringLiteral("Von"));
    ToLabel = new QLabel(QStringLiteral("bis"));
    FromED = Edit(QStringLiteral("Von"));
    ToED = Edit(QStringLiteral("bis"));
    FromLabel->setBuddy(FromED);
    ToLabel->setBuddy(ToED);
    range->addWidget(AllRB);
    range->addWidget(SelectionRB);
    auto *selectionRow = new QHBoxLayout;
    selectionRow->addSpacing(20);
    selectionRow->addWidget(SelectionED, 1);
    range->addLayout(selectionRow);
    range->addWidget(PagesRB);
    auto *pagesRow = new QHBoxLayout;
    pagesRow->addSpacing(20);
    pagesRow->addWidget(FromLabel);
    pagesRow->addWidget(FromED);
    pagesRow->addWidget(ToLabel);
    pagesRow->addWidget(ToED);
    pagesRow->addStretch(1);
    range->addLayout(pagesRow);
    auto *rangePage = new QWidget;
    auto *rangePageLayout = new QVBoxLayout(rangePage);
    rangePageLayout->setContentsMargins(0, 0, 0, 0);
    rangePageLayout->addWidget(rangeGroup);
    RangePages->addWidget(rangePage);
    RangePages->setCurrentIndex(0);
    body->addWidget(RangePages);

    auto *optionsGroup = new QGroupBox(QStringLiteral(" Optionen "));
    optionsGroup->setAccessibleName(QStringLiteral("Optionen"));
    auto *options = new QVBoxLayout(optionsGroup);
    CopiesLabel = new QLabel(QStringLiteral("&Kopien"));
    CopiesED = Edit(QStringLiteral("Kopien"));
    CopiesLabel->setBuddy(CopiesED);
    CollateCK = new QCheckBox(QStringLiteral("C&ollate"));
    CollateCK->setAccessibleName(QStringLiteral("Collate"));
    DuplexCK = new QCheckBox(QStringLiteral("&Duplex"));
    DuplexCK->setAccessibleName(QStringLiteral("Duplex"));
    options->addWidget(CopiesLabel);
    auto *copiesRow = new QHBoxLayout;
    copiesRow->addWidget(CopiesED);
    copiesRow->addStretch(1);
    options->addLayout(copiesRow);
    options->addWidget(CollateCK);
    options->addWidget(DuplexCK);
    body->addWidget(optionsGroup);
    body->addStretch(1);

    root->addWidget(Line());
    auto *bottom = new QWidget;
    bottom->setFixedHeight(31);
    auto *buttons = new QHBoxLayout(bottom);
    buttons->setContentsMargins(8, 2, 8, 2);
    buttons->addStretch(1);
    bbtnOK = FlatButton(QStringLiteral("Ok"), QStyle::SP_DialogOkButton, this);
    bbtnCancel = FlatButton(QStringLiteral("Abbruch"), QStyle::SP_DialogCancelButton, this);
    buttons->addWidget(bbtnOK);
    buttons->addWidget(bbtnCancel);
    root->addWidget(bottom);

    for (QLineEdit *edit : {FromED, ToED, CopiesED, SelectionED})
        edit->installEventFilter(this);
    installEventFilter(this);

    connect(SelectionRB, &QRadioButton::toggled, this, &Tfrm_RpSetupGerman::SelectionRBClick);
    connect(PagesRB, &QRadioButton::toggled, this, &Tfrm_RpSetupGerman::PagesRBClick);
    connect(AllRB, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            AllRBClick();
    });
    connect(SetupBB, &QPushButton::clicked, this, &Tfrm_RpSetupGerman::SetupBBClick);
    connect(bbtnOK, &QPushButton::clicked, this, &Tfrm_RpSetupGerman::bbtnOKClick);
    connect(bbtnCancel, &QPushButton::clicked, this, &Tfrm_RpSetupGerman::bbtnCancelClick);
    AllRBClick();
    Global().SpeedButtonDrawer(0).RegisterWindow(this);
}

Tfrm_RpSetupGerman::~Tfrm_RpSetupGerman()
{
    Global().SpeedButtonDrawer(0).UnregisterWindow(this);
}

void Tfrm_RpSetupGerman::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

bool Tfrm_RpSetupGerman::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == FromED || watched == ToED || watched == CopiesED)
        return Discards(key, {});
    if (watched == SelectionED)
        return Discards(key, QStringLiteral("-,"));
    // Enter in any other field does not close the dialog either.
    if (watched == this && IsEnter(key))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool Tfrm_RpSetupGerman::HasPrinter() const
{
    return PrinterDevice && PrinterDevice->PrinterCount() > 0;
}

void Tfrm_RpSetupGerman::ShowPrinter()
{
    if (!HasPrinter()) {
        PrinterLabel->setText(Text("Rs_NoPrinterInstalled"));
        return;
    }
    const QString name = PrinterDevice->CurrentPrinterName();
    const QString port = PrinterDevice->CurrentPort();
    PrinterLabel->setText(port.isEmpty() ? name
                                         : Text("Rs_PrinterDeviceAndOutput").arg(name, port));
}

void Tfrm_RpSetupGerman::FormShow()
{
    ShowPrinter();
    RangePages->setCurrentIndex(1);
    const int pages = PrinterRenderer ? PrinterRenderer->PageCountHint : 0;
    FromED->setText(QStringLiteral("1"));
    ToED->setText(QString::number(pages));
    SelectionED->setText(QStringLiteral("1-%1").arg(pages));

    const TReportSystem::Permissions &allowed = Permissions(ReportSystem);
    const bool printer = HasPrinter();
    CollateCK->setEnabled(printer && allowed.Collate);
    CopiesED->setEnabled(printer && allowed.Copies);
    CopiesLabel->setEnabled(CopiesED->isEnabled());
    CopiesED->setText(QString::number(ReportSystem ? ReportSystem->Printer.Copies : 1));
    DuplexCK->setEnabled(printer && allowed.Duplex);
    SetupBB->setEnabled(printer && allowed.PrinterSetup);
}

void Tfrm_RpSetupGerman::SetRangeState(bool selection, bool pages)
{
    SelectionED->setEnabled(selection);
    FromED->setEnabled(pages);
    ToED->setEnabled(pages);
    SetTextColor(FromLabel, pages ? QColor(Qt::black) : GreyText);
    SetTextColor(ToLabel, pages ? QColor(Qt::black) : GreyText);
}

void Tfrm_RpSetupGerman::AllRBClick()
{
    SetRangeState(false, false);
}

void Tfrm_RpSetupGerman::SelectionRBClick()
{
    if (SelectionRB->isChecked())
        SetRangeState(true, false);
}

void Tfrm_RpSetupGerman::PagesRBClick()
{
    if (PagesRB->isChecked())
        SetRangeState(false, true);
}

void Tfrm_RpSetupGerman::SetupBBClick()
{
    if (!PrinterDevice)
        return;
    QPrinter printer(QPrinter::HighResolution);
    PrinterDevice->Configure(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        if (!printer.printerName().isEmpty())
            PrinterDevice->SetCurrentPrinter(printer.printerName());
    } catch (const EAppError &error) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), error.Message());
    }
    ShowPrinter();
}

void Tfrm_RpSetupGerman::bbtnOKClick()
{
    const TReportSystem::Permissions &allowed = Permissions(ReportSystem);
    const int pageCount = PrinterRenderer ? PrinterRenderer->PageCountHint : 0;
    int first = 1, last = 9999, copies = 0;
    QString selection;
    try {
        if (SelectionRB->isChecked()) {
            selection = SelectionED->text();
            try {
                if (pageCount > 0 && TPageSelection::Parse(selection, pageCount).isEmpty())
                    throw TRefusal{NoPageMessage(pageCount)};
            } catch (const EAppError &error) {
                throw TRefusal{error.Message()};
            }
        } else if (PagesRB->isChecked()) {
            first = WholeNumber(FromED);
            last = WholeNumber(ToED);
            if (first < 1)
                throw TRefusal{QStringLiteral("Die erste Seite („Von“) muss mindestens 1 sein.")};
            if (first > last)
                throw TRefusal{QStringLiteral("Die Seite „Von“ (%1) liegt hinter der Seite „bis“ "
                                              "(%2).")
                                   .arg(first)
                                   .arg(last)};
            if (pageCount > 0 && first > pageCount)
                throw TRefusal{NoPageMessage(pageCount)};
        }
        if (allowed.Copies && !CopiesED->text().trimmed().isEmpty()) {
            copies = WholeNumber(CopiesED);
            if (copies < 1)
                throw TRefusal{QStringLiteral("Es muss mindestens 1 Kopie gedruckt werden.")};
        }
    } catch (const TRefusal &refusal) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), refusal.Message);
        return;
    }

    if (PrinterRenderer) {
        PrinterRenderer->FirstPage = first;
        PrinterRenderer->LastPage = last;
        PrinterRenderer->Selection = selection;
        if (copies > 0)
            PrinterRenderer->Copies = copies;
        if (allowed.Collate)
            PrinterRenderer->Collate = CollateCK->isChecked();
        if (allowed.Duplex)
            PrinterRenderer->Duplex = ChosenDuplex(PrinterRenderer->Duplex);
    }
    if (ReportSystem) {
        if (copies > 0)
            ReportSystem->Printer.Copies = copies;
        if (allowed.Collate)
            ReportSystem->Printer.Collate = CollateCK->isChecked();
        if (allowed.Duplex)
            ReportSystem->Printer.Duplex = ChosenDuplex(ReportSystem->Printer.Duplex);
    }
    accept();
}

void Tfrm_RpSetupGerman::bbtnCancelClick()
{
    reject();
}

QPrinter::DuplexMode Tfrm_RpSetupGerman::ChosenDuplex(QPrinter::DuplexMode before) const
{
    if (!DuplexCK->isChecked())
        return QPrinter::DuplexNone;
    return before == QPrinter::DuplexNone ? QPrinter::DuplexLongSide : before;
}

QString Tfrm_RpSetupGerman::NoPageMessage(int pageCount)
{
    return QStringLiteral("Im gewählten Druckbereich liegt keine Seite des Reports; der Report "
                          "hat %1 Seiten.")
        .arg(pageCount);
}
