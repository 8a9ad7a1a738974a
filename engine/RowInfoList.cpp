#include "RowInfoList.h"

#include "TextPreviewDocument.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

TRowInfoList::TRowInfoList(QTextDocument *richEdit) : RichEdit(richEdit) {}

void TRowInfoList::Clear()
{
    items.clear();
    Line.clear();
    PrevEnd = 0;
    CurEnd = 0;
    LineLength = 0;
}

TRowInfo *TRowInfoList::AddPiece(const QString &text, const QColor &color)
{
    auto item = std::make_unique<TRowInfo>();
    item->Text = text;
    item->Color = color;
    PrevEnd = CurEnd;
    CurEnd = PrevEnd + static_cast<int>(text.size());
    item->StartPos = PrevEnd;
    item->EndPos = CurEnd;
    Line += text;
    LineLength = static_cast<int>(Line.size());
    items.push_back(std::move(item));
    return items.back().get();
}

void TRowInfoList::Flush()
{
    if (!RichEdit)
        return;
    const QFont font = RichEdit->defaultFont();
    QTextCharFormat base;
    base.setFontFamilies({font.family()});
    if (font.pointSizeF() > 0)
        base.setFontPointSize(font.pointSizeF());

    QTextCursor cursor = TextPreviewDocument::CursorAtNewLine(RichEdit);
    cursor.beginEditBlock();
    QTextBlockFormat left = cursor.blockFormat();
    left.setAlignment(Qt::AlignLeft);
    cursor.setBlockFormat(left);
    // Each piece goes in with its own format; line breaks inside a piece start new lines.
    for (const auto &item : items) {
        QTextCharFormat format = base;
        if (item->Color.isValid())
            format.setForeground(item->Color);
        cursor.insertText(TextPreviewDocument::UnifyLineBreaks(item->Text), format);
    }
    cursor.insertBlock();
    cursor.endEditBlock();
}
