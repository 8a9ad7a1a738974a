#pragma once
// TSubClassControl: the interception of one control's events. Every event of the control goes
// first to the callback with a pass-on flag preset to true; the control's own handling runs only
// when the flag stays true. Destroying the object gives the control its own handling back.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class TSubClassControl : public QObject
{
    Q_OBJECT
public:
    using TCallback = std::function<void(TSubClassControl &, QEvent *, bool &passOn)>;

    TSubClassControl(QWidget *control, TCallback callback);
    ~TSubClassControl() override;

    QWidget *Control() const { return m_control; }
    const QObject *Key() const { return m_key; }
    // The control is being destroyed: leave it alone.
    void Abandon() { m_control = nullptr; }
    void SetCallback(TCallback callback) { m_callback = std::move(callback); }

    // 0 normal, 1 pressed, 2 hot
    int State = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_control;
    const QObject *m_key;
    TCallback m_callback;
};
