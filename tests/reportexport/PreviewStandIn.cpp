// The preview window is built on another branch; until its source is here, the report
// windows library carries its meta-object alone, so this test links a bare window.
#include "Form_RpPreviewGerman.h"

Tfrm_RpPreviewGerman::Tfrm_RpPreviewGerman(QWidget *parent) : QMainWindow(parent) {}

Tfrm_RpPreviewGerman::~Tfrm_RpPreviewGerman() = default;
