#include "TestColorDialog.h"

#include "ColorPalette.h"
#include "Form_HtmlColor.h"
#include "SpeedButtonDrawer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
// The picture's colour at the centre of a cell, as "#RRGGBB".
QString Centre(const TColorPalette &palette, int column, int row)
{
    return palette.Picture().pixelColor(column * 18 + 9, row * 18 + 9).name().toUpper();
}

QColor At(const TColorPalette &palette, int x, int y)
{
    return palette.Picture().pixelColor(x, y);
}

QPoint CellPoint(int column, int row)
{
    return QPoint(column * 18 + 9, row * 18 + 9);
}
} // namespace

void TestColorDialog::CellColours()
{
    TColorPalette palette;
    QCOMPARE(palette.size(), QSize(325, 235));
    QCOMPARE(Centre(palette, 0, 0), QStringLiteral("#330000"));
    QCOMPARE(Centre(palette, 5, 0), QStringLiteral("#33FF00"));
    QCOMPARE(Centre(palette, 6, 0), QStringLiteral("#66FF00")); // green falls in the middle
    QCOMPARE(Centre(palette, 11, 0), QStringLiteral("#660000"));
    QCOMPARE(Centre(palette, 12, 0), QStringLiteral("#FF0000"));
    QCOMPARE(Centre(palette, 17, 5), QStringLiteral("#FFFFFF"));
    QCOMPARE(Centre(palette, 0, 6), QStringLiteral("#0000FF")); // blue falls again
    QCOMPARE(Centre(palette, 8, 11), QStringLiteral("#999900"));
    QCOMPARE(Centre(palette, 17, 11), QStringLiteral("#CCFF00"));
    QCOMPARE(Centre(palette, 0, 12), QStringLiteral("#000000"));
    QCOMPARE(Centre(palette, 1, 12), QStringLiteral("#000000"));
    QCOMPARE(Centre(palette, 2, 12), QStringLiteral("#111111"));
    QCOMPARE(Centre(palette, 15, 12), QStringLiteral("#EEEEEE"));
    QCOMPARE(Centre(palette, 16, 12), QStringLiteral("#FFFFFF"));
    // Grid lines, inner frames and the 216 different colours.
    QCOMPARE(At(palette, 18, 9), QColor(Qt::black));
    QCOMPARE(At(palette, 324, 234), QColor(Qt::black));
    QCOMPARE(At(palette, 19, 19), QColor(0xBB, 0xBB, 0xBB));
    QCOMPARE(At(palette, 35, 35), QColor(0xBB, 0xBB, 0xBB));
    QSet<QRgb> colours;
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 18; ++column)
            colours.insert(palette.Picture().pixel(CellPoint(column, row)));
    QCOMPARE(colours.size(), 216);
}

void TestColorDialog::ClickOutlinesAndReports()
{
    Tfrm_HtmlColor dialog;
    dialog.show();
    QCOMPARE(dialog.pnl_Info->text(), QStringLiteral("Color=#RRGGBB"));
    TColorPalette &palette = *dialog.img_Palette;
    QTest::mouseClick(&palette, Qt::LeftButton, {}, CellPoint(0, 0));
    QCOMPARE(dialog.pnl_Info->text(), QStringLiteral("#330000"));
    QCOMPARE(dialog.Result(), QStringLiteral("#330000"));
    QCOMPARE(At(palette, 1, 1), QColor(Qt::white)); // dark: white outline
    QCOMPARE(At(palette, 17, 17), QColor(Qt::white));

    // The last pixel of a cell still belongs to it; the next one is the next cell.
    QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(12 * 18 + 17, 5 * 18 + 17));
    QCOMPARE(dialog.Result(), QStringLiteral("#FF00FF"));
    QCOMPARE(At(palette, 1, 1), QColor(0xC0, 0xC0, 0xC0)); // the old outline removed
    QCOMPARE(At(palette, 12 * 18 + 1, 5 * 18 + 1), QColor(Qt::black));
    QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(13 * 18, 6 * 18));
    QCOMPARE(dialog.Result(), QStringLiteral("#CC33FF"));
    // Points beyond the last column and row are capped.
    QCOMPARE(palette.Pick(QPoint(400, 400)), QStringLiteral("#FFFFFF"));
    dialog.btn_Ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestColorDialog::LastRowPairs()
{
    Tfrm_HtmlColor dialog;
    dialog.show();
    TColorPalette &palette = *dialog.img_Palette;
    // Between columns 16 and 17 of the last row: white, outlined once, 34 pixels wide.
    QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(17 * 18, 12 * 18 + 9));
    QCOMPARE(dialog.Result(), QStringLiteral("#FFFFFF"));
    QCOMPARE(dialog.pnl_Info->text(), QStringLiteral("#FFFFFF"));
    const int top = 12 * 18 + 1;
    for (int x : {16 * 18 + 1, 17 * 18, 16 * 18 + 35})
        QCOMPARE(At(palette, x, top), QColor(Qt::black));
    QCOMPARE(At(palette, 16 * 18 + 35, top + 8), QColor(Qt::black));
    QCOMPARE(At(palette, 17 * 18, top + 8), QColor(Qt::white)); // no line inside the pair
    QCOMPARE(At(palette, 16 * 18 + 1, top + 8), QColor(Qt::black));
    QCOMPARE(At(palette, 15 * 18 + 17, top), QColor(0xBB, 0xBB, 0xBB)); // neighbour untouched

    QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(18 + 5, 12 * 18 + 5));
    QCOMPARE(dialog.Result(), QStringLiteral("#000000"));
    QCOMPARE(At(palette, 1, top), QColor(Qt::white));
    QCOMPARE(At(palette, 35, top + 8), QColor(Qt::white));
    QCOMPARE(At(palette, 16 * 18 + 1, top), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(At(palette, 16 * 18 + 35, top), QColor(0xC0, 0xC0, 0xC0));
    QTest::mouseClick(&palette, Qt::LeftButton, {}, CellPoint(2, 12));
    QCOMPARE(dialog.Result(), QStringLiteral("#111111"));
}

