#include "ProjectFileReader.h"

#include "ReportError.h"
#include "ValueFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <optional>
#include <span>

namespace
{

constexpr double MaxLengthMm = 10000;
constexpr double MaxPenMm = 50;
constexpr double MinPointSize = 1;
constexpr double MaxPointSize = 200;

// Text attributes of a component that override the report's default font.
struct TFontOverride {
    std::optional<QString> Family;
    std::optional<double> Size;
    std::optional<bool> Bold, Italic, Underline;
    std::optional<QRgb> Color;
};

struct TPendingFont {
    TReportComponent *Component;
    TFontOverride Font;
};

struct TPendingSum {
    TReportComponent *Component;
    qint64 Line, Column;
};

class TProjectParser
{
public:
    TProjectParser(const QByteArray &data, const QString &fileName) : m_xml(data), m_file(fileName)
    {
    }

    TReportList Run();

private:
    [[noreturn]] void Fail(const QString &reason) const
    {
        FailAt(m_xml.lineNumber(), m_xml.columnNumber(), reason);
    }
    [[noreturn]] void FailAt(qint64 line, qint64 column, const QString &reason) const;
    [[noreturn]] void FailXml() const;

    bool NextChild(QString *text = nullptr);
    QString Element() const { return m_xml.qualifiedName().toString(); }

    // allowed: the element's own attributes; common: those it shares with its kind
    void CheckAttributes(std::initializer_list<const char16_t *> allowed,
                         std::span<const char16_t *const> common = {});
    std::optional<QString> Attr(const char16_t *name) const;
    QString Required(const char16_t *name) const;
    std::optional<double> Number(const char16_t *name, double min, double max) const;
    int Length(const char16_t *name, std::optional<int> fallback, double min = 0,
               double max = MaxLengthMm) const;
    std::optional<bool> Bool(const char16_t *name) const;
    std::optional<QRgb> Color(const char16_t *name) const;
    void ReadFontAttributes(TFontOverride &font) const;

    void ParseProject();
    void ParseReport();
    void ParsePage(TReportComponent &report);
    void ParseFont(TReportComponent &report);
    void ParseGroup(TReportComponent &parent);
    void ParseBand(TReportComponent &parent, TReportComponent::TType type);
    void ParsePrintable(TReportComponent &band);
    TReportComponent *AddNamed(TReportComponent &parent, TReportComponent::TType type);
    void FinishReport(TReportComponent &report, qint64 line, qint64 column);

    QXmlStreamReader m_xml;
    QString m_file;
    QXmlStreamAttributes m_attrs;
    int m_depth = 0;
    TReportList m_reports;
    QHash<QString, bool> m_reportNames; // upper case
    // per report
    QHash<QString, TReportComponent *> m_names; // upper case
    std::vector<TPendingFont> m_fonts;
    std::vector<TPendingSum> m_sums;
};

void TProjectParser::FailAt(qint64 line, qint64 column, const QString &reason) const
{
    throw EReportError(
        QStringLiteral("Die Report-Projektdatei „%1“ ist fehlerhaft (Zeile %2, Spalte %3): %4")
            .arg(m_file)
            .arg(qMax<qint64>(1, line))
            .arg(qMax<qint64>(1, column))
            .arg(reason));
}

void TProjectParser::FailXml() const
{
    switch (m_xml.error()) {
    case QXmlStreamReader::PrematureEndOfDocumentError:
        Fail(QStringLiteral("unerwartetes Dateiende"));
    case QXmlStreamReader::NotWellFormedError:
        Fail(QStringLiteral("kein wohlgeformtes XML"));
    default:
        Fail(QStringLiteral("ungültiges XML"));
    }
}

// Moves to the next child element of the current element; false at the current element's
// end. Character data goes to text when given, otherwise only blanks may stand there.
bool TProjectParser::NextChild(QString *text)
{
    const QString parent = Element();
    for (;;) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > TProjectFileReader::MaxDepth)
                Fail(QStringLiteral("zu tief verschachtelt (mehr als %1 Ebenen)")
                         .arg(TProjectFileReader::MaxDepth));
            m_attrs = m_xml.attributes();
            return true;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return false;
        case QXmlStreamReader::Characters:
            if (text)
                text->append(m_xml.text());
            else if (!m_xml.isWhitespace())
                Fail(QStringLiteral("unerwarteter Text in „%1“").arg(parent));
            break;
        case QXmlStreamReader::EntityReference:
            Fail(QStringLiteral("unbekannte Entität „%1“").arg(m_xml.name().toString()));
        case QXmlStreamReader::DTD:
            Fail(QStringLiteral("eine Dokumenttyp-Deklaration ist nicht erlaubt"));
        case QXmlStreamReader::Invalid:
            FailXml();
        case QXmlStreamReader::EndDocument:
            Fail(QStringLiteral("unerwartetes Dateiende"));
        default: // comments, processing instructions
            break;
        }
    }
}

