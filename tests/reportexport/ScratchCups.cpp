#include "ScratchCups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cstring>
#include <unistd.h>

namespace
{
QString g_folder;

bool WriteText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

const char *const Ppd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "NORBEK.PPD"
*Manufacturer: "Norbek"
*Product: "(Test)"
*ModelName: "Norbek Testdrucker"
*ShortNickName: "Norbek Testdrucker"
*NickName: "Norbek Testdrucker"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsManualCopies: True
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)PPD";
} // namespace

void ScratchCups::PrepareEnvironment(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-class") == 0 && std::strcmp(argv[i + 1], "TestCupsPrint") != 0)
            return;
    }
    // Short, since a socket path may not exceed 107 bytes.
    g_folder = QStringLiteral("/tmp/norbek-cups-%1").arg(getpid());
    QDir(g_folder).removeRecursively();
    qputenv("CUPS_SERVER", (g_folder + QStringLiteral("/cups.sock")).toLocal8Bit());
}

QString ScratchCups::Folder()
{
    return g_folder;
}

ScratchCups::~ScratchCups()
{
    Stop();
}

QString ScratchCups::OutputFile() const
{
    return g_folder + QStringLiteral("/out/job.pdf");
}

bool ScratchCups::Start()
{
    const QString cupsd = QFileInfo::exists(QStringLiteral("/usr/sbin/cupsd"))
                              ? QStringLiteral("/usr/sbin/cupsd")
                              : QStandardPaths::findExecutable(QStringLiteral("cupsd"));
    if (g_folder.isEmpty()) {
        m_why = QStringLiteral("CUPS_SERVER wurde nicht vor dem Start gesetzt");
        return false;
    }
    if (cupsd.isEmpty()) {
        m_why = QStringLiteral("cupsd ist nicht installiert (Paket cups)");
        return false;
    }
    QDir dir(g_folder);
    for (const char *sub : {"spool", "cache", "state", "log", "ppd", "out", "tmp"})
        dir.mkpath(QString::fromLatin1(sub));
    const bool root = geteuid() == 0;
    const QString f = g_folder;
    bool written =
        WriteText(f + QStringLiteral("/cupsd.conf"),
                  QStringLiteral("Listen %1/cups.sock\nLogLevel warn\nBrowsing Off\n"
                                 "DefaultAuthType None\nWebInterface No\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                      .arg(f)) &&
        WriteText(f + QStringLiteral("/cups-files.conf"),
                  QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                 "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                 "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                 "FileDevice Yes\nFatalErrors none\n%2")
                      .arg(f, root ? QStringLiteral("User lp\nGroup lp\nSystemGroup root\n")
                                   : QString())) &&
        WriteText(f + QStringLiteral("/ppd/norbek.ppd"), QString::fromLatin1(Ppd)) &&
        WriteText(f + QStringLiteral("/printers.conf"),
                  QStringLiteral("<DefaultPrinter norbek>\nInfo Testdrucker\nLocation Testraum\n"
                                 "DeviceURI file://%1\nState Idle\nAccepting Yes\n"
                                 "</DefaultPrinter>\n")
                      .arg(OutputFile()));
    if (!written) {
        m_why = QStringLiteral("die Konfiguration in %1 kann nicht geschrieben werden").arg(f);
        return false;
    }
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                      QFile::ExeOther;
    QFile::setPermissions(f + QStringLiteral("/out"), open);
    QFile::setPermissions(f + QStringLiteral("/tmp"), open);
    QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                 QFile::ExeOther);
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), f + "/cupsd.conf",
                          QStringLiteral("-s"), f + "/cups-files.conf"});
    if (!m_cupsd.waitForStarted(5000)) {
        m_why = QStringLiteral("cupsd startet nicht: %1").arg(m_cupsd.errorString());
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QString output;
        if (Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}, &output) &&
            output.contains(QStringLiteral("norbek")))
            return true;
        if (m_cupsd.state() != QProcess::Running)
            break;
        QThread::msleep(100);
    }
    QFile log(f + QStringLiteral("/log/error_log"));
    log.open(QIODevice::ReadOnly);
    m_why =
        QStringLiteral("cupsd antwortet nicht: %1 %2")
            .arg(QString::fromLocal8Bit(m_cupsd.readAll()), QString::fromLocal8Bit(log.readAll()));
    Stop();
    return false;
}

bool ScratchCups::Run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, QStringList{QStringLiteral("-h"), g_folder + "/cups.sock"} + arguments);
    if (!process.waitForFinished(10000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool ScratchCups::WaitIdle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QString output;
        if (Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &output) &&
            output.trimmed().isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

void ScratchCups::Stop()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(2000);
    }
    if (!g_folder.isEmpty())
        QDir(g_folder).removeRecursively();
}
