#include "DbGridDelegate.h"

#include "StoreField.h"
#include "StoreTableModel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

const QColor TDbGridDelegate::GridColor(0xDE, 0xDE, 0xDE);

TDbGridDelegate::TDbGridDelegate(TStoreTableModel *model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

void TDbGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->backgroundBrush =
        m_model->Column(index.column()).GridBackground ? GridColor : Qt::white;
}

QWidget *TDbGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    QWidget *editor;
    const TStoreField *field = m_model->FieldOfColumn(index.column());
    if (field && field->FieldKind == TFieldKind::Lookup) {
        auto *box = new QComboBox(parent);
        box->addItem(QString()); // no entry
        box->addItems(m_model->LookupChoices(index.column()));
        editor = box;
    } else {
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
        editor = edit;
    }
    editor->setAccessibleName(m_model->Column(index.column()).Title);
    m_editor = editor;
    m_editorIndex = index;
    m_refused = false;
    return editor;
}

void TDbGridDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == m_editor) {
        m_editor = nullptr;
        m_editorIndex = QPersistentModelIndex();
        m_refused = false;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

QString TDbGridDelegate::TextOf(const QWidget *editor)
{
    if (const auto *box = qobject_cast<const QComboBox *>(editor))
        return box->currentText();
    if (const auto *edit = qobject_cast<const QLineEdit *>(editor))
        return edit->text();
    return {};
}

void TDbGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *box = qobject_cast<QComboBox *>(editor))
        box->setCurrentIndex(std::max(0, box->findText(text)));
    else if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(text);
}

void TDbGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const
{
    const QString text = TextOf(editor);
    if (text == index.data(Qt::EditRole).toString()) {
        m_refused = false; // unchanged: nothing to write
        return;
    }
    m_refused = !model->setData(index, text, Qt::EditRole);
}

bool TDbGridDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
