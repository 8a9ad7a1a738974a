#pragma once
// The "Einstellungen" sub-page of "Auswertung": how an evaluation is computed and which
// assets and years it covers. Not bound to data; every start shows the defaults.
#include "EvaluationSettings.h"

#include <QWidget>

class QCheckBox;
class TDbDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class TEvaluationSettingsPage : public QWidget
{
    Q_OBJECT
public:
    explicit TEvaluationSettingsPage(QWidget *parent = nullptr);

    // The controls as they stand; SelectedIds stays empty (the assets grid holds them).
    TEvaluationSettings Settings() const;
    // Enables the percentage edit exactly when "degressiv" is checked.
    void UpdatePercentEdit();

    QRadioButton *rbt_AfaIndividuell;
    QRadioButton *rbt_AfaLinear;
    QRadioButton *rbt_AfaDegressiv;
    QLineEdit *ed_ProzDegAbschr;
    QCheckBox *cbx_DegToLinAfa;
    QRadioButton *rbt_FilterJahr;
    QSpinBox *ed_FilterJahr; // with its up-down ud_FilterJahr
    QRadioButton *rbt_FilterZeitraum;
    TDbDateEdit *dtp_FilterVon;
    TDbDateEdit *dtp_FilterBis;
    QRadioButton *rbt_FilterGridSelection;

signals:
    // One of the three mode radio buttons was clicked.
    void AfaArtSelClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *Heading(const QString &text, int x, int y);
    QLabel *Label(const QString &text, int x, int y, int width = 110);
    QRadioButton *Radio(const QString &text, int x, int y, int width);

    QVector<QRect> m_underlines;
};
