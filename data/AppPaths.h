#pragma once
// File locations of the program, computed once at module initialisation from the
// running executable's own path (not the name it was started under).
#include <QString>

extern const QString AppBaseName;       // "norbekAfa"
extern const QString AppDir;            // folder of the executable, with trailing "/"
extern const QString ReportProjectPath; // AppDir + "norbekAfa.nrp"
extern const QString DatabaseFileName;  // "norbekAfa.fdb"
extern const QString DatabasePath;      // AppDir + DatabaseFileName

// Folder of a running executable given by path, symbolic links resolved, with trailing "/".
QString ExecutableDirOf(const QString &exePath);
