#include "EvaluationSettingsPage.h"

#include "DateSerial.h"
#include "DbDateEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>

namespace
{
constexpr int UnderlineLength = 327;
constexpr int ControlX = 136; // the column right of the labels

TDateTime PickerDate(const TDbDateEdit *picker)
{
    const QDate date = picker->Date();
    return date.isValid() ? DateSerial::EncodeDate(date.year(), date.month(), date.day()) : 0;
}
} // namespace

TEvaluationSettingsPage::TEvaluationSettingsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_Settings"));
    setAccessibleName(QStringLiteral("Einstellungen"));

    Heading(QStringLiteral("Auswertemodus"), 16, 14);
    Label(QStringLiteral("Abschreibungsart"), 16, 47);
    rbt_AfaIndividuell = Radio(QStringLiteral("Angabe im Abschreibungsgut"), ControlX, 44, 220);
    rbt_AfaLinear = Radio(QStringLiteral("linear"), ControlX, 66, 120);
    rbt_AfaDegressiv = Radio(QStringLiteral("degressiv"), ControlX, 88, 120);
    rbt_AfaIndividuell->setObjectName(QStringLiteral("rbt_AfaIndividuell"));
    rbt_AfaLinear->setObjectName(QStringLiteral("rbt_AfaLinear"));
    rbt_AfaDegressiv->setObjectName(QStringLiteral("rbt_AfaDegressiv"));
    rbt_AfaLinear->setChecked(true);
    auto *modes = new QButtonGroup(this);
    for (QRadioButton *button : {rbt_AfaIndividuell, rbt_AfaLinear, rbt_AfaDegressiv}) {
        modes->addButton(button);
        connect(button, &QRadioButton::clicked, this, &TEvaluationSettingsPage::AfaArtSelClicked);
    }

    // Hung below "degressiv" on a tree branch (drawn in paintEvent).
    QLabel *percentLabel = Label(QStringLiteral("Prozentsatz"), ControlX + 26, 117, 70);
    ed_ProzDegAbschr = new QLineEdit(QStringLiteral("20"), this);
    ed_ProzDegAbschr->setObjectName(QStringLiteral("ed_ProzDegAbschr"));
    ed_ProzDegAbschr->setAccessibleName(QStringLiteral("Prozentsatz"));
    ed_ProzDegAbschr->setGeometry(ControlX + 100, 114, 64, 21);
    percentLabel->setBuddy(ed_ProzDegAbschr);
    cbx_DegToLinAfa = new QCheckBox(this);
    cbx_DegToLinAfa->setObjectName(QStringLiteral("cbx_DegToLinAfa"));
    cbx_DegToLinAfa->setAccessibleName(QStringLiteral("Übergang zur linearen Abschreibung"));
    cbx_DegToLinAfa->setGeometry(ControlX + 26, 142, 22, 30);
    auto *switchCaption = new QLabel(QStringLiteral("Übergang zur linearen\nAbschreibung"), this);
    switchCaption->setGeometry(ControlX + 46, 142, 200, 30);
    switchCaption->setBuddy(cbx_DegToLinAfa);

    Heading(QStringLiteral("Afa-Report"), 16, 196);
    rbt_FilterJahr = Radio(QStringLiteral("Wirtschaftsjahr"), 16, 226, 116);
    rbt_FilterJahr->setObjectName(QStringLiteral("rbt_FilterJahr"));
    rbt_FilterJahr->setChecked(true);
    ed_FilterJahr = new QSpinBox(this);
    ed_FilterJahr->setObjectName(QStringLiteral("ed_FilterJahr"));
    ed_FilterJahr->setAccessibleName(QStringLiteral("Wirtschaftsjahr"));
    ed_FilterJahr->setRange(1900, 2099);
    ed_FilterJahr->setSingleStep(1);
    ed_FilterJahr->setGroupSeparatorShown(false);
    ed_FilterJahr->setValue(QDate::currentDate().year());
    ed_FilterJahr->setGeometry(ControlX, 224, 137, 21);

    Heading(QStringLiteral("Afa-Verlauf"), 16, 266);
    rbt_FilterZeitraum = Radio(QStringLiteral("Zeitraum "), 16, 296, 116);
    rbt_FilterZeitraum->setObjectName(QStringLiteral("rbt_FilterZeitraum"));
    auto picker = [this](const QString &name, const QString &label, int y) {
        Label(label, ControlX, y + 3, 24);
        auto *edit = new TDbDateEdit(this);
        edit->setObjectName(name);
        edit->setAccessibleName(label);
        edit->setGeometry(ControlX + 30, y, 153, 21);
        return edit;
    };
    dtp_FilterVon = picker(QStringLiteral("dtp_FilterVon"), QStringLiteral("von"), 294);
    dtp_FilterBis = picker(QStringLiteral("dtp_FilterBis"), QStringLiteral("bis"), 320);
    rbt_FilterGridSelection =
        Radio(QStringLiteral("Auswahl in Tabelle \"Abschreibungsgüter\""), 16, 352, 320);
    rbt_FilterGridSelection->setObjectName(QStringLiteral("rbt_FilterGridSelection"));
    auto *filters = new QButtonGroup(this);
    for (QRadioButton *button : {rbt_FilterJahr, rbt_FilterZeitraum, rbt_FilterGridSelection})
        filters->addButton(button);

    setMinimumSize(520, 390);
}

