#pragma once
#include <QObject>

// Dumps of the example project's reports over fixed rows, compared with the files under
// golden/ (NORBEK_UPDATE_GOLDEN=1 rewrites them).
class TestLayoutGolden : public QObject
{
    Q_OBJECT
private slots:
    void reports_data();
    void reports();
    void dumpIsStable();
};
