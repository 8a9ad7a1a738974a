#include "SettingsPage.h"

#include "Frame_RtfEditor.h"
#include "PageParts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

// A grey outline whose top edge is interrupted by its caption near the left end.
class THintBox : public QWidget
{
public:
    THintBox(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int top = fontMetrics().height() / 2;
        const int captionLeft = 8;
        const int captionWidth = fontMetrics().horizontalAdvance(m_caption);
        p.setPen(PageParts::BorderColor);
        p.drawLine(0, top, captionLeft, top);
        p.drawLine(captionLeft + captionWidth, top, width() - 1, top);
        p.drawLine(0, top, 0, height() - 1);
        p.drawLine(width() - 1, top, width() - 1, height() - 1);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawText(captionLeft, fontMetrics().ascent(), m_caption);
    }

private:
    QString m_caption;
};

} // namespace

TSettingsPage::TSettingsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_EinstellungenBody"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto *heading = new QLabel(QStringLiteral("Reportüberschriften"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    QFrame *line = PageParts::GreyLine(this);
    line->setFixedWidth(785);
    layout->addWidget(line);

    auto *radios = new QHBoxLayout;
    rbt_TitleRep = new QRadioButton(QStringLiteral("Abschreibungsreport"), this);
    rbt_TitleRep->setObjectName(QStringLiteral("rbt_TitleRep"));
    rbt_TitleRun = new QRadioButton(QStringLiteral("Abschreibungsverlauf"), this);
    rbt_TitleRun->setObjectName(QStringLiteral("rbt_TitleRun"));
    auto *group = new QButtonGroup(this);
    for (QRadioButton *radio : {rbt_TitleRep, rbt_TitleRun}) {
        radio->setAccessibleName(radio->text());
        group->addButton(radio);
        radios->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this] { emit TitleToggled(); });
    }
    rbt_TitleRep->setChecked(true);
    radios->addStretch(1);
    layout->addLayout(radios);

    rtfe_Title = new Tfrm_RtfEditor(this);
    rtfe_Title->setObjectName(QStringLiteral("rtfe_Title"));
    rtfe_Title->setAccessibleName(QStringLiteral("Reportüberschrift"));
    rtfe_Title->setFixedSize(772, 262);
    layout->addWidget(rtfe_Title);

    auto *hint = new THintBox(QStringLiteral(" Hinweis "), this);
    hint->setObjectName(QStringLiteral("pnl_Hint"));
    hint->setFixedSize(777, 89);
    auto *hintLayout = new QVBoxLayout(hint);
    hintLayout->setContentsMargins(6, hint->fontMetrics().height() + 2, 6, 4);
    mem_Hint = new QPlainTextEdit(hint);
    mem_Hint->setObjectName(QStringLiteral("mem_Hint"));
    mem_Hint->setAccessibleName(QStringLiteral("Hinweis"));
    mem_Hint->setFrameShape(QFrame::NoFrame);
    mem_Hint->setLineWrapMode(QPlainTextEdit::NoWrap);
    mem_Hint->setPlainText(HintLines().join(u'\n'));
    QPalette palette = mem_Hint->palette();
    palette.setColor(QPalette::Base, PageParts::PageColor);
    palette.setColor(QPalette::Text, PageParts::BorderColor);
    mem_Hint->setPalette(palette);
    hintLayout->addWidget(mem_Hint);
    QPalette hintPalette = hint->palette();
    hintPalette.setColor(QPalette::WindowText, PageParts::BorderColor);
    hint->setPalette(hintPalette);
    layout->addWidget(hint);
    layout->addStretch(1);
}

QString TSettingsPage::CheckedKey() const
{
    return rbt_TitleRun->isChecked() ? QStringLiteral("RUT") : QStringLiteral("RPT");
}

void TSettingsPage::CheckKey(const QString &key)
{
    (key == u"RUT" ? rbt_TitleRun : rbt_TitleRep)->setChecked(true);
}

QStringList TSettingsPage::HintLines()
{
    return {
        QStringLiteral("Wenn Sie bei Einstellungen für die Reportausgabe im Register "
                       "\"Auswertung -> Einstellungen\" unter"),
        QStringLiteral("\"Afa-Report die Option \"Witschaftsjahr\" ausgewählt haben erhalten die "
                       "Reports die Reportüberschrift"),
        QStringLiteral("\"Abschreibungsreport\". Hier können Sie z.Zt. folgende Platzhalter "
                       "einsetzen."),
        QStringLiteral("1) [%Zeitraum%] : Wird ausgetauscht gegen das Wirtschaftsjahr im Format "
                       "\"zum 31. Dezember <Wirtschaftsjahr>\" "),
    };
}
