#include "TestDatabase.h"

#include "DatabaseAccount.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <stdexcept>

namespace
{

QTemporaryDir &Folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString TemplatePath()
{
    static QString path;
    if (!path.isEmpty())
        return path;
    const QString target = Folder().filePath(QStringLiteral("template.fdb"));
    if (!TestDatabase::Create(target))
        throw std::runtime_error("template database failed");
    path = target;
    return path;
}

int counter = 0;

template <typename F> auto WithConnection(const QString &path, F f)
{
    const QString name = QStringLiteral("testdb_%1").arg(++counter);
    struct TRemove {
        QString name;
        ~TRemove() { QSqlDatabase::removeDatabase(name); }
    } remove{name};
    QSqlDatabase db = TestDatabase::Connect(path, name);
    if (!db.isOpen())
        throw std::runtime_error(db.lastError().text().toStdString());
    auto result = f(db);
    db.close();
    return result;
}

} // namespace

bool TestDatabase::Create(const QString &path)
{
    QProcess cmake;
    cmake.start(QStringLiteral(NORBEK_CMAKE_COMMAND),
                {QStringLiteral("-DISQL=" NORBEK_ISQL),
                 QStringLiteral("-DSCHEMA=" NORBEK_SCHEMA_SCRIPT),
                 QStringLiteral("-DDATABASE=") + path,
                 QStringLiteral("-DUSER=") + QString::fromLatin1(DatabaseUser),
                 QStringLiteral("-DPASSWORD=") + QString::fromLatin1(DatabasePassword),
                 QStringLiteral("-P"), QStringLiteral(NORBEK_CREATE_DATABASE)});
    cmake.waitForFinished(120000);
    return cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0 &&
           QFile::exists(path);
}

QSqlDatabase TestDatabase::Connect(const QString &path, const QString &name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
    db.setDatabaseName(path);
    db.setUserName(QString::fromLatin1(DatabaseUser));
    db.setPassword(QString::fromLatin1(DatabasePassword));
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=ISO8859_1"));
    db.open();
    return db;
}

QString TestDatabase::FreshCopy()
{
    const QString source = TemplatePath();
    const QString copy = Folder().filePath(QStringLiteral("db%1.fdb").arg(++counter));
    QFile::copy(source, copy);
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return copy;
}

void TestDatabase::Exec(const QString &path, const QString &sql)
{
    WithConnection(path, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(sql))
            throw std::runtime_error(q.lastError().text().toStdString());
        return 0;
    });
}

QVariant TestDatabase::Scalar(const QString &path, const QString &sql)
{
    return WithConnection(path, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(sql))
            throw std::runtime_error(q.lastError().text().toStdString());
        return q.next() ? q.value(0) : QVariant();
    });
}

void TestDatabase::AddManyAssets(const QString &path, int firstId, int count, int movementsPerAsset)
{
    Exec(path,
         QStringLiteral(
             "EXECUTE BLOCK AS DECLARE i INT = %1; DECLARE m INT; DECLARE n INT = %3; BEGIN "
             "WHILE (i < %1 + %2) DO BEGIN "
             "INSERT INTO AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, ANSCHAFFUNGSDATUM, "
             "KOSTEN, RESTBUCHWERT, NUTZUNGSDAUER, PROZENTSATZ, AKTIV, USE_ABSCHRDATUM, "
             "AFA_KONTEN_ID) VALUES (:i, 'INV-' || :i, 'Abschreibungsgut Nummer ' || :i, "
             "DATEADD(MOD(:i, 3000) DAY TO DATE '2015-01-01'), 1000 + :i, 0, 60, 0, 1, 0, 1); "
             "m = 0; WHILE (m < n) DO BEGIN "
             "INSERT INTO AFA_ZUABGANG (ID, BEZEICHNUNG, DATUM, ZUGANG, AFA_ERFASSUNG_ID, "
             "AKTIV) VALUES ((:i - 1) * :n + :m + 1, 'Zugang', DATE '2020-06-30', 10, :i, 1); "
             "m = m + 1; END "
             "i = i + 1; END END")
             .arg(firstId)
             .arg(count)
             .arg(movementsPerAsset));
}

QString TestDatabase::TruncatedCopy(const QString &path, double share)
{
    const QString copy = Folder().filePath(QStringLiteral("cut%1.fdb").arg(++counter));
    QFile::copy(path, copy);
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile file(copy);
    file.resize(qint64(double(file.size()) * share));
    return copy;
}
