#pragma once
#include <QObject>

// The yes/no check box (three states shown, two clicked, on the asset's and the movement's
// AKTIV) and the plain field edit (size, length limit from the field).
class TestDbFieldControls : public QObject
{
    Q_OBJECT
private slots:
    void checkBoxShowsThreeStates();
    void checkBoxClicksWriteYesAndNo_data();
    void checkBoxClicksWriteYesAndNo();
    void editTakesTheFieldSize();
};
