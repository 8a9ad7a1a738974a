// Stand-ins for the search and colour dialogs until their own sources are built.
#include "Form_HtmlColor.h"
#include "Form_RtfSearchAndReplace.h"

std::function<bool(QString &result)> Tfrm_HtmlColor::Answer;

Tfrm_HtmlColor::Tfrm_HtmlColor(QWidget *parent) : QDialog(parent) {}
Tfrm_HtmlColor::~Tfrm_HtmlColor() = default;

bool Tfrm_HtmlColor::Run(QWidget *, QString &result)
{
    return Answer ? Answer(result) : false;
}

Tfrm_RtfSearchAndReplace::Tfrm_RtfSearchAndReplace(QWidget *parent) : QDialog(parent) {}
Tfrm_RtfSearchAndReplace::~Tfrm_RtfSearchAndReplace() = default;
void Tfrm_RtfSearchAndReplace::Bind(QTextEdit *) {}
void Tfrm_RtfSearchAndReplace::SetDrawer(QObject *) {}
void Tfrm_RtfSearchAndReplace::SetMode(bool) {}
void Tfrm_RtfSearchAndReplace::FindNext() {}
