#include "TestFieldText.h"

#include "FieldText.h"
#include "GermanFormat.h"
#include "RecordStore.h"
#include "RunId.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

namespace
{

QDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, n, s));
}

// An in-memory store with one field of each text form, on one new row.
struct TFormRow {
    TRecordStore store{QStringLiteral("forms")};
    TStoreField *date, *amount, *flag, *other;
    TFormRow()
    {
        date = store.AddField(QStringLiteral("ANSCHAFFUNGSDATUM"), TFieldType::DateTime);
        amount = store.AddField(QStringLiteral("KOSTEN"), TFieldType::Float);
        flag = store.AddField(QStringLiteral("AKTIV"), TFieldType::Integer);
        other = store.AddField(QStringLiteral("NUTZUNGSDAUER"), TFieldType::Integer);
        store.Open();
        store.Append();
    }
    QString Show(TStoreField *f, const QString &conv)
    {
        QString text;
        FieldToText(f, text, true, conv);
        return text;
    }
};

} // namespace

void TestFieldText::parseDateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // invalid: the zero date-time
    QTest::newRow("display text") << "Mo, 05.03.2012" << At(2012, 3, 5);
    QTest::newRow("with time") << "5.3.2012 14:30" << At(2012, 3, 5, 14, 30);
    QTest::newRow("with seconds") << "05.03.2012 14:30:15" << At(2012, 3, 5, 14, 30, 15);
    QTest::newRow("trailing blanks, letters, comma") << "05.03.2012   abc," << At(2012, 3, 5);
    QTest::newRow("letters inside a token") << "1a2.03.2012" << At(2012, 3, 12);
    QTest::newRow("two-digit year") << "05.03.12" << At(2012, 3, 5);
    QTest::newRow("two-digit year, last century") << "05.03.99" << At(1999, 3, 5);
    QTest::newRow("no separators") << "05032012" << QDateTime();
    QTest::newRow("no year") << "05.03." << QDateTime();
    QTest::newRow("no calendar date") << "31.02.2012" << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
    QTest::newRow("hour out of range") << "05.03.2012 25:00" << QDateTime();
    QTest::newRow("huge digits") << "99999999999999999999.3.2012" << QDateTime();
}

void TestFieldText::parseDateText()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const TDateTime value = ParseDateText(text);
    if (!expected.isValid())
        QCOMPARE(value, 0.0);
    else
        QCOMPARE(DateSerial::ToQDateTime(value), expected);
}

void TestFieldText::amountReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "1234,5" << 1234.5;
    QTest::newRow("grouped display text") << "1.234,5" << 1234.5;
    QTest::newRow("two groups") << "1.234.567,891" << 1234567.891;
    QTest::newRow("no leading zero") << ",25" << 0.25;
    QTest::newRow("negative grouped") << "-1.234" << -1234.0;
    QTest::newRow("exponent") << "1,5E3" << 1500.0;
    QTest::newRow("blanks around") << "  42 " << 42.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("short group") << "1.23,5" << 0.0;
    QTest::newRow("point as decimal") << "1.5" << 0.0;
    QTest::newRow("leading point") << ".234" << 0.0;
    QTest::newRow("overflow") << "1E400" << 0.0;
    QTest::newRow("two commas") << "1,2,3" << 0.0;
}

void TestFieldText::amountReading()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(TextToAmountDef(text, 0.0), expected);
}

void TestFieldText::plainNumberRefusesGrouping()
{
    QCOMPARE(TextToFloatDef(QStringLiteral("1234,5"), -1), 1234.5);
    QCOMPARE(TextToFloatDef(QStringLiteral("1.234,5"), -1), -1.0);
    QCOMPARE(TextToFloatDef(QStringLiteral(""), -1), -1.0);
    QCOMPARE(TextToFloatDef(QStringLiteral("20"), 0), 20.0);
}

void TestFieldText::displayForms()
{
    TFormRow row;
    // Dates: null and the zero date-time show empty.
    QCOMPARE(row.Show(row.date, FieldTextConv::DateToText), QString());
    row.date->SetAsDateTime(0);
    QCOMPARE(row.Show(row.date, FieldTextConv::DateToText), QString());
    row.date->SetValue(At(2012, 3, 5, 10, 0));
    QCOMPARE(row.Show(row.date, FieldTextConv::DateToText), QStringLiteral("Mo, 05.03.2012"));

    const QList<QPair<double, QString>> amounts = {
        {1234.5, "1.234,5"}, {0.25, ",25"}, {1234567.891, "1.234.567,891"}, {-3, "-3"}, {0, ""}};
    for (const auto &[value, text] : amounts) {
        row.amount->SetAsFloat(value);
        QCOMPARE(row.Show(row.amount, FieldTextConv::FloatToText), text);
    }
    row.amount->Clear();
    QCOMPARE(row.Show(row.amount, FieldTextConv::FloatToText), QString());

    row.flag->SetAsInteger(1);
    QCOMPARE(row.Show(row.flag, FieldTextConv::YesNoToText), QStringLiteral("Ja"));
    row.flag->SetAsInteger(0);
    QCOMPARE(row.Show(row.flag, FieldTextConv::YesNoToText), QStringLiteral("Nein"));
    row.flag->SetAsInteger(2);
    QCOMPARE(row.Show(row.flag, FieldTextConv::YesNoToText), QStringLiteral("Nein"));
    row.flag->Clear();
    QCOMPARE(row.Show(row.flag, FieldTextConv::YesNoToText), QString());

    // A converter that does not fit the type leaves the text alone.
    QString text = QStringLiteral("unverändert");
    FieldToText(row.flag, text, true, FieldTextConv::DateToText);
    QCOMPARE(text, QStringLiteral("unverändert"));
}

