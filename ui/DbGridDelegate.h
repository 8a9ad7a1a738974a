#pragma once
// TDbGridDelegate: the cells of a TDbGrid. Paints the data columns white and the columns
// marked GridBackground in the grid's colour; edits a cell with a line edit (a lookup
// column with a drop-down of its choices) and writes the text only when it changed.
// Return and Tab write the cell and move on, Esc drops what was typed in it. Whether the
// store refused the last text is kept until the editor goes (Refused()).
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

class TStoreTableModel;

class TDbGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit TDbGridDelegate(TStoreTableModel *model, QObject *parent = nullptr);

    static const QColor GridColor;

    QWidget *Editor() const { return m_editor; }
    QModelIndex EditorIndex() const { return m_editorIndex; }
    bool Refused() const { return m_refused; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    static QString TextOf(const QWidget *editor);

    TStoreTableModel *m_model;
    // The one open editor; createEditor and destroyEditor are const in the base class.
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_editorIndex;
    mutable bool m_refused = false;
};
