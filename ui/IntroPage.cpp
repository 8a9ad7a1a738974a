#include "IntroPage.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QStackedLayout>

TIntroPage::TIntroPage(QWidget *parent)
    : QWidget(parent), m_document(new QPdfDocument(this)), m_view(new QPdfView(this)),
      m_message(new QLabel(this)), m_stack(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("wb_Intro"));
    m_view->setObjectName(QStringLiteral("pdv_Intro"));
    m_view->setAccessibleName(QStringLiteral("Einführung"));
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_view->setDocument(m_document);

    m_message->setObjectName(QStringLiteral("lbl_IntroMessage"));
    m_message->setAccessibleName(QStringLiteral("Hinweis zur Einführung"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setMargin(24);

    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_view);
    m_stack->addWidget(m_message);
}

bool TIntroPage::IsShowingDocument() const
{
    return m_stack->currentWidget() == m_view && m_loaded;
}

QString TIntroPage::Message() const
{
    return m_stack->currentWidget() == m_message ? m_message->text() : QString();
}

void TIntroPage::ShowIntro(const QUrl &url)
{
    if (m_loaded && url == m_url)
        return;
    m_url = url;
    m_loaded = false;
    m_document->close();

    // "file://localhost/..." names a file of this machine, like "file:///...".
    QUrl local = url;
    if (local.host().compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        local.setHost(QString());
    const QString path = local.isLocalFile() ? local.toLocalFile() : url.toString();
    if (!local.isLocalFile()) {
        ShowMessage(path, QStringLiteral("Die Adresse nennt keine Datei auf diesem Rechner."));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        ShowMessage(path, QStringLiteral("Die Datei fehlt."));
        return;
    }
    ++m_loadCount;
    if (m_document->load(path) != QPdfDocument::Error::None || m_document->pageCount() < 1) {
        m_document->close();
        ShowMessage(path, QStringLiteral("Die Datei ist beschädigt oder nicht lesbar."));
        return;
    }
    m_loaded = true;
    m_stack->setCurrentWidget(m_view);
}

void TIntroPage::ShowMessage(const QString &path, const QString &reason)
{
    m_message->setText(QStringLiteral("Die Einführung „%1“ kann nicht angezeigt werden: %2")
                           .arg(QDir::toNativeSeparators(path), reason));
    m_message->setAccessibleDescription(m_message->text());
    m_stack->setCurrentWidget(m_message);
}
