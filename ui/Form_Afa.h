#pragma once
// The program's main window.
#include <QMainWindow>

class Tfrm_Afa : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_Afa(QWidget *parent = nullptr);
};
