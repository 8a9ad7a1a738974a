#include "TestDatabase.h"

#include "DatabaseAccount.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
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

QString TestDatabase::FilledForBench(int assets, int accounts)
{
    const QString path = FreshCopy();
    {
        QSqlDatabase db = Connect(path, QStringLiteral("fill"));
        FillForBench(db, assets, accounts);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return path;
}

void TestDatabase::FillForBench(QSqlDatabase &db, int assets, int accounts)
{
    db.transaction();
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("insert into AFA_KONTEN (ID, NR, BEZEICHNUNG) values (:ID, :NR, :BEZ)"));
    for (int k = 1; k <= accounts; ++k) {
        q.bindValue(QStringLiteral(":ID"), k);
        q.bindValue(QStringLiteral(":NR"), QString::number(400 + k * 10).rightJustified(4, u'0'));
        q.bindValue(QStringLiteral(":BEZ"),
                    QStringLiteral("Konto %1 Betriebs- und Geschäftsausstattung").arg(k));
        q.exec();
    }
    q.prepare(QStringLiteral("insert into AFA_ERFASSUNG (ID, INVENTARNR, BEZEICHNUNG, "
                             "ANSCHAFFUNGSDATUM, ABSCHREIBUNGSDATUM, "
                             "ERSTELLUNGSDATUM, KOSTEN, RESTBUCHWERT, NUTZUNGSDAUER, PROZENTSATZ, "
                             "AKTIV, USE_ABSCHRDATUM, "
                             "AFA_KONTEN_ID, AFA_ARTEN_ID) values (:ID, :INV, :BEZ, :AD, :ABD, "
                             ":ED, :K, :R, :N, :P, 1, 0, :KID, :AID)"));
    const QDateTime base(QDate(2015, 1, 1), QTime());
    for (int i = 1; i <= assets; ++i) {
        const QDateTime date = base.addDays(i % 3000);
        q.bindValue(QStringLiteral(":ID"), i);
        q.bindValue(QStringLiteral(":INV"),
                    QStringLiteral("INV-%1").arg(i, 7, 10, QLatin1Char('0')));
        q.bindValue(QStringLiteral(":BEZ"),
                    QStringLiteral("Anlagegut Nummer %1 mit längerer Bezeichnung").arg(i));
        q.bindValue(QStringLiteral(":AD"), date);
        q.bindValue(QStringLiteral(":ABD"), date);
        q.bindValue(QStringLiteral(":ED"), date);
        q.bindValue(QStringLiteral(":K"), 1000.0 + (i % 977) * 13.37);
        q.bindValue(QStringLiteral(":R"), 0.0);
        q.bindValue(QStringLiteral(":N"), 36 + (i % 8) * 12);
        q.bindValue(QStringLiteral(":P"), 20.0);
        q.bindValue(QStringLiteral(":KID"), 1 + i % accounts);
        q.bindValue(QStringLiteral(":AID"), 1 + i % 4);
        if (!q.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
            break;
        }
    }
    db.commit();
}
