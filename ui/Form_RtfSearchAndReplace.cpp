#include "Form_RtfSearchAndReplace.h"

#include "TextSearch.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace
{
const char *const OptionCaptions[] = {"Groß / Kleinschreibung", "Nur ganze Wörter",
                                      "Reguläre Ausdrücke", "Mit Bestätigung"};
enum { OptCase, OptWholeWords, OptRegular, OptConfirm, OptCount };

constexpr int DialogWidth = 450;
constexpr int ReplaceModeHeight = 283;
constexpr int ReplaceRowHeight = 34;

QWidget *EditRow(const QString &caption, QLineEdit *edit)
{
    auto *row = new QWidget;
    row->setFixedHeight(ReplaceRowHeight);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 0, 8, 0);
    auto *label = new QLabel(caption);
    label->setBuddy(edit);
    edit->setFixedWidth(315);
    edit->setAccessibleName(QString(caption).remove(u'&'));
    layout->addWidget(label);
    layout->addStretch();
    layout->addWidget(edit);
    return row;
}

QGroupBox *RadioGroup(const QString &title, QRadioButton *first, QRadioButton *second)
{
    auto *box = new QGroupBox(title);
    box->setAccessibleName(title.trimmed());
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    for (QRadioButton *button : {first, second}) {
        button->setAccessibleName(button->text());
        layout->addWidget(button);
    }
    return box;
}

QPushButton *BarButton(const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setFlat(true);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    button->setMinimumWidth(90);
    return button;
}
} // namespace

Tfrm_RtfSearchAndReplace::Tfrm_RtfSearchAndReplace(QWidget *parent) : QDialog(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE));
    setPalette(colours);

    edt_Search = new QLineEdit;
    edt_Replace = new QLineEdit;
    edt_Search->setText(Options.SearchText);
    edt_Replace->setText(Options.ReplaceText);
    QWidget *searchRow = EditRow(QStringLiteral("&Suchtext"), edt_Search);
    m_replaceRow = EditRow(QStringLiteral("&Ersetzungstext"), edt_Replace);

    lst_Options = new QListWidget;
    lst_Options->setAccessibleName(QStringLiteral("Optionen"));
    lst_Options->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *optionBox = new QGroupBox(QStringLiteral(" Optionen "));
    optionBox->setAccessibleName(QStringLiteral("Optionen"));
    auto *optionLayout = new QVBoxLayout(optionBox);
    optionLayout->setContentsMargins(3, 2, 3, 6);
    optionLayout->addWidget(lst_Options);

    rb_Forward = new QRadioButton(QStringLiteral("Vorwärts"));
    rb_Backward = new QRadioButton(QStringLiteral("Rückwärts"));
    rb_WholeText = new QRadioButton(QStringLiteral("Gesamter Text"));
    rb_Selection = new QRadioButton(QStringLiteral("Markierter Text"));
    rb_FromCursor = new QRadioButton(QStringLiteral("Ab Cursor"));
    rb_FromStart = new QRadioButton(QStringLiteral("Textanfang"));
    (Options.Backward ? rb_Backward : rb_Forward)->setChecked(true);
    (Options.SelectionOnly ? rb_Selection : rb_WholeText)->setChecked(true);
    (Options.FromTextStart ? rb_FromStart : rb_FromCursor)->setChecked(true);

    auto *groups = new QVBoxLayout;
    groups->addWidget(RadioGroup(QStringLiteral(" Richtung "), rb_Forward, rb_Backward));
    groups->addWidget(RadioGroup(QStringLiteral(" Bereich "), rb_WholeText, rb_Selection));
    groups->addWidget(RadioGroup(QStringLiteral(" Beginn "), rb_FromCursor, rb_FromStart));

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(5, 0, 5, 0);
    middle->setSpacing(4);
    middle->addWidget(optionBox, 1);
    middle->addLayout(groups, 0);

    btn_Ok = BarButton(QStringLiteral("Ok"));
    btn_Cancel = BarButton(QStringLiteral("Abbrechen"));
    btn_ReplaceAll = BarButton(QStringLiteral("Alles ersetzen"));
    auto *bar = new QWidget;
    bar->setFixedHeight(34);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(5, 0, 5, 0);
    barLayout->setSpacing(5);
    barLayout->addWidget(btn_Ok);
    barLayout->addWidget(btn_Cancel);
    barLayout->addWidget(btn_ReplaceAll);
    barLayout->addStretch();
    connect(btn_Ok, &QPushButton::clicked, this, [this] { Start(false); });
    connect(btn_ReplaceAll, &QPushButton::clicked, this, [this] { Start(true); });
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(searchRow);
    layout->addWidget(m_replaceRow);
    layout->addLayout(middle, 1);
    layout->addWidget(bar);

    SetMode(true);
}

