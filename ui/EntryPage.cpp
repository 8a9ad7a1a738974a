#include "EntryPage.h"

#include "DbDateEdit.h"
#include "DbEdit.h"
#include "DbGrid.h"
#include "DbNavigator.h"
#include "FieldBinder.h"
#include "GridColumn.h"
#include "PageParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TEntryPage::TEntryPage(Tdm_Afa &dm, TRecordStore *store, int formHeight, int toolbarHeight,
                       QWidget *parent)
    : QWidget(parent), m_dm(dm), m_store(store), m_binder(new TFieldBinder(store, this))
{
    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    m_column->addWidget(
        PageParts::ToolbarStrip(this, PageParts::EntryToolbarColor, m_toolbar, toolbarHeight));
    m_navigator = new TDbNavigator(store, this);
    m_toolbar->addWidget(m_navigator);
    m_toolbar->addStretch(1);
    m_form = new QWidget(this);
    PageParts::Fill(m_form, PageParts::PageColor);
    m_form->setFixedHeight(formHeight - toolbarHeight);
    m_column->addWidget(m_form);
    m_column->addWidget(PageParts::GreyLine(this));
}

void TEntryPage::AddGrid(const QVector<TGridColumn> &columns, bool multiSelect,
                         const QString &accessibleName)
{
    m_grid = new TDbGrid(this);
    m_grid->setAccessibleName(accessibleName);
    m_grid->SetStore(m_store, columns, multiSelect);
    m_column->addWidget(m_grid, 1);
}

void TEntryPage::SubmitEdits()
{
    m_binder->UpdateRecord();
}

QLabel *TEntryPage::AddLabel(const QString &text, QWidget *buddy, int x, int y, int width,
                             bool rightAligned)
{
    auto *label = new QLabel(text, m_form);
    label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    label->setWordWrap(text.contains(u'\n'));
    const int lines = int(text.count(u'\n')) + 1;
    label->setGeometry(x, y, width, 19 + (lines - 1) * 13);
    if (buddy) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(QString(text).replace(u'\n', u' '));
    }
    return label;
}

QWidget *TEntryPage::AddFieldControl(const QString &label, const QString &field, bool date, int x,
                                     int y, int labelX, int labelWidth, bool rightAligned)
{
    QWidget *control = nullptr;
    if (date) {
        auto *picker = new TDbDateEdit(m_form);
        picker->Bind(m_binder, field);
        picker->SetYearPopup(2000, 4);
        control = picker;
    } else {
        auto *edit = new TDbEdit(m_form);
        edit->Bind(m_binder, field);
        control = edit;
    }
    control->setObjectName(QStringLiteral("dbe_") + field);
    control->setGeometry(x, y, 225, 19);
    AddLabel(label, control, labelX, y, labelWidth, rightAligned);
    return control;
}
