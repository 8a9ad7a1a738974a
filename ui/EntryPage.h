#pragma once
// TEntryPage: the frame of a data-entry page: a toolbar strip for the record navigator, a
// form area of fixed height with the labelled controls, a grey line and the grid below.
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class Tdm_Afa;

class TEntryPage : public QWidget
{
    Q_OBJECT
public:
    // formHeight counts the toolbar strip.
    TEntryPage(Tdm_Afa &dm, int formHeight, int toolbarHeight, QWidget *parent = nullptr);

    QWidget *FormArea() const { return m_form; }

    // Lets bound controls hand over what they hold; a store left in insert or edit state
    // stays so (posting is the caller's).
    virtual void SubmitEdits() {}

protected:
    void SetNavigator(QWidget *navigator);
    void SetGrid(QWidget *grid);
    // A label at (x, y), right-aligned into width when rightAligned; its buddy gets the label's
    // text (without a line break) as accessible name.
    QLabel *AddLabel(const QString &text, QWidget *buddy, int x, int y, int width,
                     bool rightAligned);

    Tdm_Afa &m_dm;

private:
    QHBoxLayout *m_toolbar;
    QWidget *m_form;
    QVBoxLayout *m_column;
};
