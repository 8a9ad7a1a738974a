#pragma once
// Helpers of the layout tests: a sink that keeps the pages, an engine around it, project
// text wrapped into a file, and the texts on a page.
#include "PageSink.h"
#include "ProjectFileReader.h"
#include "ReportEngine.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TReportDataSource;

class TPageCollector : public TPageSink
{
public:
    void BeginDocument(const QString &title) override;
    void AddPage(const TSnapshotPage &page) override;
    void EndDocument(int pageCount) override;

    QString Title;
    QList<TSnapshotPage> Pages;
    int Begun = 0;
    int EndedWith = -1;
    std::function<void(int page)> OnPage; // called after a page arrived
};

class TTestEngine : public TReportEngine
{
public:
    TPageSink *Sink = nullptr;
    TPageSink *PageSink() override { return Sink; }
};

// A project with one report "rep_Test" reading "rdc_Test" (when data is set); body holds
// the report's children.
QByteArray ProjectText(const QString &body, bool data = true);
// The reports of a project text; fails the test on an error.
TReportList ReadProject(const QByteArray &text);
// The message of reading a project text, empty when it reads.
QString ReadError(const QByteArray &text);
// Lays out the first report of the project text over source.
QList<TSnapshotPage> LayOut(const QByteArray &text, TReportDataSource *source,
                            const QHash<QString, QString> &parameters = {});

// Texts of the Text and PageText items of a page, in order.
QStringList TextsOf(const TSnapshotPage &page);
// Text items whose text starts with prefix.
QList<TSnapItem> ItemsStartingWith(const TSnapshotPage &page, const QString &prefix);