void TProjectParser::CheckAttributes(std::initializer_list<const char16_t *> allowed,
                                     std::span<const char16_t *const> common)
{
    for (const QXmlStreamAttribute &a : std::as_const(m_attrs)) {
        const QStringView name = a.qualifiedName();
        bool known = false;
        for (const char16_t *candidate : allowed)
            known = known || name == QStringView(candidate);
        for (const char16_t *candidate : common)
            known = known || name == QStringView(candidate);
        if (!known)
            Fail(QStringLiteral("unbekanntes Attribut „%1“ in „%2“").arg(name, Element()));
    }
}

std::optional<QString> TProjectParser::Attr(const char16_t *name) const
{
    for (const QXmlStreamAttribute &a : m_attrs) {
        if (a.qualifiedName() == QStringView(name))
            return a.value().toString();
    }
    return std::nullopt;
}

QString TProjectParser::Required(const char16_t *name) const
{
    const std::optional<QString> value = Attr(name);
    if (!value || value->trimmed().isEmpty())
        Fail(
            QStringLiteral("Attribut „%1“ fehlt in „%2“").arg(QString::fromUtf16(name), Element()));
    return *value;
}

// A decimal number with a point: digits, optionally "." and digits.
std::optional<double> TProjectParser::Number(const char16_t *name, double min, double max) const
{
    const std::optional<QString> text = Attr(name);
    if (!text)
        return std::nullopt;
    const QString &s = *text;
    qsizetype i = 0, intDigits = 0, fracDigits = 0;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        ++i;
        ++intDigits;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            ++i;
            ++fracDigits;
        }
        if (fracDigits == 0)
            i = -1;
    }
    if (i != s.size() || intDigits == 0 || intDigits > 9 || fracDigits > 9)
        Fail(QStringLiteral("ungültige Zahl „%1“ in Attribut „%2“")
                 .arg(s, QString::fromUtf16(name)));
    const double value = s.toDouble();
    if (value < min || value > max)
        Fail(QStringLiteral("Wert „%1“ von „%2“ liegt außerhalb von %3 bis %4")
                 .arg(s, QString::fromUtf16(name), QString::number(min), QString::number(max)));
    return value;
}

// A length in millimetres as logical units; fallback when the attribute is absent (none:
// required).
int TProjectParser::Length(const char16_t *name, std::optional<int> fallback, double min,
                           double max) const
{
    const std::optional<double> mm = Number(name, min, max);
    if (!mm) {
        if (!fallback)
            Fail(QStringLiteral("Attribut „%1“ fehlt in „%2“")
                     .arg(QString::fromUtf16(name), Element()));
        return *fallback;
    }
    return qRound(*mm * SnapUnits::PerMm);
}

std::optional<bool> TProjectParser::Bool(const char16_t *name) const
{
    const std::optional<QString> text = Attr(name);
    if (!text)
        return std::nullopt;
    if (*text == u"true")
        return true;
    if (*text == u"false")
        return false;
    Fail(QStringLiteral("ungültiger Wahrheitswert „%1“ in Attribut „%2“ (erlaubt: true, false)")
             .arg(*text, QString::fromUtf16(name)));
}

std::optional<QRgb> TProjectParser::Color(const char16_t *name) const
{
    const std::optional<QString> text = Attr(name);
    if (!text)
        return std::nullopt;
    bool ok = text->size() == 7 && text->startsWith(QLatin1Char('#'));
    for (qsizetype i = 1; ok && i < 7; ++i) {
        const char16_t c = (*text)[i].unicode();
        ok = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }
    if (!ok)
        Fail(QStringLiteral("ungültige Farbe „%1“ in Attribut „%2“ (erwartet: #RRGGBB)")
                 .arg(*text, QString::fromUtf16(name)));
    return 0xff000000u | text->mid(1).toUInt(nullptr, 16);
}

