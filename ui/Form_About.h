#pragma once
// Tfrm_About: the program's picture, version, contact, the operating system and the
// program's folder, opened from "Hilfe" > "Info".
#include <QDialog>

class QFontMetrics;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;

class Tfrm_About : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_About(QWidget *parent = nullptr);
    ~Tfrm_About() override;

    QTabWidget *pgc_Info;
    QWidget *pnl_Info;
    QLabel *Image;
    QPushButton *bt_Ok;
    QLabel *cap_Version, *cap_Company, *cap_Os, *cap_Support;
    QFrame *shp_Version, *shp_Company, *shp_Os, *shp_Support;
    QLabel *lbl_Version, *lbl_Company, *lbl_Os, *lbl_Support;

    // The texts shown; set before ShowInformation (tests give their own).
    QString VersionText, CompanyText, OsText, FolderText;

    static QRect InfoShape() { return {21, 44, 266, 239}; }
    static QString ContactText();

    // Fills and lays out the page; modal unless modal is false (tests).
    void ShowInformation(bool modal = true);
    void LayOut();

    // Cut into lines no wider than width: at the last blank that fits, else where the
    // width is reached; lines joined by "\r\n".
    static QString WrapHint(const QString &text, const QFontMetrics &metrics, int width);

    // Shows the window for the menu item and frees it when it closes.
    static void ShowInfo();
};
