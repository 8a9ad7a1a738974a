#pragma once
// Tfrm_RtfEditor: a rich edit with two toolbars, context menu, fonts, colour, search and
// replace, open, save and print. Its owners load and read the content through
// SetEditorText and GetEditorText.
#include <QFrame>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QStatusBar;
class QTextEdit;
class QKeySequence;
class QTextCharFormat;
class QToolBar;
class TSpeedButtonDrawer;
class QMenu;
class TFonts;
class Tfrm_RtfSearchAndReplace;

class Tfrm_RtfEditor : public QFrame
{
    Q_OBJECT
public:
    explicit Tfrm_RtfEditor(QWidget *parent = nullptr);
    ~Tfrm_RtfEditor() override;

    QToolBar *tlb_RtfFormat = nullptr;
    QToolBar *tlb_RtfEdit = nullptr;
    QTextEdit *re_Rtf = nullptr;
    QStatusBar *sb_Info = nullptr;
    QMenu *pmu_Rtf = nullptr;
    QComboBox *cob_FontNames_Rtf = nullptr;
    QComboBox *cob_FontSizes_Rtf = nullptr;

    QAction *ac_StdEmptyDoc = nullptr, *ac_StdOpenDoc = nullptr, *ac_StdSaveDoc = nullptr,
            *ac_StdSaveNew = nullptr, *ac_Print = nullptr, *ac_StdSearch = nullptr,
            *ac_StdSearchAndReplace = nullptr, *ac_StdCut = nullptr, *ac_StdCopy = nullptr,
            *ac_StdPaste = nullptr, *ac_StdDelete = nullptr, *ac_StdSelectAll = nullptr,
            *ac_StdUndo = nullptr, *ac_StdRedo = nullptr, *ac_StdSetForground = nullptr,
            *ac_StdBold = nullptr, *ac_StdItalic = nullptr, *ac_StdUnderline = nullptr,
            *ac_StdLeft = nullptr, *ac_StdCenter = nullptr, *ac_StdRight = nullptr,
            *ac_StdBulletList = nullptr, *ac_WordWrap = nullptr, *ac_StdLeftIndent = nullptr,
            *ac_StdRightIndent = nullptr, *ac_HtmlDesigner = nullptr, *ac_HtmlTagIndent = nullptr;

    // 1: the whole text as plain text; 2: read as a stream (RTF shown formatted, anything
    // else as plain text). Other modes change nothing.
    void SetEditorText(int mode, const QString &text);
    // 1: the plain text; 2: the whole content as RTF source (our writer).
    QString GetEditorText(int mode);
    // True when the text was changed since it was last set, opened or saved.
    bool IsModified() const;
    void SetModified(bool modified);

    // (sender, command "New" / "Designer" / "Save", allow): false in allow cancels a save.
    std::function<void(QObject *sender, const QString &command, bool &allow)> OnEditorCommand;
    // The owner's flat-button painter (drawn look), handed on to the search dialog.
    TSpeedButtonDrawer *ButtonDrawer = nullptr;

    QString FileName() const { return m_fileName; }
    Tfrm_RtfSearchAndReplace *SearchDialog() const { return m_search.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TestRtfEditor;

    QAction *MakeAction(const QString &caption, const QString &hint, int image,
                        void (Tfrm_RtfEditor::*slot)(), const QKeySequence &key = {});
    QToolBar *MakeToolBar(const QString &name);
    void CreateActions();
    void CreateToolBars();
    void CreateMenu();
    void NameToolButtons();
    void ApplyButtonConfiguration(const QString &configuration);
    void FillFontLists();
    void FillSizes(const QString &family);
    TFonts &Fonts();

    bool Notify(const QString &command);
    // Asks to save a changed text; false when the user cancelled or the save failed.
    bool MayDiscard();
    // Empty name: asks for one. True when written.
    bool Save(const QString &fileName);
    void OpenSearch(bool replace);
    void MergeCharFormat(const QTextCharFormat &format);
    void SetAlignment(Qt::Alignment alignment);
    void SetIndent(bool left);
    void MirrorAttributes();

    void NewDocument();
    void OpenDocument();
    void SaveDocument();
    void SaveDocumentAs();
    void PrintDocument();
    void Search();
    void SearchAndReplace();
    void Cut();
    void Copy();
    void Paste();
    void DeleteSelection();
    void SelectAll();
    void Undo();
    void Redo();
    void SetForeground();
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void ChooseFontName(const QString &family);
    void ChooseFontSize(const QString &size);
    void AlignLeft();
    void AlignCenter();
    void AlignRight();
    void ToggleBullets();
    void ToggleWordWrap();
    void LeftIndent();
    void RightIndent();
    void BackToDesigner();
    void TagIndent();

    QString m_fileName;
    std::unique_ptr<TFonts> m_fonts;
    std::unique_ptr<Tfrm_RtfSearchAndReplace> m_search;
};