void TProjectParser::ReadFontAttributes(TFontOverride &font) const
{
    if (const std::optional<QString> family = Attr(u"family")) {
        if (family->trimmed().isEmpty())
            Fail(QStringLiteral("leere Schriftart in „%1“").arg(Element()));
        font.Family = family->trimmed();
    }
    font.Size = Number(u"size", MinPointSize, MaxPointSize);
    font.Bold = Bool(u"bold");
    font.Italic = Bool(u"italic");
    font.Underline = Bool(u"underline");
    font.Color = Color(u"color");
}

TReportList TProjectParser::Run()
{
    for (;;) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            m_depth = 1;
            m_attrs = m_xml.attributes();
            if (m_xml.qualifiedName() != u"project")
                Fail(QStringLiteral("unbekanntes Element „%1“ (erwartet: „project“)")
                         .arg(Element()));
            ParseProject();
            break;
        case QXmlStreamReader::EndDocument:
            return std::move(m_reports);
        case QXmlStreamReader::Invalid:
            FailXml();
        case QXmlStreamReader::DTD:
            Fail(QStringLiteral("eine Dokumenttyp-Deklaration ist nicht erlaubt"));
        case QXmlStreamReader::Characters:
            if (!m_xml.isWhitespace())
                Fail(QStringLiteral("Text außerhalb von „project“"));
            break;
        default:
            break;
        }
    }
}

void TProjectParser::ParseProject()
{
    CheckAttributes({u"version"});
    const QString version = Required(u"version");
    if (version != u"1")
        Fail(QStringLiteral("nicht unterstützte Version „%1“ (erwartet: 1)").arg(version));
    while (NextChild()) {
        if (m_xml.qualifiedName() != u"report")
            Fail(QStringLiteral("unbekanntes Element „%1“ in „project“").arg(Element()));
        ParseReport();
    }
}

TReportComponent *TProjectParser::AddNamed(TReportComponent &parent, TReportComponent::TType type)
{
    const QString name = Required(u"name").trimmed();
    const QString key = name.toUpper();
    if (m_names.contains(key))
        Fail(QStringLiteral("der Name „%1“ kommt im Report zweimal vor").arg(name));
    auto component = std::make_unique<TReportComponent>(type, name);
    component->SourceLine = int(qMin<qint64>(m_xml.lineNumber(), INT_MAX));
    TReportComponent *added = parent.Add(std::move(component));
    m_names.insert(key, added);
    return added;
}

void TProjectParser::ParseReport()
{
    CheckAttributes({u"name", u"title", u"data"});
    const qint64 line = m_xml.lineNumber(), column = m_xml.columnNumber();
    const QString name = Required(u"name").trimmed();
    if (m_reportNames.contains(name.toUpper()))
        Fail(QStringLiteral("der Reportname „%1“ kommt zweimal vor").arg(name));
    m_reportNames.insert(name.toUpper(), true);

    auto report = std::make_unique<TReportComponent>(TReportComponent::TType::Report, name);
    report->SourceLine = int(qMin<qint64>(line, INT_MAX));
    report->Title = Attr(u"title").value_or(QString());
    report->DataConnection = Attr(u"data").value_or(QString()).trimmed();
    report->Font = TSnapFont{QStringLiteral("Liberation Sans"), 8, false, false, false};
    report->Color = 0xff000000;
    m_names.clear();
    m_fonts.clear();
    m_sums.clear();
    m_names.insert(name.toUpper(), report.get());

    QHash<QString, bool> seen;
    while (NextChild()) {
        const QString element = Element();
        const bool body = element == u"group" || element == u"detail";
        const QString slot = body ? QStringLiteral("detail") : element;
        const bool known = body || element == u"page" || element == u"font" ||
                           element == u"pageHeader" || element == u"pageFooter" ||
                           element == u"summary";
        if (!known)
            Fail(QStringLiteral("unbekanntes Element „%1“ in „report“").arg(element));
        if (seen.contains(slot)) {
            if (body)
                Fail(
                    QStringLiteral("der Report hat mehr als eine Gruppe oder einen Detailbereich"));
            Fail(QStringLiteral("„%1“ darf im Report nur einmal vorkommen").arg(element));
        }
        seen.insert(slot, true);
        if (element == u"page")
            ParsePage(*report);
        else if (element == u"font")
            ParseFont(*report);
        else if (element == u"group")
            ParseGroup(*report);
        else if (element == u"detail")
            ParseBand(*report, TReportComponent::TType::Detail);
        else if (element == u"pageHeader")
            ParseBand(*report, TReportComponent::TType::PageHeader);
        else if (element == u"pageFooter")
            ParseBand(*report, TReportComponent::TType::PageFooter);
        else
            ParseBand(*report, TReportComponent::TType::Summary);
    }
    FinishReport(*report, line, column);
    m_reports.push_back(std::move(report));
}

