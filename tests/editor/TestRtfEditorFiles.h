#pragma once
#include <QObject>
#include <QTemporaryDir>

class TestRtfEditorFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveAfterOpenWritesBackWithoutAsking();
    void unreadableFileKeepsTextAndName();
    void newOnModifiedTextAsks();
    void openOnModifiedTextAsks();
    void textFileSavedAsPlainText();
    void saveCancelledWritesNothing();
    void saveErrorIsReported();
    void ownerMayRefuseSave();
    void printsTheDocument();

private:
    QString Path(const QString &name) const;
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_asked = 0;
};
