#pragma once
// norbekAfa-report as installed (cmake --install into a scratch prefix), with the user's
// data folder in a temporary home.
#include <QObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>

class TestInstalledReportTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void firstUseCreatesUserDatabase_data();
    void firstUseCreatesUserDatabase();
    void existingUserDatabaseIsUsedAndKept();
    void pdfFromInstalledReportProject();
    void explicitDatabaseLeavesUserFolderAlone();
    void unmakeableFolderGivesGermanError();
    void missingEmptyDatabaseGivesGermanError();
    void lockFilesInUsersOwnFolder_data();
    void lockFilesInUsersOwnFolder();
    void lockFolderTakenGivesGermanError_data();
    void lockFolderTakenGivesGermanError();

private:
    QTemporaryDir m_prefix;
    QString m_tool;
    // A fresh home folder; XDG_DATA_HOME unset.
    QProcessEnvironment FreshHome(QTemporaryDir &home) const;
};