void TestColorDialog::OkWithoutClickIsEmpty()
{
    Tfrm_HtmlColor dialog;
    dialog.show();
    QTest::mouseClick(dialog.btn_Ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.Result().isEmpty());

    Tfrm_HtmlColor cancelled;
    cancelled.show();
    QTest::mouseClick(cancelled.img_Palette, Qt::LeftButton, {}, CellPoint(3, 3));
    QTest::mouseClick(cancelled.btn_Cancel, Qt::LeftButton);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
}

void TestColorDialog::OutlinesCurrentColourAfterOpening()
{
    Tfrm_HtmlColor dialog;
    const TColorPalette &palette = *dialog.img_Palette;
    dialog.show();
    QCOMPARE(At(palette, 1, 12 * 18 + 1), QColor(0xBB, 0xBB, 0xBB));
    QTest::qWait(150);
    QCOMPARE(At(palette, 1, 12 * 18 + 1), QColor(0xBB, 0xBB, 0xBB)); // not yet
    QTRY_COMPARE_WITH_TIMEOUT(At(palette, 1, 12 * 18 + 1), QColor(Qt::white), 1000);
    QCOMPARE(At(palette, 35, 12 * 18 + 9), QColor(Qt::white)); // the black pair
    QVERIFY(dialog.Result().isEmpty());
}

void TestColorDialog::RunUsesTheAnswer()
{
    Tfrm_HtmlColor::Answer = [](QString &result) {
        result = QStringLiteral("#336699");
        return true;
    };
    QString result;
    QVERIFY(Tfrm_HtmlColor::Run(nullptr, result));
    QCOMPARE(result, QStringLiteral("#336699"));
    Tfrm_HtmlColor::Answer = [](QString &) { return false; };
    QVERIFY(!Tfrm_HtmlColor::Run(nullptr, result));
    Tfrm_HtmlColor::Answer = nullptr;
}

void TestColorDialog::RunShowsTheDialog()
{
    // Ends the shown dialog as a user would: a click on a cell, then the button.
    const auto answer = [](bool ok) {
        QTimer::singleShot(50, [ok] {
            auto *dialog = qobject_cast<Tfrm_HtmlColor *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->img_Palette, Qt::LeftButton, {}, CellPoint(9, 2));
            QTest::mouseClick(ok ? dialog->btn_Ok : dialog->btn_Cancel, Qt::LeftButton);
        });
    };
    QString result = QStringLiteral("unverändert");
    answer(true);
    QVERIFY(Tfrm_HtmlColor::Run(nullptr, result));
    QCOMPARE(result, QStringLiteral("#666666"));
    answer(false);
    QVERIFY(!Tfrm_HtmlColor::Run(nullptr, result));
    QCOMPARE(result, QStringLiteral("#666666"));

    // with the editor's drawer the two buttons are drawn while the dialog is open
    TSpeedButtonDrawer drawer;
    int drawn = -1;
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<Tfrm_HtmlColor *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        drawn = drawer.Manager().Count();
        QTest::mouseClick(dialog->btn_Cancel, Qt::LeftButton);
    });
    QVERIFY(!Tfrm_HtmlColor::Run(nullptr, result, &drawer));
    QCOMPARE(drawn, 2);
    QCOMPARE(drawer.Manager().Count(), 0);
}
