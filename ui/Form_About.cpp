#include "Form_About.h"

#include "PageControlDrawer.h"
#include "SpeedButtonDrawer.h"
#include "Unit_Global.h"

#include "AppPaths.h"
#include "OsDescription.h"
#include "VersionInfo.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

const QColor Accent(0x10, 0x69, 0x7B);

// The white page: a gradient from #9CBBD8 down to white and the navy outline of the
// picture area.
class TInfoPage : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int h = std::max(1, height());
        for (int y = 0; y < h; ++y) {
            const double t = h > 1 ? double(y) / (h - 1) : 0;
            p.setPen(QColor(int(0x9C + (0xFF - 0x9C) * t), int(0xBB + (0xFF - 0xBB) * t),
                            int(0xD8 + (0xFF - 0xD8) * t)));
            p.drawLine(0, y, width() - 1, y);
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(Tfrm_About::InfoShape()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
};

QLabel *Caption(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Accent);
    label->setPalette(palette);
    label->setAccessibleName(text);
    return label;
}

QFrame *Line(const QString &name, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Accent);
    line->setPalette(palette);
    return line;
}

QLabel *Text(const QString &name, const QString &accessible, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString Shown(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

Tfrm_About::Tfrm_About(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("norbek Dov - Ivevera >> Info"));
    setObjectName(QStringLiteral("frm_About"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Accent);
    setPalette(palette);
    resize(626, 443);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pgc_Info = new QTabWidget(this);
    pgc_Info->setObjectName(QStringLiteral("pgc_Info"));
    pgc_Info->setDocumentMode(true);
    pnl_Info = new TInfoPage(pgc_Info);
    pnl_Info->setObjectName(QStringLiteral("pnl_Info"));
    pnl_Info->setAccessibleName(QStringLiteral("Info"));
    pgc_Info->addTab(pnl_Info, QStringLiteral("Info"));
    layout->addWidget(pgc_Info);

    Image = new QLabel(pnl_Info);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAccessibleName(QStringLiteral("norbekAfa"));
    Image->setGeometry(72, 80, 160, 108);
    Image->setScaledContents(true);
    Image->setPixmap(QPixmap(QStringLiteral(":/about/about.gif")));
    bt_Ok = new QPushButton(QStringLiteral("Ok"), pnl_Info);
    bt_Ok->setObjectName(QStringLiteral("bt_Ok"));
    bt_Ok->setAccessibleName(QStringLiteral("Ok"));
    bt_Ok->setFlat(true);
    bt_Ok->setGeometry(104, 220, 90, 25);
    connect(bt_Ok, &QPushButton::clicked, this, &QDialog::accept);

    cap_Version = Caption(QStringLiteral("Version"), QStringLiteral("cap_Version"), pnl_Info);
    shp_Version = Line(QStringLiteral("shp_Version"), pnl_Info);
    lbl_Version = Text(QStringLiteral("lbl_Version"), QStringLiteral("Version"), pnl_Info);
    cap_Company = Caption(QStringLiteral("Kontakt"), QStringLiteral("cap_Company"), pnl_Info);
    shp_Company = Line(QStringLiteral("shp_Company"), pnl_Info);
    lbl_Company = Text(QStringLiteral("lbl_Company"), QStringLiteral("Kontakt"), pnl_Info);
    cap_Os = Caption(QStringLiteral("Systeminformation"), QStringLiteral("cap_Os"), pnl_Info);
    shp_Os = Line(QStringLiteral("shp_Os"), pnl_Info);
    lbl_Os = Text(QStringLiteral("lbl_Os"), QStringLiteral("Systeminformation"), pnl_Info);
    cap_Support = Caption(QStringLiteral("Hinweis"), QStringLiteral("cap_Support"), pnl_Info);
    shp_Support = Line(QStringLiteral("shp_Support"), pnl_Info);
    lbl_Support = Text(QStringLiteral("lbl_Support"), QStringLiteral("Hinweis"), pnl_Info);
    // The lines' and the hint's width at design time.
    for (QFrame *line : {shp_Version, shp_Company, shp_Os, shp_Support})
        line->resize(209, 2);
    cap_Support->move(0, 0);
    lbl_Support->move(15, 0);

    TVersionInfoResource version;
    version.SetFileName();
    VersionText = version.FileVersion().Text();
    CompanyText = ContactText();
    OsText = OsDescription();
    // where the data lives: beside the executable, or the user's folder when installed
    FolderText = QFileInfo(DatabasePath).absolutePath() + QLatin1Char('/');

    // the single page stays, its tab is never shown
    Global().PageControlDrawer(0).Register(pgc_Info, QStringLiteral("O,H"));
    Global().SpeedButtonDrawer(0).RegisterWindow(this);
}

Tfrm_About::~Tfrm_About()
{
    Global().PageControlDrawer(0).Unregister(pgc_Info);
    Global().SpeedButtonDrawer(0).UnregisterWindow(this);
}

QString Tfrm_About::ContactText()
{
    return QStringLiteral("norbek Software\r\nAm Anger 7\r\n12345 Musterstadt\r\n"
                          "Telefon 01234 56789-0\r\nsupport@norbek.de");
}

QString Tfrm_About::WrapHint(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty()) {
        if (metrics.horizontalAdvance(rest) <= width) {
            lines << rest;
            break;
        }
        // The longest start that fits, at least one character.
        qsizetype fits = 1;
        while (fits < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= width)
            ++fits;
        const qsizetype blank = rest.left(fits + 1).lastIndexOf(u' ');
        const qsizetype cut = blank > 0 ? blank : fits;
        lines << rest.left(cut);
        rest = rest.mid(blank > 0 ? cut + 1 : cut);
    }
    return lines.join(QStringLiteral("\r\n"));
}

void Tfrm_About::LayOut()
{
    const QRect shape = InfoShape();
    setFixedSize(width(), 2 * shape.top() + shape.height());

    const int hintWidth = shp_Support->width() + cap_Support->x() - lbl_Support->x();
    lbl_Version->setText(Shown(VersionText));
    lbl_Company->setText(Shown(CompanyText));
    lbl_Os->setText(Shown(OsText));
    lbl_Support->setText(Shown(WrapHint(QStringLiteral("Anwendungsdatenordner: %1").arg(FolderText),
                                        lbl_Support->fontMetrics(), hintWidth)));

    const QList<QWidget *> stack = {cap_Version, shp_Version, lbl_Version, cap_Company,
                                    shp_Company, lbl_Company, cap_Os,      shp_Os,
                                    lbl_Os,      cap_Support, shp_Support, lbl_Support};
    const auto indent = [](QWidget *w) { return w->objectName().startsWith(u'l') ? 15 : 0; };
    const auto below = [](QWidget *w) {
        const QString name = w->objectName();
        return name.startsWith(QStringLiteral("cap"))   ? 2
               : name.startsWith(QStringLiteral("shp")) ? 5
                                                        : 10;
    };
    int columnWidth = 0, stackHeight = 0;
    for (QWidget *w : stack) {
        if (qobject_cast<QLabel *>(w))
            w->adjustSize();
        columnWidth = std::max(columnWidth, w->width() + indent(w));
        stackHeight += w->height() + below(w);
    }
    const int x = shape.right() + 1 + 20;

    // Grow the window when the column does not fit the page, which fills the window.
    const int pageWidth = width(), pageHeight = height();
    int top = (pageHeight - stackHeight) / 2;
    if (top <= 0)
        top = 5;
    const int wide = x + columnWidth - pageWidth;
    const int high = stackHeight - pageHeight;
    if (wide > 0 || high > 0) {
        setFixedSize(width() + (wide > 0 ? wide + 5 : 0), height() + (high > 0 ? high + 5 : 0));
    }
    pgc_Info->setGeometry(rect());
    pnl_Info->setGeometry(rect());
    for (QWidget *w : stack) {
        w->setGeometry(x + indent(w), top, columnWidth - indent(w), w->height());
        top += w->height() + below(w);
    }
}

void Tfrm_About::ShowInformation(bool modal)
{
    pgc_Info->setCurrentWidget(pnl_Info);
    LayOut();
    if (modal)
        exec();
    else
        show();
}

void Tfrm_About::ShowInfo()
{
    Tfrm_About about;
    about.ShowInformation();
}
