#pragma once
#include <QObject>
#include <QTemporaryDir>

// What we write, opened by LibreOffice: it converts our RTF to flat ODF, whose styles must
// carry the fonts, sizes, colours, styles, alignment, indents and bullets we wrote.
class TestRtfLibreOffice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void characterFormats();
    void paragraphFormats();
    void bulletsAndNumbering();

private:
    QTemporaryDir m_dir;
    QString m_office;
    QByteArray m_fodt;
};
