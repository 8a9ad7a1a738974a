#pragma once
// Writes the pages of a render as one snapshot into a stream, page by page as they come, so
// that memory holds one page at most. Fonts go into a table once, as records written just
// before the first page that uses them.
#include "PageSink.h"
#include "ReportEngine.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QIODevice;

class TSnapshotWriter : public TReportEngine, public TPageSink
{
public:
    // Written into every snapshot; when empty, the title handed to BeginDocument is used.
    QString DocumentTitle = QStringLiteral("Ferolind-Report");
    // Called after each page is in the stream, with its number.
    std::function<void(int page)> PageWritten;

    // The stream is borrowed; nullptr: none.
    void SetStream(QIODevice *stream) { m_stream = stream; }
    QIODevice *Stream() const { return m_stream; }

    // This writer while a stream is set, else nullptr.
    TPageSink *PageSink() override;

    void BeginDocument(const QString &title) override;
    void AddPage(const TSnapshotPage &page) override;
    // Ends the snapshot with the count of the pages actually written; throws when that
    // differs from pageCount.
    void EndDocument(int pageCount) override;

private:
    quint32 FontNumber(const TSnapFont &font);
    void WriteRaw(const QByteArray &bytes);

    QIODevice *m_stream = nullptr;
    bool m_open = false;
    int m_pages = 0;
    QList<TSnapFont> m_fonts;
    int m_lastFont = -1;
    QByteArray m_fontRecords; // fonts new on the page being written
    QByteArray m_page;
};
