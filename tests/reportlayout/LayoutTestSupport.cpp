#include "LayoutTestSupport.h"

#include "ReportError.h"
#include "ReportLayouter.h"

#include <QHash>
#include <QtTest>

void TPageCollector::BeginDocument(const QString &title)
{
    Title = title;
    ++Begun;
}

void TPageCollector::AddPage(const TSnapshotPage &page)
{
    Pages.append(page);
    if (OnPage)
        OnPage(int(Pages.size()));
}

void TPageCollector::EndDocument(int pageCount)
{
    EndedWith = pageCount;
}

QByteArray ProjectText(const QString &body, bool data)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<project version=\"1\">\n"
                          "<report name=\"rep_Test\" title=\"Test\"%1>\n%2\n</report>\n"
                          "</project>\n")
        .arg(data ? QStringLiteral(" data=\"rdc_Test\"") : QString(), body)
        .toUtf8();
}

TReportList ReadProject(const QByteArray &text)
{
    try {
        return TProjectFileReader::Read(text, QStringLiteral("test.nrp"));
    } catch (const EReportError &e) {
        qWarning("%s", qPrintable(e.Message()));
        return {};
    }
}

QString ReadError(const QByteArray &text)
{
    try {
        TProjectFileReader::Read(text, QStringLiteral("test.nrp"));
    } catch (const EReportError &e) {
        return e.Message();
    }
    return {};
}

QList<TSnapshotPage> LayOut(const QByteArray &text, TReportDataSource *source,
                            const QHash<QString, QString> &parameters)
{
    const TReportList reports = ReadProject(text);
    if (reports.empty())
        return {};
    TPageCollector sink;
    TReportLayouter layouter(*reports.front(), source,
                             [&](const QString &name) { return parameters.value(name); });
    const int count = layouter.Run(sink);
    if (count != sink.Pages.size() || sink.EndedWith != count)
        qWarning("page count %d, pages %d", count, int(sink.Pages.size()));
    return sink.Pages;
}

QStringList TextsOf(const TSnapshotPage &page)
{
    QStringList texts;
    for (const TSnapItem &item : page.Items) {
        if (item.Kind == TSnapItem::TKind::Text || item.Kind == TSnapItem::TKind::PageText)
            texts.append(item.Text);
    }
    return texts;
}

QList<TSnapItem> ItemsStartingWith(const TSnapshotPage &page, const QString &prefix)
{
    QList<TSnapItem> items;
    for (const TSnapItem &item : page.Items) {
        if (item.Kind == TSnapItem::TKind::Text && item.Text.startsWith(prefix))
            items.append(item);
    }
    return items;
}
