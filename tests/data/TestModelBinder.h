#pragma once
#include <QDateTime>
#include <QObject>

// The grid model and the field binder, with stand-in controls (plain QObjects with the
// properties of an edit, a check box, a date picker and a combo box).
class TestModelBinder : public QObject
{
    Q_OBJECT
private slots:
    void modelShowsTheStore();
    void modelEditsThroughTextForms();
    void modelLeavesUnchangedCellsAlone();
    void modelKeepsIdColumnsReadOnly();
    void binderFillsAndWrites();
    void binderReportsRefusedInput();
};

class TFakeControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER m_text NOTIFY textChanged)
    Q_PROPERTY(int checkState MEMBER m_check NOTIFY checkStateChanged)
    Q_PROPERTY(QDateTime dateTime MEMBER m_date NOTIFY dateTimeChanged)
    Q_PROPERTY(int currentIndex MEMBER m_index NOTIFY currentIndexChanged)
public:
    QString m_text;
    int m_check = -1;
    QDateTime m_date;
    int m_index = -2;
    // What a user does.
    void Type(const QString &t)
    {
        m_text = t;
        emit textChanged();
    }
    void Finish() { emit editingFinished(); }
    void Click(int state)
    {
        m_check = state;
        emit checkStateChanged();
    }
    void Pick(const QDateTime &d)
    {
        m_date = d;
        emit dateTimeChanged();
    }
    void Choose(int i)
    {
        m_index = i;
        emit currentIndexChanged();
    }
signals:
    void textChanged();
    void checkStateChanged();
    void dateTimeChanged();
    void currentIndexChanged();
    void editingFinished();
};
