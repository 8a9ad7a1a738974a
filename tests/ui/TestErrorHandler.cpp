#include "TestErrorHandler.h"

#include "ErrorHandler.h"
#include "GermanFormat.h"
#include "IBDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>

namespace
{

// Closes every error box as a user would, remembering what it showed.
class TBoxCloser : public QObject
{
public:
    struct TShown {
        QString Title;
        QString Text;
        QMessageBox::Icon Icon;
    };
    QList<TShown> Shown;
    int MostOpenAtOnce = 0;
    // Runs once the given number of boxes has been closed.
    int Expected = 1;
    std::function<void()> AfterLast;

    TBoxCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, &TBoxCloser::Look);
        m_timer.start(10);
    }

private:
    void Look()
    {
        QList<QMessageBox *> open;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                open.append(box);
        MostOpenAtOnce = std::max(MostOpenAtOnce, int(open.size()));
        for (QMessageBox *box : open) {
            Shown.append({box->windowTitle(), box->text(), box->icon()});
            box->button(QMessageBox::Ok)->click();
            if (Shown.size() == Expected && AfterLast)
                QMetaObject::invokeMethod(this, AfterLast, Qt::QueuedConnection);
        }
    }

    QTimer m_timer;
};

QStringList LogLines()
{
    QFile log(TErrorHandler::LogPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// "dd.MM.yyyy hh:mm:ss | operation | message"
void CheckLogLine(const QString &line, const QString &operation, const QString &message)
{
    static const QRegularExpression stamp(
        QStringLiteral("^(\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d) \\| "));
    const QRegularExpressionMatch match = stamp.match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    const QDateTime when =
        QDateTime::fromString(match.captured(1), QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTime())) < 120);
    QCOMPARE(line.mid(match.capturedLength()), operation + QStringLiteral(" | ") + message);
}

// A number field that takes its value on Return.
class TNumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    int Value = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return)
            Value = GermanFormat::StrToInt(text());
        else
            QLineEdit::keyPressEvent(event);
    }
};

} // namespace

void TestErrorHandler::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The handler makes the folder itself.
    QDir(QFileInfo(TErrorHandler::LogPath()).absolutePath()).removeRecursively();
}

void TestErrorHandler::slotErrorIsShownAndLogged_data()
{
    QTest::addColumn<std::function<void()>>("fail");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("logged");

    QTest::newRow("conversion") << std::function<void()>([] {
        GermanFormat::StrToInt(QStringLiteral("20x6"));
    }) << QStringLiteral("'20x6' ist kein gültiger Integerwert")
                                << QStringLiteral("'20x6' ist kein gültiger Integerwert");
    const QString missing = QDir::tempPath() + QStringLiteral("/fehlt/norbekAfa.fdb");
    QTest::newRow("database") << std::function<void()>([missing] {
        TIBDatabase db;
        db.DatabaseName = missing;
        db.Open();
    }) << QStringLiteral("Die Datenbank „%1“ fehlt.").arg(missing)
                              << QString();
    QTest::newRow("standard, two lines")
        << std::function<void()>([] { throw std::runtime_error("Erste Zeile\nZweite Zeile"); })
        << QStringLiteral("Erste Zeile\nZweite Zeile")
        << QStringLiteral("Erste Zeile / Zweite Zeile");
    QTest::newRow("anything") << std::function<void()>([] { throw 42; })
                              << QStringLiteral("Ein unerwarteter Fehler ist aufgetreten.")
                              << QStringLiteral("Ein unerwarteter Fehler ist aufgetreten.");
}

