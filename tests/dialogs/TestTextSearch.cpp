#include "TestTextSearch.h"

#include "TextSearch.h"

#include <QTest>

namespace
{
TSearchOptions Looking(const QString &text)
{
    TSearchOptions options;
    options.SearchText = text;
    return options;
}
} // namespace

void TestTextSearch::LiteralCaseAndRegion()
{
    const QString text = QStringLiteral("Abc abc");
    TSearchOptions options = Looking(QStringLiteral("abc"));
    QCOMPARE(TTextSearch(options).FindForward(text, 0, 7).Start, 0);
    options.CaseSensitive = true;
    QCOMPARE(TTextSearch(options).FindForward(text, 0, 7).Start, 4);
    // The match must end inside the region: the last end that fits, and one less.
    QCOMPARE(TTextSearch(options).FindForward(text, 4, 7).Start, 4);
    QVERIFY(!TTextSearch(options).FindForward(text, 4, 6).IsValid());
    QVERIFY(!TTextSearch(options).FindForward(text, 5, 7).IsValid());
    QVERIFY(!TTextSearch(Looking(QString())).FindForward(text, 0, 7).IsValid());
    QVERIFY(TTextSearch(Looking(QString())).Error().isEmpty());
}

void TestTextSearch::WholeWords()
{
    const QString text = QStringLiteral("Anlage anlagen Anlage_1 (anlage)");
    TSearchOptions options = Looking(QStringLiteral("anlage"));
    options.WholeWords = true;
    const TTextSearch search(options);
    QCOMPARE(search.FindForward(text, 0, int(text.size())).Start, 0);
    QCOMPARE(search.FindForward(text, 1, int(text.size())).Start, 25);
    options.WholeWords = false;
    QCOMPARE(TTextSearch(options).FindForward(text, 1, int(text.size())).Start, 7);
    // Umlauts are letters: "Bär" is no whole word inside "Bären".
    options = Looking(QStringLiteral("Bär"));
    options.WholeWords = true;
    QVERIFY(!TTextSearch(options).FindForward(QStringLiteral("Bären"), 0, 5).IsValid());
}

void TestTextSearch::RegularExpressions()
{
    TSearchOptions options = Looking(QStringLiteral("[0-9]+,[0-9]{2}"));
    options.RegularExpressions = true;
    const QString text = QStringLiteral("Summe 1.234,56 EUR");
    const TTextSearch::TMatch match = TTextSearch(options).FindForward(text, 0, 18);
    QCOMPARE(match.Start, 8);
    QCOMPARE(match.Length, 6);
    // Empty matches never count.
    options.SearchText = QStringLiteral("x*");
    QVERIFY(!TTextSearch(options).FindForward(text, 0, 18).IsValid());
    options.SearchText = QStringLiteral("summe");
    QCOMPARE(TTextSearch(options).FindForward(text, 0, 18).Start, 0);
    options.CaseSensitive = true;
    QVERIFY(!TTextSearch(options).FindForward(text, 0, 18).IsValid());

    options.SearchText = QStringLiteral("a(b");
    const TTextSearch broken(options);
    QVERIFY(
        broken.Error().startsWith(QStringLiteral("Der reguläre Ausdruck „a(b“ ist ungültig: ")));
    QVERIFY(!broken.FindForward(QStringLiteral("a(b"), 0, 3).IsValid());
    // Without the option the same text is literal.
    options.RegularExpressions = false;
    QCOMPARE(TTextSearch(options).FindForward(QStringLiteral("xa(b"), 0, 4).Start, 1);
}

void TestTextSearch::Backward()
{
    const QString text = QStringLiteral("ab ab ab");
    const TTextSearch search(Looking(QStringLiteral("ab")));
    QCOMPARE(search.FindBackward(text, 0, 8, 8).Start, 6);
    QCOMPARE(search.FindBackward(text, 0, 6, 8).Start, 3);
    QCOMPARE(search.FindBackward(text, 0, 1, 8).Start, 0);
    QVERIFY(!search.FindBackward(text, 0, 0, 8).IsValid());
    QVERIFY(!search.FindBackward(text, 1, 3, 8).IsValid());
}
