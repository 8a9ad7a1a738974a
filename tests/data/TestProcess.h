#pragma once
#include <QObject>

// Whole processes: paths from the real executable, durability across a killed process,
// the holder created once and released with the application object.
class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    void pathsComeFromTheRealExecutable();
    void installedProgramKeepsDataInTheUsersFolder();
    void postedAssetSurvivesSigkill();
    void shutdownCommits();
    void holderCreatedOnce();
    void holderReleasedWithTheApplication();
};

// Child modes of the test executable (environment NORBEK_DATA_CHILD); returns the exit code
// or -1 when not started as a child.
int RunDataChild(int argc, char **argv);
