#pragma once
#include <QObject>

// The record navigator: its buttons follow the store's position and state, each runs its
// command, delete asks first, typed text is neither lost nor written to another row, and a
// refused post is shown with the row still being edited.
class TestDbNavigator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void looksAndNames();
    void buttonsFollowTheStore();
    void buttonsRunTheirCommands();
    void deleteAsksFirst();
    void typedTextGoesWithTheCommand();
    void refusedPostKeepsTheRowInEditing();
};
