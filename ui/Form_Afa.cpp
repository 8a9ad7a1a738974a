#include "Form_Afa.h"

Tfrm_Afa::Tfrm_Afa(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("norbek >> Dov - Ivevera"));
    resize(915, 786);
    setStyleSheet(QStringLiteral("QMainWindow { background: #DEDEDE; }"));
}