Tfrm_RtfSearchAndReplace::~Tfrm_RtfSearchAndReplace()
{
    SetDrawer(nullptr);
}

void Tfrm_RtfSearchAndReplace::Bind(QTextEdit *edit)
{
    m_edit = edit;
}

void Tfrm_RtfSearchAndReplace::SetDrawer(TSpeedButtonDrawer *drawer)
{
    if (m_drawer)
        m_drawer->UnregisterWindow(this);
    m_drawer = drawer;
    if (m_drawer)
        m_drawer->RegisterWindow(this);
}

void Tfrm_RtfSearchAndReplace::SetMode(bool replace)
{
    m_replaceMode = replace;
    lst_Options->clear();
    for (int i = 0; i < (replace ? OptCount : OptConfirm); ++i) {
        auto *item = new QListWidgetItem(QString::fromUtf8(OptionCaptions[i]), lst_Options);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::AccessibleTextRole, item->text());
    }
    if (replace && Options.Confirm)
        lst_Options->item(OptConfirm)->setCheckState(Qt::Checked);
    setWindowTitle(replace ? QStringLiteral("Text ersetzen") : QStringLiteral("Text suchen"));
    m_replaceRow->setVisible(replace);
    btn_Cancel->setVisible(replace);
    btn_ReplaceAll->setVisible(replace);
    setFixedSize(DialogWidth, replace ? ReplaceModeHeight : ReplaceModeHeight - ReplaceRowHeight);
    if (QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void Tfrm_RtfSearchAndReplace::ReadControls(bool replaceAll)
{
    const auto checked = [this](int option) {
        return option < lst_Options->count() &&
               lst_Options->item(option)->checkState() == Qt::Checked;
    };
    Options.SearchText = edt_Search->text();
    Options.CaseSensitive = checked(OptCase);
    Options.WholeWords = checked(OptWholeWords);
    Options.RegularExpressions = checked(OptRegular);
    Options.Backward = rb_Backward->isChecked();
    Options.SelectionOnly = rb_Selection->isChecked();
    Options.FromTextStart = rb_FromStart->isChecked();
    if (m_replaceMode) {
        Options.Confirm = checked(OptConfirm);
        Options.ReplaceText = edt_Replace->text();
        Options.ReplaceAll = replaceAll;
    } else {
        // The confirmation stays as it was, so replace mode opens with it next time.
        Options.ReplaceText.clear();
        Options.ReplaceAll = false;
    }
}

void Tfrm_RtfSearchAndReplace::InitRun()
{
    m_allConfirmed = false;
    m_backward = Options.Backward;
    const QTextCursor cursor = m_edit->textCursor();
    if (Options.SelectionOnly) {
        // The region is the selection as it is now; replacements move its end.
        m_regionStart = cursor.selectionStart();
        m_regionEnd = cursor.selectionEnd();
        if (!Options.FromTextStart)
            m_backward = false;
        m_position = m_backward ? m_regionEnd : m_regionStart;
    } else {
        m_regionStart = 0;
        m_regionEnd = -1;
        if (Options.FromTextStart)
            m_position = 0;
        else
            m_position = m_backward ? cursor.selectionStart() : cursor.selectionEnd();
    }
}

void Tfrm_RtfSearchAndReplace::Start(bool replaceAll)
{
    ReadControls(replaceAll);
    if (!m_edit || !CheckPattern())
        return;
    InitRun();
    if (m_replaceMode)
        ReplaceRun();
    else
        FindNext();
    accept();
}

bool Tfrm_RtfSearchAndReplace::CheckPattern()
{
    const QString error = TTextSearch(Options).Error();
    if (error.isEmpty())
        return true;
    QMessageBox::warning(isVisible() ? static_cast<QWidget *>(this) : m_edit, windowTitle(), error);
    return false;
}

int Tfrm_RtfSearchAndReplace::RegionEnd() const
{
    const int length = m_edit->document()->characterCount() - 1;
    return m_regionEnd < 0 ? length : qMin(m_regionEnd, length);
}

void Tfrm_RtfSearchAndReplace::SelectMatch(int start, int length)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
}

