#include "TestRtfEditorFiles.h"

#include "BoxAnswerer.h"
#include "EditorFileDialogs.h"
#include "Frame_RtfEditor.h"
#include "RtfReader.h"

#include <QAction>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

namespace
{

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QString plainOfRtf(const QByteArray &data)
{
    QTextDocument doc;
    TRtfReader().Read(data, &doc);
    return doc.toPlainText();
}

} // namespace

void TestRtfEditorFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_asked = 0;
    TEditorFileDialogs::AskSave = [this](const QString &) {
        ++m_asked;
        return QString();
    };
    TEditorFileDialogs::AskOpen = [this](const QString &) {
        ++m_asked;
        return QString();
    };
}

void TestRtfEditorFiles::cleanup()
{
    TEditorFileDialogs::AskSave = nullptr;
    TEditorFileDialogs::AskOpen = nullptr;
    TEditorFileDialogs::AskPrinter = nullptr;
}

QString TestRtfEditorFiles::Path(const QString &name) const
{
    return m_dir->filePath(name);
}

void TestRtfEditorFiles::saveAfterOpenWritesBackWithoutAsking()
{
    const QString path = Path(QStringLiteral("brief.rtf"));
    writeFile(path, "{\\rtf1\\ansi Hallo {\\b Welt}\\par}");
    Tfrm_RtfEditor editor;
    TEditorFileDialogs::AskOpen = [&](const QString &current) {
        [&] { QVERIFY(current.isEmpty()); }();
        return path;
    };
    editor.ac_StdOpenDoc->trigger();
    QCOMPARE(editor.FileName(), path);
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("Hallo Welt"));
    QVERIFY(!editor.IsModified());

    QTextCursor cursor(editor.re_Rtf->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("!"));
    QVERIFY(editor.IsModified());
    editor.ac_StdSaveDoc->trigger();
    QCOMPARE(m_asked, 0);
    QVERIFY(!editor.IsModified());
    const QByteArray saved = readAll(path);
    QVERIFY(saved.startsWith("{\\rtf"));
    QCOMPARE(plainOfRtf(saved), QStringLiteral("Hallo Welt!"));
}

void TestRtfEditorFiles::unreadableFileKeepsTextAndName()
{
    const QString good = Path(QStringLiteral("gut.txt"));
    writeFile(good, "erste Fassung");
    Tfrm_RtfEditor editor;
    QString next = good;
    TEditorFileDialogs::AskOpen = [&](const QString &) { return next; };
    editor.ac_StdOpenDoc->trigger();
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("erste Fassung"));

    const QString damaged = Path(QStringLiteral("kaputt.rtf"));
    writeFile(damaged, "{\\rtf1" + QByteArray(1000, '{'));
    for (const QString &bad : {Path(QStringLiteral("fehlt.rtf")), m_dir->path(), damaged}) {
        next = bad;
        TBoxAnswerer answerer;
        editor.ac_StdOpenDoc->trigger();
        QCOMPARE(answerer.Shown.size(), 1);
        QVERIFY2(answerer.Shown[0].startsWith(QStringLiteral("Die Datei „")),
                 qPrintable(answerer.Shown[0]));
        QVERIFY(answerer.Shown[0].contains(QStringLiteral("“ kann nicht gelesen werden: ")));
        QCOMPARE(editor.GetEditorText(1), QStringLiteral("erste Fassung"));
        QCOMPARE(editor.FileName(), good);
    }
}

void TestRtfEditorFiles::newOnModifiedTextAsks()
{
    Tfrm_RtfEditor editor;
    QStringList commands;
    editor.OnEditorCommand = [&](QObject *, const QString &command, bool &) {
        commands << command;
    };
    editor.SetEditorText(1, QStringLiteral("Entwurf"));
    editor.SetModified(true);
    {
        TBoxAnswerer answerer(QStringLiteral("Abbrechen"));
        editor.ac_StdEmptyDoc->trigger();
        QCOMPARE(answerer.Shown, QStringList{"Änderungen speichern?"});
        QCOMPARE(answerer.Buttons[0].size(), 3);
        for (const char *caption : {"Ja", "Nein", "Abbrechen"})
            QVERIFY(answerer.Buttons[0].contains(QString::fromUtf8(caption)));
    }
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("Entwurf"));
    QVERIFY(editor.IsModified());
    QVERIFY(commands.isEmpty());

    // "Ja" saves first, then clears and forgets the file name.
    const QString path = Path(QStringLiteral("entwurf.rtf"));
    TEditorFileDialogs::AskSave = [&](const QString &) { return path; };
    {
        TBoxAnswerer answerer(QStringLiteral("Ja"));
        editor.ac_StdEmptyDoc->trigger();
    }
    QCOMPARE(plainOfRtf(readAll(path)), QStringLiteral("Entwurf"));
    QVERIFY(editor.GetEditorText(1).isEmpty());
    QVERIFY(editor.FileName().isEmpty());
    QVERIFY(!editor.IsModified());
    QCOMPARE(commands, (QStringList{"Save", "New"}));

    // Unmodified: no question.
    TBoxAnswerer none;
    editor.ac_StdEmptyDoc->trigger();
    QVERIFY(none.Shown.isEmpty());
}