void TProjectParser::ParsePage(TReportComponent &report)
{
    CheckAttributes({u"width", u"height", u"left", u"top", u"right", u"bottom"});
    const int width = Length(u"width", SnapUnits::A4Portrait.width(), 10, 2000);
    const int height = Length(u"height", SnapUnits::A4Portrait.height(), 10, 2000);
    const int left = Length(u"left", 1500, 0, 1000);
    const int top = Length(u"top", 1000, 0, 1000);
    const int right = Length(u"right", 1000, 0, 1000);
    const int bottom = Length(u"bottom", 1000, 0, 1000);
    if (left + right >= width || top + bottom >= height)
        Fail(QStringLiteral("die Ränder lassen auf der Seite keinen Platz"));
    report.PageSize = QSize(width, height);
    report.Margins = QMargins(left, top, right, bottom);
    if (NextChild())
        Fail(QStringLiteral("unbekanntes Element „%1“ in „page“").arg(Element()));
}

void TProjectParser::ParseFont(TReportComponent &report)
{
    CheckAttributes({u"family", u"size", u"bold", u"italic", u"underline", u"color"});
    TFontOverride font;
    ReadFontAttributes(font);
    report.Font.Family = font.Family.value_or(report.Font.Family);
    report.Font.PointSize = font.Size.value_or(report.Font.PointSize);
    report.Font.Bold = font.Bold.value_or(false);
    report.Font.Italic = font.Italic.value_or(false);
    report.Font.Underline = font.Underline.value_or(false);
    report.Color = font.Color.value_or(report.Color);
    if (NextChild())
        Fail(QStringLiteral("unbekanntes Element „%1“ in „font“").arg(Element()));
}

void TProjectParser::ParseGroup(TReportComponent &parent)
{
    CheckAttributes({u"name", u"field", u"repeatHeader"});
    TReportComponent *group = AddNamed(parent, TReportComponent::TType::Group);
    group->Field = Required(u"field").trimmed();
    group->RepeatHeader = Bool(u"repeatHeader").value_or(true);
    int stage = 0; // 1: header read, 2: nested group or detail read, 3: footer read
    while (NextChild()) {
        const QString element = Element();
        if (element == u"groupHeader") {
            if (stage >= 1)
                Fail(QStringLiteral("„groupHeader“ steht in der Gruppe an falscher Stelle"));
            stage = 1;
            ParseBand(*group, TReportComponent::TType::GroupHeader);
        } else if (element == u"group" || element == u"detail") {
            if (stage >= 2)
                Fail(
                    QStringLiteral("die Gruppe hat mehr als eine Gruppe oder einen Detailbereich"));
            stage = 2;
            if (element == u"group")
                ParseGroup(*group);
            else
                ParseBand(*group, TReportComponent::TType::Detail);
        } else if (element == u"groupFooter") {
            if (stage != 2)
                Fail(QStringLiteral("„groupFooter“ steht in der Gruppe an falscher Stelle"));
            stage = 3;
            ParseBand(*group, TReportComponent::TType::GroupFooter);
        } else {
            Fail(QStringLiteral("unbekanntes Element „%1“ in „group“").arg(element));
        }
    }
    if (stage < 2)
        Fail(QStringLiteral("die Gruppe „%1“ hat keinen Detailbereich").arg(group->Name));
}

