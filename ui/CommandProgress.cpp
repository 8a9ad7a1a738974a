#include "CommandProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

TCommandProgress::TCommandProgress(QWidget *parent, const QString &title, const QString &label)
    : m_parent(parent), m_title(title), m_label(label)
{
    m_started.start();
}

TCommandProgress::~TCommandProgress()
{
    delete m_dialog;
}

void TCommandProgress::Step(int done, int total)
{
    const qint64 now = m_started.elapsed();
    if (!m_dialog && now >= ShowAfterMs && done < total) {
        m_dialog = new QProgressDialog(m_parent);
        m_dialog->setWindowTitle(m_title);
        m_dialog->setAccessibleName(m_title);
        m_dialog->setCancelButton(nullptr);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setRange(0, total);
        m_dialog->show();
    }
    if (m_dialog && (now - m_lastEvents >= 40 || done >= total)) {
        m_dialog->setMaximum(total);
        m_dialog->setValue(done);
        m_dialog->setLabelText(m_label.arg(done).arg(total));
    }
    if (now - m_lastEvents >= 40) {
        m_lastEvents = now;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
