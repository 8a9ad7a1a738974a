#pragma once
// One line of the text preview, assembled from coloured pieces.
#include <QColor>
#include <QString>
#include <memory>
#include <vector>

class QTextDocument;

struct TRowInfo {
    int StartPos = 0; // within the line
    int EndPos = 0;
    QString Text;
    QColor Color; // invalid: no colour of its own
};

class TRowInfoList
{
public:
    explicit TRowInfoList(QTextDocument *richEdit);

    void Clear();
    TRowInfo *AddPiece(const QString &text, const QColor &color);
    TRowInfo *Items(int index) const { return items.at(index).get(); }
    int Count() const { return static_cast<int>(items.size()); }
    // Appends Line to the document as a new line (line breaks in it make several lines),
    // each piece in its colour and the document's default font, aligned left.
    void Flush();

    QTextDocument *RichEdit; // not owned
    QString Line;
    int PrevEnd = 0;
    int CurEnd = 0;
    int LineLength = 0;

private:
    std::vector<std::unique_ptr<TRowInfo>> items;
};