void TProjectParser::ParseBand(TReportComponent &parent, TReportComponent::TType type)
{
    CheckAttributes({u"name", u"height"});
    TReportComponent *band = AddNamed(parent, type);
    band->Height = Length(u"height", std::nullopt);
    while (NextChild())
        ParsePrintable(*band);
}

// Position, alignment and font: what every text-like element may carry.
constexpr const char16_t *TextAttributes[] = {
    u"name",   u"x",    u"y",    u"width",  u"height",    u"align", u"valign",
    u"family", u"size", u"bold", u"italic", u"underline", u"color"};

void TProjectParser::ParsePrintable(TReportComponent &band)
{
    using TType = TReportComponent::TType;
    const QString element = Element();
    const qint64 line = m_xml.lineNumber(), column = m_xml.columnNumber();
    TType type;
    if (element == u"text") {
        type = TType::Text;
        CheckAttributes({u"wrap"}, TextAttributes);
    } else if (element == u"field") {
        type = TType::DataText;
        CheckAttributes({u"field", u"format", u"blankZero", u"wrap"}, TextAttributes);
    } else if (element == u"param") {
        type = TType::ParamText;
        CheckAttributes({u"parameter"}, TextAttributes);
    } else if (element == u"sum") {
        type = TType::Sum;
        CheckAttributes({u"field", u"over", u"format", u"blankZero"}, TextAttributes);
    } else if (element == u"pageNumber") {
        type = TType::PageNumber;
        CheckAttributes({u"format"}, TextAttributes);
    } else if (element == u"memo") {
        type = TType::Memo;
        CheckAttributes({u"name", u"x", u"y", u"width", u"height", u"parameter"});
    } else if (element == u"line") {
        type = TType::Line;
        CheckAttributes({u"name", u"x1", u"y1", u"x2", u"y2", u"width", u"color"});
    } else if (element == u"rect") {
        type = TType::Rectangle;
        CheckAttributes({u"name", u"x", u"y", u"width", u"height", u"pen", u"fill", u"color"});
    } else {
        Fail(QStringLiteral("unbekanntes Element „%1“ in „%2“").arg(element, band.Name));
    }

    TReportComponent *c = AddNamed(band, type);
    if (type == TType::Line) {
        c->Line = QLine(Length(u"x1", std::nullopt), Length(u"y1", std::nullopt),
                        Length(u"x2", std::nullopt), Length(u"y2", std::nullopt));
        c->Box = QRect(c->Line.p1(), c->Line.p2()).normalized();
        c->PenWidth = Length(u"width", 20, 0, MaxPenMm);
        c->Color = Color(u"color").value_or(0xff000000);
    } else {
        c->Box = QRect(Length(u"x", std::nullopt), Length(u"y", std::nullopt),
                       Length(u"width", std::nullopt), Length(u"height", std::nullopt));
    }
    if (type == TType::Rectangle) {
        c->PenWidth = Length(u"pen", 20, 0, MaxPenMm);
        c->Fill = Color(u"fill").value_or(0);
        c->Color = Color(u"color").value_or(0xff000000);
    }
    if (type == TType::DataText || type == TType::Sum)
        c->Field = Required(u"field").trimmed();
    if (type == TType::ParamText || type == TType::Memo)
        c->Parameter = Required(u"parameter").trimmed();
    if (type == TType::DataText || type == TType::Sum) {
        c->Format = Attr(u"format").value_or(QString());
        if (!TValueFormat::IsValid(c->Format))
            Fail(QStringLiteral("unbekanntes Format „%1“").arg(c->Format));
        c->BlankZero = Bool(u"blankZero").value_or(false);
    }
    if (type == TType::Sum) {
        c->SumOver = Attr(u"over").value_or(QString()).trimmed();
        if (!c->SumOver.isEmpty())
            m_sums.push_back({c, line, column});
    }
    if (type == TType::PageNumber)
        c->Text = Attr(u"format").value_or(QStringLiteral("Seite {page} von {pages}"));
    if (type == TType::Text || type == TType::DataText)
        c->Wrap = Bool(u"wrap").value_or(false);

    const bool textual = type == TType::Text || type == TType::DataText ||
                         type == TType::ParamText || type == TType::Sum ||
                         type == TType::PageNumber;
    if (textual) {
        int horizontal = Qt::AlignLeft, vertical = Qt::AlignVCenter;
        if (const std::optional<QString> align = Attr(u"align")) {
            if (*align == u"left")
                horizontal = Qt::AlignLeft;
            else if (*align == u"center")
                horizontal = Qt::AlignHCenter;
            else if (*align == u"right")
                horizontal = Qt::AlignRight;
            else
                Fail(QStringLiteral("ungültige Ausrichtung „%1“ (erlaubt: left, center, right)")
                         .arg(*align));
        }
        if (const std::optional<QString> valign = Attr(u"valign")) {
            if (*valign == u"top")
                vertical = Qt::AlignTop;
            else if (*valign == u"middle")
                vertical = Qt::AlignVCenter;
            else if (*valign == u"bottom")
                vertical = Qt::AlignBottom;
            else
                Fail(QStringLiteral("ungültige Ausrichtung „%1“ (erlaubt: top, middle, bottom)")
                         .arg(*valign));
        }
        c->Align = horizontal | vertical;
        TPendingFont pending{c, {}};
        ReadFontAttributes(pending.Font);
        m_fonts.push_back(std::move(pending));
    }

    QString text;
    if (NextChild(type == TType::Text ? &text : nullptr))
        Fail(QStringLiteral("unbekanntes Element „%1“ in „%2“").arg(Element(), element));
    if (type == TType::Text)
        c->Text = text.trimmed();
}

