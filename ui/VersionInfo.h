#pragma once
// The version data built into an executable, read back from its file: a block that starts
// with VersionBlockMagic, holding the fixed part (file and product version as two 32-bit
// words each, file flags) and a string table ("CompanyName=...", one entry per line).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// The magic is kept reversed here, so that the reader's own code holds no copy of it that a
// search of its file could find; VersionBlockMagic() gives it the right way round.
inline constexpr char VersionBlockMagicReversed[] = "1-OFNINOISREV-KEBRON";
QByteArray VersionBlockMagic();

// One version as two 32-bit words: major.minor in the first, release.build in the second.
class TVersionNumberInformation
{
public:
    TVersionNumberInformation(uint32_t ms = 0, uint32_t ls = 0) : MS(ms), LS(ls) {}
    uint32_t MS, LS;
    QString Text() const; // "%d.%d.%d.%d"
};

struct TFixedFileVersionInfo {
    TVersionNumberInformation FileVersion;
    TVersionNumberInformation ProductVersion;
    uint32_t FileFlags = 0;
};

class TVersionInfoResource
{
public:
    // Reads the block of the file at once; empty name: the running executable.
    void SetFileName(const QString &fileName = {});
    bool HasResource() const { return m_found; }
    const TFixedFileVersionInfo &Fixed() const { return m_fixed; }
    TVersionNumberInformation FileVersion() const { return m_fixed.FileVersion; }
    TVersionNumberInformation ProductVersion() const { return m_fixed.ProductVersion; }
    // Entry index of the string table; empty outside it.
    QString StringEntry(int index) const { return m_strings.value(index); }
    int StringCount() const { return int(m_strings.size()); }

    // The block as it is built into a program (used by the build and by tests).
    static QByteArray MakeBlock(const TFixedFileVersionInfo &fixed, const QStringList &strings);
    // Reads a block out of any bytes; false when there is none or it is damaged.
    static bool ParseBlock(const QByteArray &data, TFixedFileVersionInfo &fixed,
                           QStringList &strings);

private:
    bool m_found = false;
    TFixedFileVersionInfo m_fixed;
    QStringList m_strings;
};
