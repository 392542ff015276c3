#include "lineup/doppel_gruppen_fenster.h"

#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/kuerzel.h"
#include "shell/zustand.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int paare = 10;
constexpr int paare_pro_spalte = 5;

} // namespace

TForm7::TForm7(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : AuslosungsFenster(zustand, plattform, {"Form7", u"Zufällige Gruppen erstellen"_s, 50}, parent)
{
    oberflaeche_aufbauen();
    platzieren();
}

void TForm7::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);

    auto *kopf = new QHBoxLayout;
    const auto option = [this, kopf](const char *objekt_name, const QString &beschriftung) {
        auto *knopf = new QRadioButton(beschriftung, this);
        knopf->setObjectName(objekt_name);
        knopf->setAccessibleName(ohne_kuerzel(beschriftung));
        kopf->addWidget(knopf);
        return knopf;
    };
    RadioButton1 = option("RadioButton1", u"Gruppen Mannschaft &1"_s);
    RadioButton2 = option("RadioButton2", u"Gruppen Mannschaft &2"_s);
    RadioButton1->setChecked(true);
    kopf->addStretch();
    Button3 = knopf_anlegen(this, "Button3", u"Gruppen &neu mischen"_s);
    kopf->addWidget(Button3);
    spalte->addLayout(kopf);

    m_nummernzeile = nummernzeile_anlegen({}, {}, u"N&r."_s, u"&Wiederholen"_s);
    auto *nummern = new QHBoxLayout;
    nummern->addWidget(m_nummernzeile.anzeige);
    nummern->addStretch();
    for (QWidget *teil : std::initializer_list<QWidget *>{
             m_nummernzeile.beschriftung, m_nummernzeile.feld, m_nummernzeile.wiederholen})
        nummern->addWidget(teil);
    spalte->addLayout(nummern);

    auto *gruppen = new QGridLayout;
    for (int k = 1; k <= paare; ++k) {
        const QString titel = u"Gruppe %1"_s.arg(k);
        auto *kasten = new QGroupBox(titel, this);
        kasten->setObjectName(u"GroupBox%1"_s.arg(k));
        auto *paar = new QHBoxLayout(kasten);
        for (int spieler = 1; spieler <= 2; ++spieler) {
            const int nr = 2 * (k - 1) + spieler;
            paar->addWidget(namensfeld_anlegen(nr, titel + u" Spieler %1"_s.arg(spieler)));
        }
        gruppen->addWidget(kasten, (k - 1) % paare_pro_spalte, (k - 1) / paare_pro_spalte);
    }
    spalte->addLayout(gruppen);

    Button1 = knopf_anlegen(this, "Button1", u"&Beenden"_s);
    spalte->addLayout(knopfreihe_anlegen({nullptr, Button1}));

    // On becoming checked, not on a click: keys and screen readers check an option too.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool gewaehlt) {
        if (gewaehlt)
            RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool gewaehlt) {
        if (gewaehlt)
            RadioButton2Click();
    });
    connect(Button3, &QPushButton::clicked, this, &TForm7::Button3Click);
    connect(m_nummernzeile.wiederholen, &QPushButton::clicked, this, &TForm7::wiederholen);
    connect(&namensfelder(), &Namensfelder::auslosung_geaendert, this,
            &TForm7::nummer_der_gezeigten);
    connect(Button1, &QPushButton::clicked, this, &TForm7::close);
}

void TForm7::mannschaft_zeigen(Mannschaft mannschaft)
{
    QRadioButton *option = mannschaft == Mannschaft::eins ? RadioButton1 : RadioButton2;
    const QSignalBlocker still(option);
    option->setChecked(true);
    nummer_der_gezeigten();
}

Mannschaft TForm7::gewaehlte_mannschaft() const
{
    return RadioButton2->isChecked() ? Mannschaft::zwei : Mannschaft::eins;
}

void TForm7::nummer_der_gezeigten()
{
    nummer_zeigen(m_nummernzeile, gewaehlte_mannschaft());
}

void TForm7::RadioButton1Click()
{
    m_zustand.mannschaft_setzen(Mannschaft::eins);
    gruppe1_lesen_doppel(m_zustand, namensfelder());
    nummer_der_gezeigten();
}

void TForm7::RadioButton2Click()
{
    m_zustand.mannschaft_setzen(Mannschaft::zwei);
    gruppe2_lesen_doppel(m_zustand, namensfelder());
    nummer_der_gezeigten();
}

void TForm7::Button3Click()
{
    neu_mischen(std::nullopt);
}

void TForm7::wiederholen()
{
    if (const std::optional<quint32> nr = getippte_nummer(m_nummernzeile))
        neu_mischen(nr);
}

void TForm7::neu_mischen(std::optional<quint32> saat)
{
    m_zustand.mannschaft_setzen(gewaehlte_mannschaft());
    // An empty window has nobody to draw.
    if (!namensfelder().text(1).isEmpty())
        personen_zuweisen2t(m_zustand, m_plattform, namensfelder(), saat);
}
