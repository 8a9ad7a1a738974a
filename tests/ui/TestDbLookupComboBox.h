#pragma once
#include <QObject>

// The lookup list: follows the account store at once (posted, renamed, deleted and inserted
// accounts), keeps showing the asset's own account, writes only the user's choice.
class TestDbLookupComboBox : public QObject
{
    Q_OBJECT
private slots:
    void listFollowsTheAccounts();
    void choiceWritesTheKey();
};
