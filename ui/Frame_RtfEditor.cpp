#include "Frame_RtfEditor.h"

#include "EditorFileDialogs.h"
#include "EditorIcons.h"
#include "Fonts.h"
#include "Form_HtmlColor.h"
#include "Form_RtfSearchAndReplace.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

const QString ButtonConfiguration =
    QStringLiteral("action=designer,visible=false|action=tagindent,visible=false");

QFont editorFont()
{
    // The fixed font's family may be an alias ("monospace"); the list shows real families.
    QString family = QStringLiteral("Courier New");
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        family = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    QFont font(family);
    font.setPointSize(10);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// Wait cursor for the scope.
struct TWaitCursor {
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

Tfrm_RtfEditor::Tfrm_RtfEditor(QWidget *parent) : QFrame(parent), m_fonts(new TFonts)
{
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, QColor(0xDD, 0xDD, 0xDD));
    framePalette.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    setPalette(framePalette);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Texteditor"));

    re_Rtf = new QTextEdit(this);
    re_Rtf->setAccessibleName(QStringLiteral("Text"));
    re_Rtf->setFrameShape(QFrame::NoFrame);
    re_Rtf->document()->setDocumentMargin(2);
    re_Rtf->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    re_Rtf->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    re_Rtf->setLineWrapMode(QTextEdit::NoWrap);
    re_Rtf->setAcceptRichText(true);
    QPalette editPalette = re_Rtf->palette();
    editPalette.setColor(QPalette::Base, Qt::white);
    editPalette.setColor(QPalette::Text, Qt::black);
    re_Rtf->setPalette(editPalette);
    re_Rtf->setFont(editorFont());
    re_Rtf->document()->setDefaultFont(re_Rtf->font());
    re_Rtf->setContextMenuPolicy(Qt::CustomContextMenu);
    re_Rtf->installEventFilter(this);

    CreateActions();
    CreateToolBars();
    CreateMenu();

    sb_Info = new QStatusBar(this);
    sb_Info->setAccessibleName(QStringLiteral("Statuszeile"));
    sb_Info->setSizeGripEnabled(false);
    for (int width : {100, 50}) {
        auto *panel = new QWidget(sb_Info);
        panel->setFixedWidth(width);
        sb_Info->addWidget(panel);
    }

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(tlb_RtfFormat);
    layout->addWidget(tlb_RtfEdit);
    layout->addWidget(line);
    layout->addWidget(re_Rtf, 1);
    layout->addWidget(sb_Info);

    NameToolButtons();
    ApplyButtonConfiguration(ButtonConfiguration);
    FillFontLists();

    connect(re_Rtf, &QTextEdit::cursorPositionChanged, this, &Tfrm_RtfEditor::MirrorAttributes);
    connect(re_Rtf, &QTextEdit::selectionChanged, this, &Tfrm_RtfEditor::MirrorAttributes);
    connect(re_Rtf, &QTextEdit::currentCharFormatChanged, this, &Tfrm_RtfEditor::MirrorAttributes);
    connect(re_Rtf, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { pmu_Rtf->popup(re_Rtf->viewport()->mapToGlobal(at)); });
    MirrorAttributes();
    re_Rtf->document()->setModified(false);
}

Tfrm_RtfEditor::~Tfrm_RtfEditor() = default;

QAction *Tfrm_RtfEditor::MakeAction(const QString &caption, const QString &hint, int image,
                                    void (Tfrm_RtfEditor::*slot)(), const QKeySequence &key)
{
    auto *action = new QAction(caption, this);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (image >= 0)
        action->setIcon(TEditorIcons::Icon(image));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void Tfrm_RtfEditor::CreateActions()
{
    using T = Tfrm_RtfEditor;
    const QString none;
    ac_StdEmptyDoc = MakeAction("&Neues Dokument", "Neues Dokument", 0, &T::NewDocument);
    ac_StdOpenDoc = MakeAction("&Dokument öffnen", "Dokument öffnen", 1, &T::OpenDocument);
    ac_StdSaveDoc = MakeAction("Speichern", "Speichern", 37, &T::SaveDocument,
                               QKeySequence(Qt::CTRL | Qt::Key_S));
    ac_StdSaveNew = MakeAction("Speichern unter", "Speichern unter einem neuen Namen", -1,
                               &T::SaveDocumentAs, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    ac_Print = MakeAction("Drucken", "Drucken", 39, &T::PrintDocument);
    ac_StdSearch = MakeAction("&Suchen", "Suchen", 5, &T::Search);
    ac_StdSearchAndReplace =
        MakeAction("Suchen & Ersetzen", "Text suchen und ersetzen", 35, &T::SearchAndReplace);
    ac_StdCut =
        MakeAction("&Ausschneiden", "Ausschneiden", 2, &T::Cut, QKeySequence(Qt::CTRL | Qt::Key_X));
    ac_StdCopy =
        MakeAction("&Kopieren", "Kopieren", 3, &T::Copy, QKeySequence(Qt::CTRL | Qt::Key_C));
    ac_StdPaste =
        MakeAction("&Einfügen", "Einfügen", 4, &T::Paste, QKeySequence(Qt::CTRL | Qt::Key_V));
    ac_StdDelete = MakeAction("Löschen", "Selektierten Text löschen", -1, &T::DeleteSelection,
                              QKeySequence(Qt::CTRL | Qt::Key_Delete));
    ac_StdSelectAll = MakeAction("Alles auswählen", "Gesamten Text selektieren", -1, &T::SelectAll);
    ac_StdUndo = MakeAction("&Rückgängig", "Rückgängig machen", 6, &T::Undo,
                            QKeySequence(Qt::CTRL | Qt::Key_Z));
    ac_StdRedo = MakeAction("&Wiederherstellen", "Wiederherstellen", 7, &T::Redo,
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    ac_StdSetForground =
        MakeAction("&Vordergrundfarbe", "Vordergrundfarbe setzen", 8, &T::SetForeground);
    ac_StdBold = MakeAction("&Fettschrift", "Fettschrift", 10, &T::ToggleBold);
    ac_StdItalic = MakeAction("&Kursiv", "Kursiv", 11, &T::ToggleItalic);
    ac_StdUnderline = MakeAction("&Unterstrichen", "Unterstrichen", 12, &T::ToggleUnderline);
    ac_StdLeft = MakeAction("&Linksbündig", "Linksbündig", 13, &T::AlignLeft);
    ac_StdCenter = MakeAction("&Zentriert", "Zentriert", 14, &T::AlignCenter);
    ac_StdRight = MakeAction("&Rechtsbündig", "Rechtsbündig", 15, &T::AlignRight);
    ac_StdBulletList = MakeAction("&Aufzählung", "Aufzählung", 17, &T::ToggleBullets);
    ac_WordWrap = MakeAction("ac_WordWrap", "Wortumbruch", 43, &T::ToggleWordWrap);
    ac_StdLeftIndent = MakeAction("&Linker Einzug", none, 19, &T::LeftIndent);
    ac_StdRightIndent = MakeAction("ac_StdRightIndent", none, 18, &T::RightIndent);
    ac_HtmlDesigner =
        MakeAction("Html-Designer", "Zurück zum Html-Designer", 41, &T::BackToDesigner);
    ac_HtmlTagIndent =
        MakeAction("Html-Autoeinzug", "Automatische Html-Einrückung", 42, &T::TagIndent);
    for (QAction *action : {ac_StdBold, ac_StdItalic, ac_StdUnderline, ac_StdLeft, ac_StdCenter,
                            ac_StdRight, ac_StdBulletList})
        action->setCheckable(true);
    ac_StdPaste->setEnabled(true);
}

QToolBar *Tfrm_RtfEditor::MakeToolBar(const QString &name)
{
    auto *bar = new QToolBar(name, this);
    bar->setAccessibleName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setStyleSheet(QStringLiteral("QToolBar { background: transparent; border: none; }"));
    return bar;
}

void Tfrm_RtfEditor::CreateToolBars()
{
    tlb_RtfFormat = MakeToolBar(QStringLiteral("Formatierung"));
    tlb_RtfFormat->addAction(ac_HtmlDesigner);
    cob_FontNames_Rtf = new QComboBox(tlb_RtfFormat);
    cob_FontNames_Rtf->setEditable(false);
    cob_FontNames_Rtf->setFixedWidth(179);
    cob_FontNames_Rtf->setToolTip(QStringLiteral("Select Font"));
    cob_FontNames_Rtf->setAccessibleName(QStringLiteral("Select Font"));
    tlb_RtfFormat->addWidget(cob_FontNames_Rtf);
    tlb_RtfFormat->addSeparator();
    cob_FontSizes_Rtf = new QComboBox(tlb_RtfFormat);
    cob_FontSizes_Rtf->setEditable(false);
    cob_FontSizes_Rtf->setFixedWidth(73);
    cob_FontSizes_Rtf->setMaxVisibleItems(7);
    cob_FontSizes_Rtf->setToolTip(QStringLiteral("Select Font Size"));
    cob_FontSizes_Rtf->setAccessibleName(QStringLiteral("Select Font Size"));
    tlb_RtfFormat->addWidget(cob_FontSizes_Rtf);
    tlb_RtfFormat->addAction(ac_StdSetForground);
    tlb_RtfFormat->addSeparator();
    tlb_RtfFormat->addActions({ac_StdBold, ac_StdItalic, ac_StdUnderline});
    tlb_RtfFormat->addSeparator();
    tlb_RtfFormat->addActions({ac_StdLeft, ac_StdCenter, ac_StdRight});
    tlb_RtfFormat->addSeparator();
    tlb_RtfFormat->addAction(ac_StdBulletList);
    tlb_RtfFormat->addSeparator();
    tlb_RtfFormat->addActions({ac_HtmlTagIndent, ac_WordWrap, ac_StdLeftIndent, ac_StdRightIndent});
    connect(cob_FontNames_Rtf, &QComboBox::textActivated, this, &Tfrm_RtfEditor::ChooseFontName);
    connect(cob_FontSizes_Rtf, &QComboBox::textActivated, this, &Tfrm_RtfEditor::ChooseFontSize);

    tlb_RtfEdit = MakeToolBar(QStringLiteral("Bearbeiten"));
    tlb_RtfEdit->addActions({ac_StdEmptyDoc, ac_StdOpenDoc, ac_StdSaveDoc});
    tlb_RtfEdit->addSeparator();
    tlb_RtfEdit->addActions({ac_Print, ac_StdSearch, ac_StdSearchAndReplace});
    tlb_RtfEdit->addSeparator();
    tlb_RtfEdit->addActions({ac_StdCut, ac_StdCopy, ac_StdPaste});
    tlb_RtfEdit->addSeparator();
    tlb_RtfEdit->addActions({ac_StdUndo, ac_StdRedo});
}

void Tfrm_RtfEditor::NameToolButtons()
{
    for (QToolBar *bar : {tlb_RtfFormat, tlb_RtfEdit}) {
        for (QToolButton *button : bar->findChildren<QToolButton *>()) {
            QAction *action = button->defaultAction();
            // The hint, or the caption where there is none.
            QString name = action ? action->toolTip() : QString();
            if (name.isEmpty())
                name = QStringLiteral("Weitere Schaltflächen");
            button->setAccessibleName(name);
            button->setFixedHeight(23);
        }
        for (QMenu *menu : bar->findChildren<QMenu *>())
            if (menu->accessibleName().isEmpty())
                menu->setAccessibleName(QStringLiteral("Weitere Schaltflächen"));
    }
}

void Tfrm_RtfEditor::CreateMenu()
{
    pmu_Rtf = new QMenu(this);
    pmu_Rtf->setAccessibleName(QStringLiteral("Kontextmenü"));
    pmu_Rtf->addActions({ac_StdSaveDoc, ac_StdSaveNew});
    pmu_Rtf->addSeparator();
    pmu_Rtf->addActions({ac_StdUndo, ac_StdRedo});
    pmu_Rtf->addSeparator();
    pmu_Rtf->addActions({ac_StdCut, ac_StdCopy, ac_StdPaste, ac_StdDelete});
    pmu_Rtf->addSeparator();
    pmu_Rtf->addAction(ac_StdSelectAll);
}

void Tfrm_RtfEditor::ApplyButtonConfiguration(const QString &configuration)
{
    for (const QString &entry : configuration.split(u'|', Qt::SkipEmptyParts)) {
        QHash<QString, QString> pairs;
        for (const QString &pair : entry.split(u',', Qt::SkipEmptyParts)) {
            const qsizetype equals = pair.indexOf(u'=');
            if (equals > 0)
                pairs.insert(pair.left(equals).trimmed().toLower(), pair.mid(equals + 1).trimmed());
        }
        const QString name = pairs.value(QStringLiteral("action")).toLower();
        QAction *action = name == u"designer"    ? ac_HtmlDesigner
                          : name == u"tagindent" ? ac_HtmlTagIndent
                                                 : nullptr;
        if (!action)
            continue;
        action->setVisible(pairs.value(QStringLiteral("visible")) == u"true");
        action->setEnabled(pairs.value(QStringLiteral("enabled")) == u"true");
    }
}

void Tfrm_RtfEditor::FillFontLists()
{
    if (cob_FontNames_Rtf->count() == 0) {
        m_fonts->Enumerate();
        cob_FontNames_Rtf->addItems(m_fonts->Names());
    }
    const QSignalBlocker names(cob_FontNames_Rtf);
    cob_FontNames_Rtf->setCurrentIndex(cob_FontNames_Rtf->findText(re_Rtf->font().family()));
    QString family = cob_FontNames_Rtf->currentText();
    if (cob_FontNames_Rtf->currentIndex() < 0) {
        if (cob_FontNames_Rtf->count() < 2)
            return;
        family = cob_FontNames_Rtf->itemText(1);
    }
    FillSizes(family);
    const QSignalBlocker sizes(cob_FontSizes_Rtf);
    const int own = cob_FontSizes_Rtf->findText(QString::number(re_Rtf->font().pointSize()));
    if (own >= 0)
        cob_FontSizes_Rtf->setCurrentIndex(own);
}

void Tfrm_RtfEditor::FillSizes(const QString &family)
{
    const QSignalBlocker blocker(cob_FontSizes_Rtf);
    cob_FontSizes_Rtf->clear();
    cob_FontSizes_Rtf->addItems(m_fonts->Sizes(family));
    // An empty list leaves the text empty.
    cob_FontSizes_Rtf->setCurrentIndex(cob_FontSizes_Rtf->count() > 0 ? 0 : -1);
}

TFonts &Tfrm_RtfEditor::Fonts()
{
    return *m_fonts;
}

void Tfrm_RtfEditor::SetEditorText(int mode, const QString &text)
{
    if (mode == 1) {
        re_Rtf->setPlainText(text);
    } else if (mode == 2) {
        TRtfReader reader;
        if (!reader.Read(text.toUtf8(), re_Rtf->document()))
            re_Rtf->setPlainText(text); // damaged source: shown as it is, nothing lost
    } else {
        return;
    }
    re_Rtf->document()->setModified(false);
    MirrorAttributes();
}

QString Tfrm_RtfEditor::GetEditorText(int mode)
{
    if (mode == 1)
        return re_Rtf->toPlainText();
    if (mode == 2)
        return QString::fromLatin1(TRtfWriter().Write(re_Rtf->document()));
    return {};
}

bool Tfrm_RtfEditor::IsModified() const
{
    return re_Rtf->document()->isModified();
}

void Tfrm_RtfEditor::SetModified(bool modified)
{
    re_Rtf->document()->setModified(modified);
}

bool Tfrm_RtfEditor::Notify(const QString &command)
{
    bool allow = true;
    if (OnEditorCommand)
        OnEditorCommand(this, command, allow);
    return allow;
}

bool Tfrm_RtfEditor::MayDiscard()
{
    if (!IsModified())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dokument"),
                    QStringLiteral("Änderungen speichern?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return Save(m_fileName);
    return box.clickedButton() == box.button(QMessageBox::No);
}

void Tfrm_RtfEditor::NewDocument()
{
    if (!MayDiscard())
        return;
    re_Rtf->clear();
    re_Rtf->setCurrentFont(re_Rtf->font());
    re_Rtf->document()->setModified(false);
    m_fileName.clear();
    Notify(QStringLiteral("New"));
}

void Tfrm_RtfEditor::OpenDocument()
{
    if (!MayDiscard())
        return;
    const QString name = TEditorFileDialogs::OpenFileName(this, m_fileName);
    if (name.isEmpty())
        return;
    TWaitCursor wait;
    QFile file(name);
    QString error;
    QByteArray data;
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
    } else {
        data = file.readAll();
        if (file.error() != QFileDevice::NoError)
            error = file.errorString();
    }
    if (error.isEmpty()) {
        TRtfReader reader;
        if (!reader.Read(data, re_Rtf->document()))
            error = reader.Error();
    }
    if (!error.isEmpty()) {
        QGuiApplication::restoreOverrideCursor();
        QMessageBox::warning(this, QStringLiteral("Dokument öffnen"),
                             QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                                 .arg(QDir::toNativeSeparators(name), error));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    re_Rtf->setFocus();
    re_Rtf->document()->setModified(false);
    m_fileName = name;
    MirrorAttributes();
}

bool Tfrm_RtfEditor::Save(const QString &fileName)
{
    if (!Notify(QStringLiteral("Save")))
        return false;
    QString name = fileName;
    if (name.isEmpty())
        name = TEditorFileDialogs::SaveFileName(this, m_fileName);
    if (name.isEmpty())
        return false;
    TWaitCursor wait;
    const bool plain = QFileInfo(name).suffix().compare(u"txt", Qt::CaseInsensitive) == 0;
    const QByteArray data =
        plain ? re_Rtf->toPlainText().toUtf8() : TRtfWriter().Write(re_Rtf->document());
    QSaveFile file(name);
    QString error;
    if (!file.open(QIODevice::WriteOnly))
        error = file.errorString();
    else if (file.write(data) != data.size() || !file.commit())
        error = file.errorString();
    if (!error.isEmpty()) {
        QGuiApplication::restoreOverrideCursor();
        QMessageBox::warning(this, QStringLiteral("Speichern"),
                             QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: %2")
                                 .arg(QDir::toNativeSeparators(name), error));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return false;
    }
    m_fileName = name;
    re_Rtf->document()->setModified(false);
    return true;
}

void Tfrm_RtfEditor::SaveDocument()
{
    Save(m_fileName);
}

void Tfrm_RtfEditor::SaveDocumentAs()
{
    Save(QString());
}

void Tfrm_RtfEditor::PrintDocument()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!TEditorFileDialogs::SetUpPrinter(this, printer))
        return;
    printer.setDocName(QString());
    re_Rtf->print(&printer);
}

void Tfrm_RtfEditor::OpenSearch(bool replace)
{
    if (!m_search) {
        m_search = std::make_unique<Tfrm_RtfSearchAndReplace>(this);
        m_search->Bind(re_Rtf);
        m_search->SetDrawer(ButtonDrawer);
    }
    m_search->SetMode(replace);
    m_search->exec();
}

void Tfrm_RtfEditor::Search()
{
    OpenSearch(false);
}

void Tfrm_RtfEditor::SearchAndReplace()
{
    OpenSearch(true);
}

void Tfrm_RtfEditor::Cut()
{
    re_Rtf->cut();
}

void Tfrm_RtfEditor::Copy()
{
    re_Rtf->copy();
}

void Tfrm_RtfEditor::Paste()
{
    re_Rtf->paste();
}

void Tfrm_RtfEditor::DeleteSelection()
{
    re_Rtf->textCursor().removeSelectedText();
}

void Tfrm_RtfEditor::SelectAll()
{
    re_Rtf->selectAll();
}

void Tfrm_RtfEditor::Undo()
{
    re_Rtf->undo();
}

void Tfrm_RtfEditor::Redo()
{
    re_Rtf->redo();
}

void Tfrm_RtfEditor::MergeCharFormat(const QTextCharFormat &format)
{
    // With a selection the selected characters change, otherwise the attributes for typing.
    re_Rtf->mergeCurrentCharFormat(format);
    MirrorAttributes();
}

void Tfrm_RtfEditor::SetForeground()
{
    QString result;
    if (!Tfrm_HtmlColor::Run(this, result, ButtonDrawer))
        return;
    QColor colour(Qt::black);
    if (!result.isEmpty()) {
        const QString digits = result.startsWith(u'#') ? result.mid(1) : result;
        bool ok = false;
        const uint rgb = digits.toUInt(&ok, 16);
        if (!ok || digits.size() != 6)
            return;
        colour = QColor::fromRgb(QRgb(rgb));
    }
    QTextCharFormat format;
    format.setForeground(colour);
    MergeCharFormat(format);
}

void Tfrm_RtfEditor::ToggleBold()
{
    QTextCharFormat format;
    format.setFontWeight(re_Rtf->currentCharFormat().fontWeight() > QFont::Normal ? QFont::Normal
                                                                                  : QFont::Bold);
    MergeCharFormat(format);
}

void Tfrm_RtfEditor::ToggleItalic()
{
    QTextCharFormat format;
    format.setFontItalic(!re_Rtf->currentCharFormat().fontItalic());
    MergeCharFormat(format);
}

void Tfrm_RtfEditor::ToggleUnderline()
{
    QTextCharFormat format;
    format.setFontUnderline(!re_Rtf->currentCharFormat().fontUnderline());
    MergeCharFormat(format);
}

void Tfrm_RtfEditor::ChooseFontName(const QString &family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    MergeCharFormat(format);
    FillSizes(family);
}

void Tfrm_RtfEditor::ChooseFontSize(const QString &size)
{
    bool ok = false;
    const int points = size.toInt(&ok);
    if (!ok || points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    MergeCharFormat(format);
}

void Tfrm_RtfEditor::SetAlignment(Qt::Alignment alignment)
{
    re_Rtf->setAlignment(alignment);
    MirrorAttributes();
}

void Tfrm_RtfEditor::AlignLeft()
{
    SetAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
}

void Tfrm_RtfEditor::AlignCenter()
{
    SetAlignment(Qt::AlignHCenter);
}

void Tfrm_RtfEditor::AlignRight()
{
    SetAlignment(Qt::AlignRight | Qt::AlignAbsolute);
}

void Tfrm_RtfEditor::ToggleBullets()
{
    QTextCursor cursor = re_Rtf->textCursor();
    if (QTextList *list = cursor.currentList()) {
        const QTextBlock last = re_Rtf->document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = re_Rtf->document()->findBlock(cursor.selectionStart());
             block.isValid(); block = block.next()) {
            list->remove(block);
            QTextCursor at(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            at.setBlockFormat(format);
            if (block == last)
                break;
        }
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
    MirrorAttributes();
}

void Tfrm_RtfEditor::ToggleWordWrap()
{
    re_Rtf->setLineWrapMode(re_Rtf->lineWrapMode() == QTextEdit::NoWrap ? QTextEdit::WidgetWidth
                                                                        : QTextEdit::NoWrap);
}

void Tfrm_RtfEditor::SetIndent(bool left)
{
    // 10 points in the document's pixels.
    const qreal indent = 10.0 * re_Rtf->logicalDpiY() / 72.0;
    QTextBlockFormat format;
    if (left)
        format.setLeftMargin(indent);
    else
        format.setRightMargin(indent);
    re_Rtf->textCursor().mergeBlockFormat(format);
}

void Tfrm_RtfEditor::LeftIndent()
{
    SetIndent(true);
}

void Tfrm_RtfEditor::RightIndent()
{
    SetIndent(false);
}

void Tfrm_RtfEditor::BackToDesigner()
{
    Notify(QStringLiteral("Designer"));
}

void Tfrm_RtfEditor::TagIndent() {}

void Tfrm_RtfEditor::MirrorAttributes()
{
    const QTextCharFormat format = re_Rtf->currentCharFormat();
    const QFont font = format.font().resolve(re_Rtf->document()->defaultFont());
    ac_StdBold->setChecked(font.bold());
    ac_StdItalic->setChecked(font.italic());
    ac_StdUnderline->setChecked(font.underline());
    const Qt::Alignment alignment = re_Rtf->alignment() & Qt::AlignHorizontal_Mask;
    ac_StdCenter->setChecked(alignment & Qt::AlignHCenter);
    ac_StdRight->setChecked(alignment & Qt::AlignRight);
    ac_StdLeft->setChecked(!(alignment & (Qt::AlignHCenter | Qt::AlignRight)));
    ac_StdBulletList->setChecked(re_Rtf->textCursor().currentList() != nullptr);
    {
        const QSignalBlocker blocker(cob_FontNames_Rtf);
        // a family that is not installed shows as the one drawn in its place
        int index = cob_FontNames_Rtf->findText(font.family());
        if (index < 0)
            index = cob_FontNames_Rtf->findText(QFontInfo(font).family());
        cob_FontNames_Rtf->setCurrentIndex(index);
    }
    {
        const QSignalBlocker blocker(cob_FontSizes_Rtf);
        cob_FontSizes_Rtf->setCurrentIndex(
            cob_FontSizes_Rtf->findText(QString::number(qRound(font.pointSizeF()))));
    }
    const bool selected = re_Rtf->textCursor().hasSelection();
    ac_StdCut->setEnabled(selected);
    ac_StdCopy->setEnabled(selected);
    ac_StdPaste->setEnabled(true);
}

bool Tfrm_RtfEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == re_Rtf && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F3 && m_search)
        m_search->FindNext();
    return QFrame::eventFilter(watched, event);
}
