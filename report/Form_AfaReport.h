#pragma once
// Tfrm_AfaReport: never shown itself; owns the report driver for the lifetime of the main
// window and forwards its two requests.
#include "AfaReport.h"

#include <QObject>
#include <memory>

class Tfrm_AfaReport : public QObject
{
    Q_OBJECT
public:
    explicit Tfrm_AfaReport(QObject *parent = nullptr);
    ~Tfrm_AfaReport() override;

    std::unique_ptr<TAfaReport> AfaReport;

    void FormCreate();
    void FormDestroy();
    void ExecuteReport();
    void PlaceInSheet(QWidget *page);
    QWidget *Sheet() const { return AfaReport ? AfaReport->Sheet.data() : nullptr; }
};