QLabel *TEvaluationSettingsPage::Heading(const QString &text, int x, int y)
{
    auto *heading = new QLabel(text, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(x, y, UnderlineLength, 16);
    m_underlines << QRect(x, y + 18, UnderlineLength, 1);
    return heading;
}

QLabel *TEvaluationSettingsPage::Label(const QString &text, int x, int y, int width)
{
    auto *label = new QLabel(text, this);
    label->setGeometry(x, y, width, 16);
    return label;
}

QRadioButton *TEvaluationSettingsPage::Radio(const QString &text, int x, int y, int width)
{
    auto *button = new QRadioButton(text, this);
    button->setAccessibleName(text.trimmed());
    button->setGeometry(x, y, width, 20);
    return button;
}

void TEvaluationSettingsPage::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    for (const QRect &line : m_underlines)
        painter.drawLine(line.topLeft(), line.topRight());
    // The branch from "degressiv" to the percentage and to the change-over box.
    painter.setPen(Qt::black);
    const int trunkX = rbt_AfaDegressiv->x() + 7;
    const int top = rbt_AfaDegressiv->geometry().bottom() + 1;
    const int percentY = ed_ProzDegAbschr->geometry().center().y();
    const int switchY = cbx_DegToLinAfa->geometry().center().y();
    painter.drawLine(trunkX, top, trunkX, switchY);
    painter.drawLine(trunkX, percentY, cbx_DegToLinAfa->x() - 2, percentY);
    painter.drawLine(trunkX, switchY, cbx_DegToLinAfa->x() + 2, switchY);
}

void TEvaluationSettingsPage::UpdatePercentEdit()
{
    const bool enabled = rbt_AfaDegressiv->isChecked();
    ed_ProzDegAbschr->setEnabled(enabled);
    QPalette palette = ed_ProzDegAbschr->palette();
    palette.setColor(QPalette::Base, enabled
                                         ? this->palette().color(QPalette::Active, QPalette::Base)
                                         : QColor(0xDE, 0xDE, 0xDE));
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     enabled ? this->palette().color(QPalette::Active, QPalette::Base)
                             : QColor(0xDE, 0xDE, 0xDE));
    ed_ProzDegAbschr->setPalette(palette);
}

TEvaluationSettings TEvaluationSettingsPage::Settings() const
{
    TEvaluationSettings settings;
    settings.Mode = rbt_AfaDegressiv->isChecked()     ? TAfaMode::Degressiv
                    : rbt_AfaIndividuell->isChecked() ? TAfaMode::Individuell
                                                      : TAfaMode::Linear;
    settings.PercentText = ed_ProzDegAbschr->text();
    settings.AllowSwitch = cbx_DegToLinAfa->isChecked();
    settings.Filter = rbt_FilterZeitraum->isChecked()        ? TAfaFilterChoice::Zeitraum
                      : rbt_FilterGridSelection->isChecked() ? TAfaFilterChoice::Auswahl
                                                             : TAfaFilterChoice::Wirtschaftsjahr;
    settings.FiscalYearText = ed_FilterJahr->text();
    settings.From = PickerDate(dtp_FilterVon);
    settings.To = PickerDate(dtp_FilterBis);
    return settings;
}
