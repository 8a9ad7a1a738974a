#pragma once
// File locations of the program, computed once at module initialisation from the
// running executable's own path (not the name it was started under).
#include <QString>

extern const QString AppBaseName; // "norbekAfa"
extern const QString AppDir;      // folder of the executable, with trailing "/"
// The program's own files (Intro.pdf, norbekAfa.nrp, the schema and the empty database):
// AppDir when they lie beside the executable (a build), else AppDir + "../share/norbekafa/"
// (an installed program).
extern const QString ResourceDir;
extern const QString ReportProjectPath; // ResourceDir + "norbekAfa.nrp"
extern const QString DatabaseFileName;  // "norbekAfa.fdb"
// AppDir + DatabaseFileName in a build (resources beside a writable executable); for an
// installed program the file in the user's data folder ($XDG_DATA_HOME or ~/.local/share,
// then "norbekAfa/").
extern const QString DatabasePath;
// The empty database an installed program copies to DatabasePath on its first start.
extern const QString EmptyDatabasePath; // ResourceDir + "norbekAfa-leer.fdb"

// Folder of a running executable given by path, symbolic links resolved, with trailing "/".
QString ExecutableDirOf(const QString &exePath);
// The folders above for an executable in appDir (testable without installing).
QString ResourceDirOf(const QString &appDir);
QString DatabaseDirOf(const QString &appDir, const QString &resourceDir);
// Firebird's embedded engine keeps its lock files in /tmp/firebird, which the first user
// makes for his own group only: every other user's program would then fail on its own
// database. Unless FIREBIRD_LOCK is set, each user gets his own folder (temp folder +
// "/firebird-" + user ID, for the owner only). False with a German message when that name
// is taken by something not the user's own folder.
bool UsePrivateFirebirdLockFolder(QString &error);
// Sets up the user's private lock folder (above), then, for an installed program's first start:
// copies the empty database to DatabasePath when there is none and the path is not beside the
// executable. False with a German message when the copy fails.
bool ProvideUserDatabase(QString &error);