void TestRtfEditorFiles::openOnModifiedTextAsks()
{
    const QString path = Path(QStringLiteral("neu.txt"));
    writeFile(path, "neu");
    Tfrm_RtfEditor editor;
    TEditorFileDialogs::AskOpen = [&](const QString &) { return path; };
    editor.SetEditorText(1, QStringLiteral("alt"));
    editor.SetModified(true);
    {
        TBoxAnswerer answerer(QStringLiteral("Abbrechen"));
        editor.ac_StdOpenDoc->trigger();
        QCOMPARE(answerer.Shown.size(), 1);
    }
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("alt"));
    {
        TBoxAnswerer answerer(QStringLiteral("Nein"));
        editor.ac_StdOpenDoc->trigger();
    }
    QCOMPARE(editor.GetEditorText(1), QStringLiteral("neu"));
    QCOMPARE(m_asked, 0);
}

void TestRtfEditorFiles::textFileSavedAsPlainText()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(2, QStringLiteral("{\\rtf1\\ansi {\\b fett} \\'e4rger\\par zwei}"));
    const QString text = editor.GetEditorText(1);
    QString target = Path(QStringLiteral("notiz.TXT"));
    TEditorFileDialogs::AskSave = [&](const QString &) { return target; };
    editor.ac_StdSaveNew->trigger();
    QCOMPARE(QString::fromUtf8(readAll(target)), text);
    QCOMPARE(editor.FileName(), target);

    target = Path(QStringLiteral("notiz.doc")); // any other ending: RTF
    editor.ac_StdSaveNew->trigger();
    QVERIFY(readAll(target).startsWith("{\\rtf"));
    QCOMPARE(plainOfRtf(readAll(target)), text);

    // Reopening the plain text gives the same text.
    Tfrm_RtfEditor other;
    TEditorFileDialogs::AskOpen = [&](const QString &) { return Path("notiz.TXT"); };
    other.ac_StdOpenDoc->trigger();
    QCOMPARE(other.GetEditorText(1), text);
}

void TestRtfEditorFiles::saveCancelledWritesNothing()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("x"));
    editor.SetModified(true);
    editor.ac_StdSaveDoc->trigger();
    QCOMPARE(m_asked, 1);
    QVERIFY(editor.IsModified());
    QVERIFY(editor.FileName().isEmpty());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestRtfEditorFiles::saveErrorIsReported()
{
    Tfrm_RtfEditor editor;
    const QString good = Path(QStringLiteral("gut.rtf"));
    QString target = good;
    TEditorFileDialogs::AskSave = [&](const QString &) { return target; };
    editor.SetEditorText(1, QStringLiteral("x"));
    editor.ac_StdSaveNew->trigger();
    QCOMPARE(editor.FileName(), good);

    editor.SetModified(true);
    target = Path(QStringLiteral("fehlt/datei.rtf"));
    TBoxAnswerer answerer;
    editor.ac_StdSaveNew->trigger();
    QCOMPARE(answerer.Shown.size(), 1);
    QVERIFY(answerer.Shown[0].contains(QStringLiteral("kann nicht gespeichert werden")));
    QCOMPARE(editor.FileName(), good);
    QVERIFY(editor.IsModified());
}

void TestRtfEditorFiles::ownerMayRefuseSave()
{
    Tfrm_RtfEditor editor;
    editor.OnEditorCommand = [](QObject *, const QString &command, bool &allow) {
        if (command == u"Save")
            allow = false;
    };
    editor.SetEditorText(1, QStringLiteral("x"));
    editor.ac_StdSaveNew->trigger();
    QCOMPARE(m_asked, 0);
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestRtfEditorFiles::printsTheDocument()
{
    Tfrm_RtfEditor editor;
    editor.SetEditorText(1, QStringLiteral("Druckprobe"));
    const QString pdf = Path(QStringLiteral("druck.pdf"));
    bool accept = false;
    QPageLayout offered;
    TEditorFileDialogs::AskPrinter = [&](QPrinter &printer) {
        offered = printer.pageLayout();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accept;
    };
    editor.ac_Print->trigger();
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(offered.pageSize().id(), QPageSize::A4);
    const QMarginsF margins = offered.margins(QPageLayout::Millimeter);
    QCOMPARE(margins, QMarginsF(25, 20, 15, 15));

    accept = true;
    editor.ac_Print->trigger();
    QVERIFY(readAll(pdf).startsWith("%PDF"));
}
