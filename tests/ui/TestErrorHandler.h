#pragma once
#include <QObject>

// The application's handler for unhandled errors: errors raised in slots and event handlers
// are shown in a message box, logged, and the event loop goes on.
class TestErrorHandler : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void slotErrorIsShownAndLogged_data();
    void slotErrorIsShownAndLogged();
    void errorsDuringAnOpenBoxFollowIt();
    void keyHandlerErrorLeavesTheWidgetUsable();
};
