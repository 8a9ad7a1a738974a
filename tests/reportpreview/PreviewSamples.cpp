#include "PreviewSamples.h"

#include "SnapshotWriter.h"

#include <QTest>

namespace
{
TSnapshotPage NumberedPage(int n)
{
    TSnapshotPage page;
    TSnapItem text;
    text.Kind = TSnapItem::TKind::Text;
    text.Box = QRect(2000, 2000, 12000, 1200);
    text.Text = QStringLiteral("Seite %1").arg(n);
    text.Font.Family = QStringLiteral("Liberation Sans");
    text.Font.PointSize = 24;
    page.Items.append(text);
    TSnapItem frame;
    frame.Kind = TSnapItem::TKind::Rect;
    frame.Box = QRect(1500, 1500, 18000, 26700);
    frame.PenWidth = 30;
    page.Items.append(frame);
    return page;
}
} // namespace

QByteArray PreviewSamples::Numbered(int pageCount)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TSnapshotWriter writer;
    writer.SetStream(&buffer);
    writer.BeginDocument(QString());
    for (int n = 1; n <= pageCount; ++n)
        writer.AddPage(NumberedPage(n));
    writer.EndDocument(pageCount);
    return buffer.data();
}

QByteArray PreviewSamples::WithDamagedPage(int pageCount, int damagedPage)
{
    QByteArray data = Numbered(pageCount);
    // each page starts with its size (21000 x 29700); that page's width becomes 0
    const QByteArray size = QByteArray::fromHex("0000520800007404");
    qsizetype at = -1;
    for (int n = 0; n < damagedPage; ++n)
        at = data.indexOf(size, at + 1);
    if (at > 0) {
        data[at + 2] = 0;
        data[at + 3] = 0;
    }
    return data;
}

std::unique_ptr<PreviewSamples::TPreview> PreviewSamples::Open(const QByteArray &data, bool shown)
{
    auto preview = std::make_unique<TPreview>();
    preview->Stream.setData(data);
    preview->Window = std::make_unique<Tfrm_RpPreviewGerman>();
    if (shown) {
        preview->Window->show();
        if (!QTest::qWaitForWindowExposed(preview->Window.get()))
            return nullptr;
        preview->Window->activateWindow();
        (void)QTest::qWaitForWindowActive(preview->Window.get());
    }
    preview->Window->SetSnapshotStream(&preview->Stream);
    preview->Window->ShowPage(1);
    return preview;
}
