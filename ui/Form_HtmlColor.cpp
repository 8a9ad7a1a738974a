#include "Form_HtmlColor.h"

#include "SpeedButtonDrawer.h"

#include "ColorPalette.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QVBoxLayout>

std::function<bool(QString &result)> Tfrm_HtmlColor::Answer;

Tfrm_HtmlColor::Tfrm_HtmlColor(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Browser unabhängige Farben"));
    setFixedSize(350, 315);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE));
    setPalette(colours);

    img_Palette = new TColorPalette;
    pnl_Info = new QLabel(QStringLiteral("Color=#RRGGBB"));
    pnl_Info->setFixedSize(324, 25);
    pnl_Info->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnl_Info->setAlignment(Qt::AlignCenter);
    pnl_Info->setAccessibleName(QStringLiteral("Farbe"));
    connect(img_Palette, &TColorPalette::Picked, this, [this](const QString &text) {
        pnl_Info->setText(text);
        m_result = text;
    });

    auto *line = new QFrame;
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette grey = line->palette();
    grey.setColor(QPalette::Window, Qt::gray);
    line->setPalette(grey);

    btn_Ok = new QPushButton(QStringLiteral("Ok"));
    btn_Cancel = new QPushButton(QStringLiteral("Abbrechen"));
    for (QPushButton *button : {btn_Ok, btn_Cancel}) {
        button->setFlat(true);
        button->setFixedWidth(100);
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
    }
    connect(btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(5, 5, 5, 5);
    buttons->setSpacing(5);
    buttons->addStretch();
    buttons->addWidget(btn_Ok);
    buttons->addWidget(btn_Cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(img_Palette, 0, Qt::AlignHCenter);
    layout->addWidget(pnl_Info, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(line);
    layout->addLayout(buttons);
}

Tfrm_HtmlColor::~Tfrm_HtmlColor() = default;

void Tfrm_HtmlColor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_outlined)
        return;
    m_outlined = true;
    // Once after opening: outline the cell of the current colour, unless one was picked.
    QTimer::singleShot(250, this, [this] {
        if (m_result.isEmpty())
            img_Palette->OutlineNearest(m_color);
    });
}

bool Tfrm_HtmlColor::Run(QWidget *parent, QString &result, TSpeedButtonDrawer *drawer)
{
    if (Answer)
        return Answer(result);
    Tfrm_HtmlColor dialog(parent ? parent : QApplication::activeWindow());
    if (drawer)
        drawer->RegisterWindow(&dialog);
    const auto unregister = qScopeGuard([&] {
        if (drawer)
            drawer->UnregisterWindow(&dialog);
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    result = dialog.Result();
    return true;
}
