#include "DbNavigator.h"

#include "DbDateEdit.h"
#include "ErrorHandler.h"
#include "RecordStore.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

namespace
{

struct TButtonLook {
    QStyle::StandardPixmap Icon;
    const char16_t *Text;
};

// In the order of TNavigateBtn.
constexpr TButtonLook Looks[TDbNavigator::ButtonCount] = {
    {QStyle::SP_MediaSkipBackward, u"Erster Datensatz"},
    {QStyle::SP_MediaSeekBackward, u"Vorheriger Datensatz"},
    {QStyle::SP_MediaSeekForward, u"Nächster Datensatz"},
    {QStyle::SP_MediaSkipForward, u"Letzter Datensatz"},
    {QStyle::SP_FileDialogNewFolder, u"Datensatz einfügen"},
    {QStyle::SP_TrashIcon, u"Datensatz löschen"},
    {QStyle::SP_FileDialogDetailedView, u"Datensatz bearbeiten"},
    {QStyle::SP_DialogApplyButton, u"Datensatz speichern"},
    {QStyle::SP_DialogCancelButton, u"Bearbeitung abbrechen"},
    {QStyle::SP_BrowserReload, u"Daten aktualisieren"},
};

bool CanModify(const TRecordStore *store)
{
    return !store->Database || !store->UpdateObject.InsertSQL.isEmpty() ||
           !store->UpdateObject.ModifySQL.isEmpty() || !store->TableName.isEmpty();
}

} // namespace

TDbNavigator::TDbNavigator(QWidget *parent) : QWidget(parent)
{
    setFixedSize(260, 25);
    setAccessibleName(QStringLiteral("Datensatznavigator"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new QToolButton(this);
        const QString text = QString::fromUtf16(Looks[i].Text);
        // each glyph with its own disabled image, as the drawn buttons show it
        QIcon icon = style()->standardIcon(Looks[i].Icon);
        const QPixmap normal = icon.pixmap(QSize(16, 16));
        QStyleOption option;
        option.initFrom(this);
        icon.addPixmap(style()->generatedIconPixmap(QIcon::Disabled, normal, &option),
                       QIcon::Disabled);
        button->setIcon(icon);
        button->setIconSize(QSize(16, 16));
        button->setFixedSize(26, 25);
        button->setAutoRaise(true);
        button->setToolTip(text);
        button->setAccessibleName(text);
        button->setFocusPolicy(Qt::NoFocus);
        const auto which = TNavigateBtn(i);
        connect(button, &QToolButton::clicked, this, [this, which] { BtnClick(which); });
        layout->addWidget(button);
        m_buttons[size_t(i)] = button;
    }
    UpdateButtons();
}

TDbNavigator::TDbNavigator(TRecordStore *store, QWidget *parent) : TDbNavigator(parent)
{
    SetStore(store);
}

void TDbNavigator::SetStore(TRecordStore *store)
{
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store) {
        const auto update = [this] { UpdateButtons(); };
        connect(store, &TRecordStore::StateChanged, this, update);
        connect(store, &TRecordStore::CurrentChanged, this, update);
        connect(store, &TRecordStore::DataSetChanged, this, update);
        connect(store, &TRecordStore::RowsInserted, this, update);
        connect(store, &TRecordStore::RowsRemoved, this, update);
        connect(store, &TRecordStore::LayoutChanged, this, update);
        connect(store, &QObject::destroyed, this, update, Qt::QueuedConnection);
    }
    UpdateButtons();
}

TRecordStore *TDbNavigator::Store() const
{
    return m_store;
}

void TDbNavigator::UpdateButtons()
{
    const TRecordStore *store = m_store;
    const bool active = store && store->Active();
    const bool editing =
        active && (store->State() == TStoreState::Insert || store->State() == TStoreState::Edit);
    const int rows = active ? store->RecordCount() : 0;
    const int row = active ? store->RecNo() : -1;
    const bool modify = active && CanModify(store);
    const bool enabled[ButtonCount] = {
        row > 0,                        // first
        row > 0,                        // prior
        row >= 0 && row < rows - 1,     // next
        row >= 0 && row < rows - 1,     // last
        modify,                         // insert
        modify && rows > 0,             // delete
        modify && rows > 0 && !editing, // edit
        editing,                        // post
        editing,                        // cancel
        active && !editing,             // refresh
    };
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[size_t(i)]->setEnabled(enabled[i]);
}

// The focused editor of a form writes its text only when its editing is finished; the
// navigator's buttons take no focus, so the command finishes it first.
bool TDbNavigator::CommitFocusedEditor()
{
    QWidget *focus = window()->focusWidget();
    for (QWidget *w = focus; w; w = w->parentWidget())
        if (auto *date = qobject_cast<TDbDateEdit *>(w))
            return date->Commit();
    if (auto *edit = qobject_cast<QLineEdit *>(focus))
        emit edit->editingFinished();
    return true;
}

void TDbNavigator::BtnClick(TNavigateBtn button)
{
    if (!m_store || !m_buttons[size_t(button)]->isEnabled())
        return;
    try {
        if (!CommitFocusedEditor())
            return;
        Run(button);
    } catch (...) {
        TErrorHandler::Report(QStringLiteral("TDbNavigator „%1“, %2")
                                  .arg(objectName(), m_buttons[size_t(button)]->toolTip()));
        UpdateButtons();
        return;
    }
    UpdateButtons();
    emit Clicked(button);
}

void TDbNavigator::Run(TNavigateBtn button)
{
    TRecordStore *store = m_store;
    switch (button) {
    case TNavigateBtn::First:
        store->First();
        break;
    case TNavigateBtn::Prior:
        store->Prior();
        break;
    case TNavigateBtn::Next:
        store->Next();
        break;
    case TNavigateBtn::Last:
        store->Last();
        break;
    case TNavigateBtn::Insert:
        store->Insert();
        break;
    case TNavigateBtn::Delete:
        if (ConfirmDelete(this, QStringLiteral("Datensatz löschen?")))
            store->Delete();
        break;
    case TNavigateBtn::Edit:
        store->Edit();
        break;
    case TNavigateBtn::Post:
        store->Post();
        break;
    case TNavigateBtn::Cancel:
        store->Cancel();
        break;
    case TNavigateBtn::Refresh:
        store->Refresh();
        break;
    }
}

bool TDbNavigator::ConfirmDelete(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
