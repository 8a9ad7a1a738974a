// The preview window's input: keys seen before its controls, the wheel over the page area,
// and the panel shown inside another widget.
#include "Form_RpPreviewGerman.h"

#include "PageRenderer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QWheelEvent>

bool Tfrm_RpPreviewGerman::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *target = qobject_cast<QWidget *>(watched);
        if (target && HandleKey(target, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    }
    case QEvent::Wheel:
        if (watched == sbx_Report->viewport() && HandleWheel(static_cast<QWheelEvent *>(event)))
            return true;
        break;
    case QEvent::ParentChange:
        if (watched == m_panel)
            WatchPanelParent();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Tfrm_RpPreviewGerman::HandleKey(QWidget *target, QKeyEvent *key)
{
    const bool field = target == PageEdit || target == ZoomEdit;
    const bool own = RunsOnItsOwn() && target->window() == this;
    if (!field && !own)
        return false;
    if (m_navigator->HandleKey(key->key(), key->modifiers())) {
        RefreshCommands();
        return true;
    }
    if (own && HandleCharacter(key)) {
        PageEdit->selectAll();
        ZoomEdit->selectAll();
        return true;
    }
    return FieldKey(target, key);
}

bool Tfrm_RpPreviewGerman::HandleCharacter(QKeyEvent *key)
{
    const QString text = key->text();
    if (key->key() == Qt::Key_Escape || text == u"x") {
        close();
        return true;
    }
    // control characters (Tab, Enter, Backspace, Delete, Ctrl+letter) go on to the control
    if (text.size() != 1 || text[0].category() == QChar::Other_Control)
        return false;
    const QChar c = text[0];
    switch (c.unicode()) {
    case 'b':
    case 'B':
        ShowPage(1);
        break;
    case 'e':
    case 'E':
        ShowPage(m_pageRenderer->PageCount());
        break;
    case 'n':
    case 'N':
        if (HasPages() && m_pageRenderer->CurrentPage() < m_pageRenderer->PageCount())
            m_pageRenderer->NextPage();
        break;
    case 'p':
    case 'P':
        if (HasPages() && m_pageRenderer->CurrentPage() > 1)
            m_pageRenderer->PrevPage();
        break;
    case 'w':
    case 'W':
        ZoomPageWidth();
        break;
    case 'f':
    case 'F':
        ZoomWholePage();
        break;
    case '+':
        actnZoom_In->trigger();
        break;
    case '-':
        actnZoom_Out->trigger();
        break;
    default:
        // digits and the point go on to the field; anything else is dropped
        return !QStringLiteral("0123456789.").contains(c);
    }
    RefreshCommands();
    return true;
}

bool Tfrm_RpPreviewGerman::FieldKey(QObject *watched, QKeyEvent *key) const
{
    const QString text = key->text();
    if (watched == PageEdit)
        return text == u".";
    if (watched == ZoomEdit && text.size() == 1 && text[0].isDigit() &&
        !ZoomEdit->hasSelectedText()) {
        const QString current = ZoomEdit->text();
        const int point = current.indexOf(u'.');
        return point >= 0 && point < current.size() - 1;
    }
    return false;
}

bool Tfrm_RpPreviewGerman::HandleWheel(QWheelEvent *wheel)
{
    const int turn = wheel->angleDelta().y();
    if (turn == 0)
        return false;
    // turning down zooms in, turning up zooms out
    const bool in = turn < 0;
    if (m_wheel.Accept(in ? TWheelZoom::TDirection::In : TWheelZoom::TDirection::Out))
        (in ? actnZoom_In : actnZoom_Out)->trigger();
    wheel->accept();
    return true;
}

void Tfrm_RpPreviewGerman::WatchPanelParent()
{
    QWidget *host = m_panel->parentWidget();
    if (m_panelHost && m_panelHost != host)
        disconnect(m_panelHost, nullptr, this, nullptr);
    const bool own = host == m_centre;
    ApplyShortcuts(own);
    if (own || !host) {
        m_panelHost = nullptr;
        return;
    }
    if (m_panelHost == host)
        return;
    m_panelHost = host;
    // taken back before the host deletes its children
    connect(host, &QObject::destroyed, this, &Tfrm_RpPreviewGerman::TakeBackPanel);
}

void Tfrm_RpPreviewGerman::TakeBackPanel()
{
    if (!m_panel || m_panel->parentWidget() == m_centre)
        return;
    m_panel->setParent(m_centre);
    m_centre->layout()->addWidget(m_panel);
    m_panel->show();
}
