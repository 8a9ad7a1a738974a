#pragma once
// What the form control tests share: a data module over a fresh database with two accounts
// and three assets, and a user who answers message boxes.
#include "DMod_Afa.h"
#include "TestDatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

namespace FormTestKit
{

inline TStoreField *F(TRecordStore *store, const char *name)
{
    return store->FieldByName(QString::fromLatin1(name));
}

// Accounts "Konto 0400" and "Konto 0420"; three assets on the first account, costs 100,
// 200, 300; both stores on their first row.
inline std::unique_ptr<Tdm_Afa> Module(QString *path = nullptr)
{
    const QString file = TestDatabase::FreshCopy();
    if (path)
        *path = file;
    auto dm = std::make_unique<Tdm_Afa>(nullptr, file);
    TRecordStore *k = dm->qry_Afa_Konten;
    k->Open();
    for (const char *nr : {"0400", "0420"}) {
        k->Append();
        F(k, "NR")->SetAsString(QString::fromLatin1(nr));
        F(k, "BEZEICHNUNG")->SetAsString(QStringLiteral("Konto ") + QString::fromLatin1(nr));
        k->Post();
    }
    k->First();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Open();
    for (int cost : {100, 200, 300}) {
        e->Append();
        F(e, "KOSTEN")->SetAsFloat(cost);
        F(e, "AFA_KONTEN_ID")->SetValue(F(k, "ID")->Value());
        e->Post();
    }
    e->First();
    return dm;
}

// Answers every message box that opens by clicking the button with the given text,
// remembering the boxes' texts and their buttons' texts.
class TBoxAnswer : public QObject
{
public:
    explicit TBoxAnswer(const QString &button) : m_button(button)
    {
        connect(&m_timer, &QTimer::timeout, this, &TBoxAnswer::Look);
        m_timer.start(10);
    }
    QStringList Texts;
    QList<QStringList> Buttons;

private:
    void Look()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            Texts << box->text();
            QStringList names;
            QAbstractButton *answer = nullptr;
            for (QAbstractButton *b : box->buttons()) {
                names << b->text();
                if (b->text() == m_button)
                    answer = b;
            }
            Buttons << names;
            if (!answer)
                answer = box->buttons().value(0);
            answer->click();
        }
    }

    QString m_button;
    QTimer m_timer;
};

} // namespace FormTestKit
