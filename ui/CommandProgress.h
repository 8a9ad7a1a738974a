#pragma once
// TCommandProgress: progress of a long command run on the GUI thread. After half a second a
// modal progress dialog shows how many of how many items are done; Step() keeps the windows
// painted but lets no user input through, so nothing can change under the command.
#include <QElapsedTimer>
#include <QString>

class QProgressDialog;
class QWidget;

class TCommandProgress
{
public:
    // label: "%1 von %2 Abschreibungsgütern berechnet" style, with %1 done and %2 total.
    TCommandProgress(QWidget *parent, const QString &title, const QString &label);
    ~TCommandProgress();
    TCommandProgress(const TCommandProgress &) = delete;
    TCommandProgress &operator=(const TCommandProgress &) = delete;

    void Step(int done, int total);
    bool DialogShown() const { return m_dialog != nullptr; }

    static constexpr int ShowAfterMs = 500;

private:
    QWidget *m_parent;
    QString m_title;
    QString m_label;
    QElapsedTimer m_started;
    qint64 m_lastEvents = -1;
    QProgressDialog *m_dialog = nullptr;
};