void Tfrm_RtfSearchAndReplace::FindNext()
{
    if (!m_edit || !CheckPattern())
        return;
    const TTextSearch search(Options);
    const QString text = m_edit->document()->toPlainText();
    const TTextSearch::TMatch match =
        m_backward ? search.FindBackward(text, m_regionStart, m_position, RegionEnd())
                   : search.FindForward(text, qMax(m_position, m_regionStart), RegionEnd());
    if (!match.IsValid()) {
        QMessageBox::information(
            isVisible() ? static_cast<QWidget *>(this) : m_edit, windowTitle(),
            QStringLiteral("Suchbegriff \"%1\" nicht gefunden !").arg(Options.SearchText));
        return;
    }
    m_position = m_backward ? match.Start : match.End();
    m_edit->setFocus();
    SelectMatch(match.Start, match.Length);
}

void Tfrm_RtfSearchAndReplace::ReplaceRun()
{
    const TTextSearch search(Options);
    const int replaceLength = int(Options.ReplaceText.size());
    for (;;) {
        // Positions of the plain text are the document's: a paragraph break is one.
        const QString text = m_edit->document()->toPlainText();
        const TTextSearch::TMatch match =
            m_backward ? search.FindBackward(text, m_regionStart, m_position, RegionEnd())
                       : search.FindForward(text, qMax(m_position, m_regionStart), RegionEnd());
        if (!match.IsValid())
            return;
        SelectMatch(match.Start, match.Length);
        bool replace = true;
        if (Options.Confirm && !m_allConfirmed) {
            switch (Ask()) {
            case QMessageBox::Yes:
                break;
            case QMessageBox::No:
                replace = false;
                break;
            case QMessageBox::YesToAll:
                m_allConfirmed = true;
                break;
            default:
                return;
            }
        }
        if (replace) {
            QTextCursor cursor = m_edit->textCursor();
            cursor.insertText(Options.ReplaceText);
            m_edit->setTextCursor(cursor);
            if (m_regionEnd >= 0)
                m_regionEnd += replaceLength - match.Length;
            // Behind the replacement, so a replacement containing the text ends the run.
            m_position = m_backward ? match.Start : match.Start + replaceLength;
        } else {
            m_position = m_backward ? match.Start : match.End();
        }
        if (!Options.ReplaceAll)
            return;
    }
}

QMessageBox::StandardButton Tfrm_RtfSearchAndReplace::Ask()
{
    if (AskReplace)
        return AskReplace();
    QMessageBox box(QMessageBox::Question, windowTitle(), QStringLiteral("Ersetzen ?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                        QMessageBox::YesToAll,
                    isVisible() ? static_cast<QWidget *>(this) : m_edit);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.button(QMessageBox::YesToAll)->setText(QStringLiteral("&Alle"));
    box.setEscapeButton(QMessageBox::Cancel);
    return QMessageBox::StandardButton(box.exec());
}
