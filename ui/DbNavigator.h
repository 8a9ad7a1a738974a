#pragma once
// TDbNavigator: the record navigator of an entry page, ten flat buttons over one store:
// first, previous, next, last, insert, delete, edit, post, cancel, refresh. The buttons
// follow the store: first/previous off on the first row, next/last off on the last, edit
// off while editing or on an empty store, post/cancel only while editing or inserting,
// refresh off while editing, everything off while the store is closed or missing.
// Delete asks "Datensatz löschen?" (Ja/Nein; Nein deletes nothing).
// Before each command the focused editor hands over what is typed in it (a date picker
// with unreadable text stops the command). An error of the store is caught here and shown
// and logged by the application's error handler; the store keeps its state and every
// typed value, so nothing is lost.
#include <QPointer>
#include <QWidget>

#include <array>

class QToolButton;
class TRecordStore;

enum class TNavigateBtn { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

class TDbNavigator : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ButtonCount = 10;

    explicit TDbNavigator(QWidget *parent = nullptr);
    explicit TDbNavigator(TRecordStore *store, QWidget *parent = nullptr);

    void SetStore(TRecordStore *store);
    TRecordStore *Store() const;
    QToolButton *Button(TNavigateBtn button) const { return m_buttons[size_t(button)]; }
    // Runs the button's command as its click does.
    void BtnClick(TNavigateBtn button);

    // Asks question with the buttons "Ja" and "Nein" ("Nein" is the default); true for Ja.
    static bool ConfirmDelete(QWidget *parent, const QString &question);

signals:
    // After a command ran without error.
    void Clicked(TNavigateBtn button);

private:
    void UpdateButtons();
    void Run(TNavigateBtn button);
    bool CommitFocusedEditor();

    QPointer<TRecordStore> m_store;
    std::array<QToolButton *, ButtonCount> m_buttons{};
};
