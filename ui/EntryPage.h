#pragma once
// TEntryPage: the frame of a data-entry page: a toolbar strip for the record navigator, a
// form area of fixed height with the labelled controls, a grey line and the grid below.
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class TDbGrid;
class TDbNavigator;
class Tdm_Afa;
class TFieldBinder;
class TRecordStore;
struct TGridColumn;

class TEntryPage : public QWidget
{
    Q_OBJECT
public:
    // The page shows store; formHeight counts the toolbar strip.
    TEntryPage(Tdm_Afa &dm, TRecordStore *store, int formHeight, int toolbarHeight,
               QWidget *parent = nullptr);

    QWidget *FormArea() const { return m_form; }
    TRecordStore *Store() const { return m_store; }
    TFieldBinder *Binder() const { return m_binder; }
    TDbNavigator *Navigator() const { return m_navigator; }
    TDbGrid *Grid() const { return m_grid; }

    // Lets bound controls hand over what they hold; a store left in insert or edit state
    // stays so (posting is the caller's).
    void SubmitEdits();

protected:
    // The grid below the form, named for screen readers.
    void AddGrid(const QVector<TGridColumn> &columns, bool multiSelect,
                 const QString &accessibleName);
    // A label at (x, y), right-aligned into width when rightAligned; its buddy gets the label's
    // text (without a line break) as accessible name.
    // An edit, or a date picker (with the year list from 2000), bound to field at (x, y),
    // 225 x 19, with its label at labelX.
    QWidget *AddFieldControl(const QString &label, const QString &field, bool date, int x, int y,
                             int labelX, int labelWidth, bool rightAligned);
    QLabel *AddLabel(const QString &text, QWidget *buddy, int x, int y, int width,
                     bool rightAligned);

    Tdm_Afa &m_dm;

private:
    TRecordStore *m_store;
    TFieldBinder *m_binder;
    TDbNavigator *m_navigator;
    TDbGrid *m_grid = nullptr;
    QHBoxLayout *m_toolbar;
    QWidget *m_form;
    QVBoxLayout *m_column;
};