// What needs the whole report: the default font, groups named by sums, room on the page.
void TProjectParser::FinishReport(TReportComponent &report, qint64 line, qint64 column)
{
    for (const TPendingFont &pending : m_fonts) {
        TReportComponent *c = pending.Component;
        const TFontOverride &f = pending.Font;
        c->Font.Family = f.Family.value_or(report.Font.Family);
        c->Font.PointSize = f.Size.value_or(report.Font.PointSize);
        c->Font.Bold = f.Bold.value_or(report.Font.Bold);
        c->Font.Italic = f.Italic.value_or(report.Font.Italic);
        c->Font.Underline = f.Underline.value_or(report.Font.Underline);
        c->Color = f.Color.value_or(report.Color);
    }
    for (const TPendingSum &sum : m_sums) {
        const TReportComponent *group = m_names.value(sum.Component->SumOver.toUpper());
        if (!group || group->Type != TReportComponent::TType::Group)
            FailAt(sum.Line, sum.Column,
                   QStringLiteral("„over“ nennt keine Gruppe des Reports: „%1“")
                       .arg(sum.Component->SumOver));
        sum.Component->SumOver = group->Name;
    }
    int fixed = 0;
    for (const auto &child : report.Children) {
        if (child->Type == TReportComponent::TType::PageHeader ||
            child->Type == TReportComponent::TType::PageFooter)
            fixed += child->Height;
    }
    const int body = report.PageSize.height() - report.Margins.top() - report.Margins.bottom();
    if (fixed >= body)
        FailAt(line, column,
               QStringLiteral("Seitenkopf und Seitenfuß lassen auf der Seite keinen Platz"));
}

} // namespace

TReportList TProjectFileReader::ReadFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir())
        throw EReportError(
            QStringLiteral("Die Report-Projektdatei „%1“ wurde nicht gefunden.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReportError(
            QStringLiteral("Die Report-Projektdatei „%1“ kann nicht gelesen werden.").arg(path));
    if (file.size() > MaxFileSize)
        throw EReportError(QStringLiteral("Die Report-Projektdatei „%1“ ist fehlerhaft (Zeile 1, "
                                          "Spalte 1): die Datei ist größer als 8 MB")
                               .arg(path));
    // read one byte more than allowed: files whose size the system does not tell
    const QByteArray data = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw EReportError(
            QStringLiteral("Die Report-Projektdatei „%1“ kann nicht gelesen werden.").arg(path));
    return Read(data, path);
}

TReportList TProjectFileReader::Read(const QByteArray &data, const QString &fileName)
{
    if (data.size() > MaxFileSize)
        throw EReportError(QStringLiteral("Die Report-Projektdatei „%1“ ist fehlerhaft (Zeile 1, "
                                          "Spalte 1): die Datei ist größer als 8 MB")
                               .arg(fileName));
    TProjectParser parser(data, fileName);
    return parser.Run();
}
