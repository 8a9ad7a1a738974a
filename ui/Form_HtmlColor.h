#pragma once
// Tfrm_HtmlColor: a palette of browser-safe colours; the chosen one as "#RRGGBB".
#include <QColor>
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class TSpeedButtonDrawer;
class TColorPalette;

class Tfrm_HtmlColor : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_HtmlColor(QWidget *parent = nullptr);
    ~Tfrm_HtmlColor() override;

    // Shows the dialog modally over parent; true with result ("#RRGGBB", or empty when
    // "Ok" came before any swatch was clicked) when it ended with "Ok".
    // drawer: the owner's flat-button painter for the dialog's buttons, if any
    static bool Run(QWidget *parent, QString &result, TSpeedButtonDrawer *drawer = nullptr);
    // Tests answer here instead of a user; unset: the dialog is shown.
    static std::function<bool(QString &result)> Answer;

    QString Result() const { return m_result; }

    TColorPalette *img_Palette = nullptr;
    QLabel *pnl_Info = nullptr;
    QPushButton *btn_Ok = nullptr, *btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_result;
    QColor m_color = Qt::black;
    bool m_outlined = false;
};