void TestErrorHandler::slotErrorIsShownAndLogged()
{
    QFETCH(std::function<void()>, fail);
    QFETCH(QString, shown);
    QFETCH(QString, logged);
    const int linesBefore = int(LogLines().size());

    QTimer timer;
    timer.setObjectName(QStringLiteral("tmr_Pruefung"));
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, fail);
    QStringList order;
    TBoxCloser closer;
    closer.AfterLast = [&] {
        order << QStringLiteral("danach");
        QCoreApplication::quit();
    };
    QTimer giveUp; // no box: do not hang
    giveUp.callOnTimeout(qApp, &QCoreApplication::quit);
    giveUp.start(20000);
    timer.start(0);
    QCOMPARE(QCoreApplication::exec(), 0);

    QCOMPARE(closer.Shown.size(), 1);
    QCOMPARE(order, QStringList{QStringLiteral("danach")});
    const TBoxCloser::TShown &box = closer.Shown.first();
    QCOMPARE(box.Icon, QMessageBox::Critical);
    QCOMPARE(box.Title, QGuiApplication::applicationDisplayName());
    QVERIFY2(box.Text.startsWith(shown), qPrintable(box.Text));

    const QStringList lines = LogLines();
    QCOMPARE(lines.size(), linesBefore + 1);
    CheckLogLine(lines.last(), QStringLiteral("QTimer „tmr_Pruefung“, Ereignis Timer"),
                 logged.isEmpty() ? QString(box.Text).replace(u'\n', QStringLiteral(" / "))
                                  : logged);
}

void TestErrorHandler::errorsDuringAnOpenBoxFollowIt()
{
    const int linesBefore = int(LogLines().size());
    QObject target;
    target.setObjectName(QStringLiteral("Ziel"));
    TBoxCloser closer;
    closer.Expected = 2;
    closer.AfterLast = [] { QCoreApplication::quit(); };
    QTimer giveUp;
    giveUp.callOnTimeout(qApp, &QCoreApplication::quit);
    giveUp.start(20000);
    // The second call comes while the first one's box is open.
    QMetaObject::invokeMethod(
        &target, [] { GermanFormat::StrToInt(QStringLiteral("eins")); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &target, [] { GermanFormat::StrToInt(QStringLiteral("zwei")); }, Qt::QueuedConnection);
    QCOMPARE(QCoreApplication::exec(), 0);

    QCOMPARE(closer.Shown.size(), 2);
    QCOMPARE(closer.MostOpenAtOnce, 1);
    QCOMPARE(closer.Shown[0].Text, QStringLiteral("'eins' ist kein gültiger Integerwert"));
    QCOMPARE(closer.Shown[1].Text, QStringLiteral("'zwei' ist kein gültiger Integerwert"));
    const QStringList lines = LogLines();
    QCOMPARE(lines.size(), linesBefore + 2);
    CheckLogLine(lines[linesBefore], QStringLiteral("QObject „Ziel“, Ereignis MetaCall"),
                 QStringLiteral("'eins' ist kein gültiger Integerwert"));
    CheckLogLine(lines[linesBefore + 1], QStringLiteral("QObject „Ziel“, Ereignis MetaCall"),
                 QStringLiteral("'zwei' ist kein gültiger Integerwert"));
}

void TestErrorHandler::keyHandlerErrorLeavesTheWidgetUsable()
{
    const int linesBefore = int(LogLines().size());
    TNumberEdit edit;
    edit.setObjectName(QStringLiteral("ed_Zahl"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    TBoxCloser closer;

    QTest::keyClicks(&edit, QStringLiteral("12a"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(closer.Shown.size(), 1);
    QCOMPARE(closer.Shown[0].Text, QStringLiteral("'12a' ist kein gültiger Integerwert"));
    QCOMPARE(edit.Value, 0);
    const QStringList lines = LogLines();
    QCOMPARE(lines.size(), linesBefore + 1);
    CheckLogLine(lines.last(), QStringLiteral("TNumberEdit „ed_Zahl“, Ereignis KeyPress"),
                 QStringLiteral("'12a' ist kein gültiger Integerwert"));

    // The field still takes input.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.Value, 12);
    QCOMPARE(closer.Shown.size(), 1);
}

#include "TestErrorHandler.moc"
