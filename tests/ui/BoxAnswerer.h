#pragma once
// Answers message boxes as a user would: every visible box gets the button with the given
// caption clicked; the texts shown are kept.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class TBoxAnswerer : public QObject
{
public:
    explicit TBoxAnswerer(const QString &caption) : m_caption(caption)
    {
        connect(&m_timer, &QTimer::timeout, this, &TBoxAnswerer::Look);
        m_timer.start(10);
    }
    QStringList Shown;

private:
    void Look()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            Shown << box->text();
            for (QAbstractButton *button : box->buttons())
                if (button->text().remove(u'&') == m_caption) {
                    button->click();
                    return;
                }
            box->buttons().value(0)->click();
        }
    }

    QString m_caption;
    QTimer m_timer;
};
