#pragma once
// The welcome page: shows the welcome document Intro.pdf, all pages one below the other and
// fitted to the width, or a German message naming the file when it cannot be shown.
#include <QUrl>
#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;
class QStackedLayout;

class TIntroPage : public QWidget
{
    Q_OBJECT
public:
    explicit TIntroPage(QWidget *parent = nullptr);

    // Shows the document at url (a local file URL). A document already shown from the same
    // URL is kept as it is; after a failed load the next call tries again.
    void ShowIntro(const QUrl &url);

    QUrl Url() const { return m_url; }
    // How often a file was read as a document, failed reads included.
    int LoadCount() const { return m_loadCount; }
    bool IsShowingDocument() const;
    // The message in place of the document; empty while the document is shown.
    QString Message() const;
    QPdfDocument *Document() const { return m_document; }
    QPdfView *View() const { return m_view; }

private:
    void ShowMessage(const QString &path, const QString &reason);

    QPdfDocument *m_document;
    QPdfView *m_view;
    QLabel *m_message;
    QStackedLayout *m_stack;
    QUrl m_url;
    bool m_loaded = false;
    int m_loadCount = 0;
};
