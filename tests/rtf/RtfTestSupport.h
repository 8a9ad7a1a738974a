#pragma once
// Effective formatting of a QTextDocument, run by run and paragraph by paragraph, so that
// two documents can be compared attribute for attribute.
#include <QColor>
#include <QList>
#include <QString>
#include <QTextListFormat>

class QTextDocument;

struct TRunAttrs {
    QString text;
    QString family;
    double points = 0;
    bool bold = false;
    bool italic = false;
    int underline = 0; // QTextCharFormat::UnderlineStyle
    bool strike = false;
    int vertical = 0; // QTextCharFormat::VerticalAlignment
    QColor fore;      // invalid: automatic
    QColor back;      // invalid: none
};

struct TBlockAttrs {
    QString text;
    int align = Qt::AlignLeft;
    double left = 0, right = 0, first = 0, top = 0, bottom = 0;
    int listStyle = 0; // QTextListFormat::Style, 0: no list
    int listIndent = 0;
    int listNumber = -1;   // QTextList index of the list among the document's lists
    double markPoints = 0; // font size of an empty paragraph
    QList<TRunAttrs> runs; // adjacent runs of equal attributes merged
};

QList<TBlockAttrs> DocumentAttrs(const QTextDocument &doc);

// Empty when equal, otherwise the first difference.
QString CompareDocuments(const QTextDocument &expected, const QTextDocument &actual);

QString DescribeRun(const TRunAttrs &run);

QByteArray ReadTestFile(const QString &name);
QString TestDataPath(const QString &name);

// A document with every attribute the codec knows: fonts, sizes, styles, colours, all
// alignments, indents and spacing, bullets and numbering (also nested), special characters.
void BuildSampleDocument(QTextDocument &doc);
