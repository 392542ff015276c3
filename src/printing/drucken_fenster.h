#pragma once

#include "printing/adressliste.h"
#include "printing/vorschau_leiste_fenster.h"
#include "shell/mannschaft.h"

#include <QSpinBox>

class QCheckBox;
class QFontComboBox;
struct Zustand;

// The size field: tells apart a click on its arrows, which lays the list out again, from
// typing, which does not.
class Groessenfeld : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

signals:
    void geschritten();

protected:
    void stepBy(int schritte) override;
};

// "Drucken": the address list of a team in a print preview, with font, size, one or two
// pages on screen, printer choice, printing and saving as PDF.
class TForm14 : public VorschauLeisteFenster
{
    Q_OBJECT

public:
    TForm14(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // Lays out the team's roster and shows the window maximised.
    void oeffnen(Mannschaft mannschaft);
    // Lays the list out again with the stored font and size.
    void drucken_adressen();

    const Adressliste &liste() const { return m_liste; }

    Groessenfeld *RxSpinEdit1 = nullptr;
    QFontComboBox *ComboBox1 = nullptr;
    QCheckBox *querformat() const { return m_querformat; }

signals:
    void startseite_zeigen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    // The team's name from the options, "Mannschaft 1" or "Mannschaft 2" when none is set.
    QString mannschaftsname() const;
    bool ausgeben(QPrinter &drucker) override;
    void RxSpinEdit1Change(const QString &text);
    void ComboBox1Change(const QFont &schrift);
    void Button7Click();
    void querformat_umschalten(bool quer);

    Zustand &m_zustand;
    Mannschaft m_mannschaft = Mannschaft::eins;
    Adressliste m_liste;
    QCheckBox *m_querformat = nullptr; // "Querformat": the list on landscape pages
};
