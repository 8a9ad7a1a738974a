#pragma once
// TApplication: the program's application object. No error leaves an event handler, slot or
// model method: notify() hands it to TErrorHandler and the event loop goes on. The
// process-wide grid sorter and helper holder go with it, before the application itself.
#include <QApplication>

class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;
};
