#pragma once
// Answers message boxes as a user would: every visible box gets the button with the given
// caption clicked (the first button when none has it); the boxes' texts and their buttons'
// captions are kept.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

class TBoxAnswerer : public QObject
{
public:
    explicit TBoxAnswerer(const QString &caption = QStringLiteral("OK")) : m_caption(caption)
    {
        connect(&m_timer, &QTimer::timeout, this, &TBoxAnswerer::Look);
        m_timer.start(10);
    }
    QStringList Shown;
    QList<QStringList> Buttons;

private:
    void Look()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            Shown << box->text();
            QStringList captions;
            QAbstractButton *answer = nullptr;
            for (QAbstractButton *button : box->buttons()) {
                captions << button->text();
                if (!answer && button->text().remove(u'&') == m_caption)
                    answer = button;
            }
            Buttons << captions;
            if (!answer)
                answer = box->buttons().value(0);
            answer->click();
        }
    }

    QString m_caption;
    QTimer m_timer;
};
