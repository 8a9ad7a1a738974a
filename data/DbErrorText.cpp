#include "DbErrorText.h"

#include "RecordStore.h"

#include <QRegularExpression>

namespace
{

QString Quoted(const QString &text)
{
    return QStringLiteral("„%1“").arg(text);
}

// First text field whose value is longer than the column allows.
const TStoreField *TooLongField(const TRecordStore *store)
{
    for (int i = 0; i < store->FieldCount(); ++i) {
        const TStoreField *f = store->Fields(i);
        if (f->FieldKind == TFieldKind::Data && f->DataType == TFieldType::String && f->Size > 0 &&
            f->AsString().size() > f->Size)
            return f;
    }
    return nullptr;
}

// First text field holding a character that ISO 8859-1 does not have; ch receives it.
const TStoreField *ForeignCharField(const TRecordStore *store, QString &ch)
{
    for (int i = 0; i < store->FieldCount(); ++i) {
        const TStoreField *f = store->Fields(i);
        if (f->FieldKind != TFieldKind::Data || f->DataType != TFieldType::String)
            continue;
        const QString text = f->AsString();
        for (qsizetype k = 0; k < text.size(); ++k) {
            const char32_t code = text.at(k).isHighSurrogate() && k + 1 < text.size()
                                      ? QChar::surrogateToUcs4(text.at(k), text.at(k + 1))
                                      : text.at(k).unicode();
            if (code > 0xFF) {
                ch = QString::fromUcs4(&code, 1);
                return f;
            }
        }
    }
    return nullptr;
}

QString ConstraintName(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("constraint \"([^\"]+)\""),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

// " „value“" of the named field, or nothing when the store has no such value.
QString NamedBy(const TRecordStore *store, const QString &fieldName)
{
    const TStoreField *f = store->FindField(fieldName);
    return f && !f->IsNull() ? QStringLiteral(" ") + Quoted(f->AsString()) : QString();
}

// A changed ID of a row that other rows still point to. The store holds the referenced row
// when it lacks the constraint's referencing column. Empty for any other refusal.
QString KeyInUseMessage(const QString &constraint, const TRecordStore *store)
{
    const TStoreField *id = store->FindField(QStringLiteral("ID"));
    const QString key = Quoted(id ? id->Label() : QStringLiteral("ID"));
    if (constraint == QStringLiteral("FK_AFA_ERFASSUNG_KONTEN") &&
        !store->FindField(QStringLiteral("AFA_KONTEN_ID")))
        return QStringLiteral(
                   "Das Konto%1 wird noch von Abschreibungsgütern verwendet; seine Nummer "
                   "(Feld %2) kann deshalb nicht geändert werden.")
            .arg(NamedBy(store, QStringLiteral("NR")), key);
    if (constraint == QStringLiteral("FK_AFA_ZUABGANG_ERFASSUNG") &&
        !store->FindField(QStringLiteral("AFA_ERFASSUNG_ID")))
        return QStringLiteral("Zum Abschreibungsgut%1 gibt es noch Bewegungen; seine Nummer "
                              "(Feld %2) kann deshalb nicht geändert werden.")
            .arg(NamedBy(store, QStringLiteral("BEZEICHNUNG")), key);
    if (constraint == QStringLiteral("FK_AFA_ERFASSUNG_ARTEN") &&
        !store->FindField(QStringLiteral("AFA_ARTEN_ID")))
        return QStringLiteral(
                   "Die Abschreibungsart%1 wird noch von Abschreibungsgütern verwendet; ihre "
                   "Nummer (Feld %2) kann deshalb nicht geändert werden.")
            .arg(NamedBy(store, QStringLiteral("BEZEICHNUNG")), key);
    return {};
}

QString ReferenceMessage(const QString &constraint, const TRecordStore *store, bool deleting)
{
    if (deleting) {
        if (constraint == QStringLiteral("FK_AFA_ERFASSUNG_KONTEN")) {
            return QStringLiteral("Das Konto%1 kann nicht gelöscht werden, weil es noch von "
                                  "Abschreibungsgütern verwendet wird. Ordnen Sie diese Güter "
                                  "zuerst einem anderen Konto zu.")
                .arg(NamedBy(store, QStringLiteral("NR")));
        }
        if (constraint == QStringLiteral("FK_AFA_ERFASSUNG_ARTEN"))
            return QStringLiteral("Die Abschreibungsart kann nicht gelöscht werden, weil sie noch "
                                  "von Abschreibungsgütern verwendet wird.");
        return QStringLiteral(
            "Der Datensatz kann nicht gelöscht werden, weil andere Daten auf ihn verweisen.");
    }
    if (constraint == QStringLiteral("FK_AFA_ERFASSUNG_KONTEN"))
        return QStringLiteral("Das gewählte Konto gibt es nicht (mehr) in der Datenbank.");
    if (constraint == QStringLiteral("FK_AFA_ERFASSUNG_ARTEN"))
        return QStringLiteral(
            "Die gewählte Abschreibungsart gibt es nicht (mehr) in der Datenbank.");
    if (constraint == QStringLiteral("FK_AFA_ZUABGANG_ERFASSUNG"))
        return QStringLiteral("Die Bewegung gehört zu keinem gespeicherten Abschreibungsgut. "
                              "Speichern Sie zuerst das Abschreibungsgut.");
    if (deleting)
        return {};
    return QStringLiteral("Der Datensatz verweist auf Daten, die es nicht gibt.");
}

} // namespace

QString GermanWriteError(const TRecordStore *store, const QString &text, const QString &operation)
{
    const bool deleting = operation == QStringLiteral("delete");
    const QString action = deleting ? QStringLiteral("gelöscht") : QStringLiteral("gespeichert");
    QString reason;
    if (text.contains(QStringLiteral("transliterate"), Qt::CaseInsensitive)) {
        QString ch;
        if (const TStoreField *f = ForeignCharField(store, ch))
            reason = QStringLiteral("Das Feld %1 enthält das Zeichen %2, das die Datenbank nicht "
                                    "speichern kann (erlaubt sind nur Zeichen aus ISO 8859-1).")
                         .arg(Quoted(f->Label()), Quoted(ch));
        else
            reason =
                QStringLiteral("Ein Text enthält ein Zeichen, das die Datenbank nicht speichern "
                               "kann (erlaubt sind nur Zeichen aus ISO 8859-1).");
    } else if (text.contains(QStringLiteral("string right truncation"), Qt::CaseInsensitive)) {
        if (const TStoreField *f = TooLongField(store))
            reason = QStringLiteral(
                         "Der Text im Feld %1 ist zu lang: %2 Zeichen, erlaubt sind höchstens %3.")
                         .arg(Quoted(f->Label()))
                         .arg(f->AsString().size())
                         .arg(f->Size);
        else
            reason = QStringLiteral("Ein Text ist zu lang für sein Feld.");
    } else if (text.contains(QStringLiteral("FOREIGN KEY"), Qt::CaseInsensitive)) {
        const QString constraint = ConstraintName(text);
        if (!deleting) {
            const QString inUse = KeyInUseMessage(constraint, store);
            if (!inUse.isEmpty())
                return inUse; // says itself what cannot be changed
        }
        reason = ReferenceMessage(constraint, store, deleting);
        if (deleting)
            return reason; // says itself that the row cannot be deleted
    } else if (text.contains(QStringLiteral("PRIMARY or UNIQUE KEY"), Qt::CaseInsensitive)) {
        const TStoreField *id = store->FindField(QStringLiteral("ID"));
        reason = QStringLiteral("Ein Datensatz mit der Nummer %1 ist bereits vorhanden.")
                     .arg(Quoted(id ? id->AsString() : QString()));
    } else if (IsConflictError(text)) {
        reason = QStringLiteral(
            "Der Datensatz wurde inzwischen an anderer Stelle geändert oder ist dort "
            "gesperrt. Verwerfen Sie Ihre Änderung, laden Sie die Daten neu und "
            "versuchen Sie es noch einmal.");
    } else if (text.contains(QStringLiteral("validation error for column"), Qt::CaseInsensitive)) {
        static const QRegularExpression re(
            QStringLiteral("column \"?(?:[A-Z_0-9]+\"?\\.\"?)?([A-Z_0-9]+)"),
            QRegularExpression::CaseInsensitiveOption);
        const auto m = re.match(text);
        const TStoreField *f = m.hasMatch() ? store->FindField(m.captured(1)) : nullptr;
        reason =
            QStringLiteral("Das Feld %1 muss einen Wert haben.")
                .arg(Quoted(f ? f->Label() : (m.hasMatch() ? m.captured(1) : QStringLiteral("?"))));
    } else if (text.contains(QStringLiteral("numeric overflow"), Qt::CaseInsensitive) ||
               text.contains(QStringLiteral("out of range"), Qt::CaseInsensitive)) {
        reason = QStringLiteral("Ein Zahlenwert ist zu groß für sein Feld.");
    } else {
        reason = QStringLiteral("Die Datenbank meldet: %1").arg(text);
    }
    return QStringLiteral("Der Datensatz konnte nicht %1 werden. %2").arg(action, reason);
}

bool IsConflictError(const QString &text)
{
    return text.contains(QStringLiteral("lock conflict"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("deadlock"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("update conflicts"), Qt::CaseInsensitive);
}

QString GermanStatementError(const QString &text)
{
    return QStringLiteral("Die Datenbankanweisung konnte nicht ausgeführt werden: %1").arg(text);
}

QString GermanOpenError(const QString &path, const QString &databaseText)
{
    const QString text = databaseText.toLower();
    const QString file = Quoted(path);
    if (text.contains(QStringLiteral("\"lock\"")) ||
        text.contains(QStringLiteral("already opened")))
        return QStringLiteral(
                   "Die Daten in %1 werden gerade von einem anderen laufenden norbekAfa (oder "
                   "einem anderen Datenbankprogramm) verwendet. Schließen Sie das andere Programm "
                   "und starten Sie norbekAfa danach neu.")
            .arg(file);
    if (text.contains(QStringLiteral("no such file")) ||
        text.contains(QStringLiteral("error while trying to open file")))
        return QStringLiteral("Die Datenbank %1 fehlt. Legen Sie Ihre Sicherung an diese Stelle "
                              "zurück oder lassen Sie mit ./run.sh eine leere Datenbank anlegen, "
                              "und starten Sie norbekAfa danach neu.")
            .arg(file);
    if (text.contains(QStringLiteral("not a valid database")) ||
        text.contains(QStringLiteral("corrupt")) ||
        text.contains(QStringLiteral("unsupported on-disk")))
        return QStringLiteral("Die Datenbank %1 ist beschädigt oder keine Datenbank von "
                              "norbekAfa. Legen Sie Ihre Sicherung an diese Stelle zurück und "
                              "starten Sie norbekAfa danach neu.")
            .arg(file);
    if (text.contains(QStringLiteral("permission denied")))
        return QStringLiteral("Die Datenbank %1 darf nicht gelesen oder geschrieben werden. Geben "
                              "Sie Ihrem Benutzer Lese- und Schreibrechte auf die Datei und ihren "
                              "Ordner und starten Sie norbekAfa danach neu.")
            .arg(file);
    return QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2")
        .arg(file, databaseText);
}
