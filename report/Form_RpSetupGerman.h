#pragma once
// Tfrm_RpSetupGerman: the modal dialog before a rendered report is printed: printer, pages
// (all, a selection, a range), copies, collate, duplex. The preview creates it on its
// first print and keeps it, so the controls keep their state from one print to the next.
#include <QDialog>
#include <QPrinter>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TPrinterDevice;
class TPrinterRenderer;
class TReportSystem;

class Tfrm_RpSetupGerman : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_RpSetupGerman(QWidget *parent = nullptr);
    ~Tfrm_RpSetupGerman() override;

    // Set by the caller before each show.
    TReportSystem *ReportSystem = nullptr;
    TPrinterRenderer *PrinterRenderer = nullptr;
    TPrinterDevice *PrinterDevice = nullptr;

    QLabel *PrinterLabel = nullptr;
    QPushButton *SetupBB = nullptr;
    QStackedWidget *RangePages = nullptr;
    QRadioButton *AllRB = nullptr;
    QRadioButton *SelectionRB = nullptr;
    QRadioButton *PagesRB = nullptr;
    QLineEdit *SelectionED = nullptr;
    QLabel *FromLabel = nullptr;
    QLabel *ToLabel = nullptr;
    QLineEdit *FromED = nullptr;
    QLineEdit *ToED = nullptr;
    QLabel *CopiesLabel = nullptr;
    QLineEdit *CopiesED = nullptr;
    QCheckBox *CollateCK = nullptr;
    QCheckBox *DuplexCK = nullptr;
    QPushButton *bbtnOK = nullptr;
    QPushButton *bbtnCancel = nullptr;

    void FormShow();
    void AllRBClick();
    void SelectionRBClick();
    void PagesRBClick();
    void SetupBBClick();
    void bbtnOKClick();
    void bbtnCancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool HasPrinter() const;
    void ShowPrinter();
    void SetRangeState(bool selection, bool pages);
    QPrinter::DuplexMode ChosenDuplex(QPrinter::DuplexMode before) const;
    static QString NoPageMessage(int pageCount);
};