void TestFieldText::entryForms()
{
    TFormRow row;
    TextToField(row.date, QStringLiteral("31.02.2012"), {});
    QVERIFY(!row.date->IsNull()); // the zero date-time is a value, not null
    QCOMPARE(row.date->AsDateTime(), 0.0);
    TextToField(row.date, QStringLiteral("5.3.2012 14:30"), {});
    QCOMPARE(row.date->Value().toDateTime(), At(2012, 3, 5, 14, 30));

    TextToField(row.amount, QStringLiteral("1234,5"), {});
    QCOMPARE(row.amount->AsFloat(), 1234.5);
    TextToField(row.amount, QStringLiteral(""), {});
    QVERIFY(row.amount->IsNull());
    TextToField(row.amount, QStringLiteral("abc"), {});
    QVERIFY(!row.amount->IsNull());
    QCOMPARE(row.amount->AsFloat(), 0.0);

    for (const char *yes : {"ja", "JA", "Ja"}) {
        row.flag->Clear();
        TextToField(row.flag, QString::fromLatin1(yes), FieldTextConv::TextToYesNo);
        QCOMPARE(row.flag->Value(), QVariant(1));
    }
    for (const char *no : {"Nein", "nein", "", " ja"}) {
        TextToField(row.flag, QString::fromLatin1(no), FieldTextConv::TextToYesNo);
        QCOMPARE(row.flag->Value(), QVariant(0));
    }
}

void TestFieldText::yesNoFieldIsFoundByName()
{
    TFormRow row;
    QVERIFY(IsYesNoIntField(row.flag, QStringLiteral("Aktiv")));
    QVERIFY(IsYesNoIntField(row.flag, QStringLiteral("aKtIv")));
    QVERIFY(!IsYesNoIntField(row.other, QStringLiteral("Aktiv")));
    QVERIFY(!IsYesNoIntField(row.flag, QStringLiteral("Use_AbschrDatum")));
    QVERIFY(!IsYesNoIntField(nullptr, QStringLiteral("Aktiv")));
}

// An unchanged amount (edit text = display text) never turns into 0.
void TestFieldText::amountDisplayReadsBack()
{
    auto *rng = QRandomGenerator::global();
    for (int i = 0; i < 20000; ++i) {
        const double value = double(qint64(rng->bounded(2000000000)) - 1000000000) / 1000.0 *
                             (rng->bounded(2) ? 1 : 1000);
        const QString shown = GermanFormat::FormatFloat(QStringLiteral("#.#,##"), value);
        const double back = TextToAmountDef(shown, qQNaN());
        if (value == 0) {
            QCOMPARE(shown, QString());
            continue;
        }
        QVERIFY2(qAbs(back - value) <= 0.0005 * qMax(1.0, qAbs(value) * 1e-12) + 1e-9,
                 qPrintable(QStringLiteral("%1 -> %2 -> %3")
                                .arg(value, 0, 'f', 6)
                                .arg(shown)
                                .arg(back, 0, 'f', 6)));
    }
}

// A few seconds of random texts through both readers: no crash, results in range.
void TestFieldText::randomInputNeverCrashes()
{
    auto *rng = QRandomGenerator::global();
    const QString alphabet = QStringLiteral("0123456789.,: -+eEaZ\t€ä\x7f");
    QElapsedTimer timer;
    timer.start();
    qint64 count = 0;
    while (timer.elapsed() < 3000) {
        QString text;
        const int len = rng->bounded(40);
        for (int i = 0; i < len; ++i)
            text += rng->bounded(8) == 0 ? QChar(char16_t(rng->bounded(0x10000)))
                                         : alphabet.at(rng->bounded(int(alphabet.size())));
        const TDateTime d = ParseDateText(text);
        QVERIFY(d == 0 || (d > -693594 && d < 2958466)); // 01.01.0001 .. 31.12.9999
        const double a = TextToAmountDef(text, 0.0);
        QVERIFY(std::isfinite(a));
        TDateTime strict;
        TryReadDateTime(text, strict);
        ++count;
    }
    qInfo("%lld random texts read", count);
}

void TestFieldText::runIdForm()
{
    const QString a = MakeRunId();
    const QString b = MakeRunId();
    static const QRegularExpression form(QStringLiteral("^[0-9A-F]{32}_\\d{8}_\\d{6}$"));
    QCOMPARE(a.size(), 48);
    QVERIFY2(form.match(a).hasMatch(), qPrintable(a));
    QVERIFY(a != b);
    QCOMPARE(a.mid(33, 8), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
}
