#pragma once
// The operating system in a few lines joined by "\r\n": the product (PRETTY_NAME of
// os-release), then the edition (VARIANT) when there is one, the kernel release and its
// build. Empty when nothing can be read.
#include <QString>

QString OsDescription(const QString &osReleasePath = QStringLiteral("/etc/os-release"));
// The product and edition lines from the text of an os-release file.
QString OsReleaseLines(const QString &osRelease);
