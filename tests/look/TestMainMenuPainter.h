#pragma once
#include <QObject>

class TestMainMenuPainter : public QObject
{
    Q_OBJECT
private slots:
    void barEntriesWhiteOnTealWhileHot();
    void dropDownGutterSelectionAndSeparator();
    void registeredUntilUnregistered();
};
