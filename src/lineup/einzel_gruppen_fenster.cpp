#include "lineup/einzel_gruppen_fenster.h"

#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/zustand.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int spieler_pro_spalte = 10;

} // namespace

TForm8::TForm8(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : AuslosungsFenster(zustand, plattform, {"Form8", u"Einzelspiel Gruppen erstellen"_s, 40},
                        parent)
{
    oberflaeche_aufbauen();
    platzieren();
}

void TForm8::oberflaeche_aufbauen()
{
    auto *raster = new QGridLayout(this);
    Button3 = knopf_anlegen(this, "Button3", u"Gruppen &neu mischen"_s);
    Button4 = knopf_anlegen(this, "Button4", u"Gruppe neu &mischen"_s);
    raster->addWidget(Button3, 0, 0);
    raster->addWidget(Button4, 0, 1);

    for (const Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        const int nr = nummer(mannschaft);
        const QString kopf = u"Mannschaft %1"_s.arg(nr);
        auto *spalte = new QGroupBox(kopf, this);
        spalte->setObjectName(u"GroupBox%1"_s.arg(nr));
        auto *formular = new QFormLayout(spalte);
        // Only team 1's "Nr." has a mnemonic: "Nr." has no letter left for a second one.
        Nummernzeile &zeile = m_nummernzeilen.at(nr - 1);
        zeile =
            nummernzeile_anlegen(QString::number(nr), kopf + u' ', nr == 1 ? u"N&r."_s : u"Nr."_s,
                                 nr == 1 ? u"&Wiederholen"_s : u"Wieder&holen"_s);
        formular->addRow(zeile.anzeige);
        for (int k = 1; k <= spieler_pro_spalte; ++k) {
            const QString beschriftung = u"Sp%1"_s.arg(k);
            auto *label = new QLabel(beschriftung, spalte);
            QLineEdit *feld =
                namensfeld_anlegen((nr - 1) * spieler_pro_spalte + k, kopf + u' ' + beschriftung);
            label->setBuddy(feld);
            formular->addRow(label, feld);
        }
        auto *eingabe = new QHBoxLayout;
        eingabe->addWidget(zeile.feld);
        eingabe->addWidget(zeile.wiederholen);
        formular->addRow(zeile.beschriftung, eingabe);
        raster->addWidget(spalte, 1, nr - 1);

        connect(zeile.wiederholen, &QPushButton::clicked, this,
                [this, mannschaft] { wiederholen(mannschaft); });
    }

    Button1 = knopf_anlegen(this, "Button1", u"&Speichern"_s);
    Button2 = knopf_anlegen(this, "Button2", u"&Beenden"_s);
    Button5 = knopf_anlegen(this, "Button5", u"&Löschen"_s);
    Button6 = knopf_anlegen(this, "Button6", u"Neu &auswählen"_s);
    raster->addLayout(knopfreihe_anlegen({Button1, Button2, Button5, Button6}), 2, 0, 1, 2);

    connect(Button3, &QPushButton::clicked, this, [this] { neu_mischen(Mannschaft::eins); });
    connect(Button4, &QPushButton::clicked, this, [this] { neu_mischen(Mannschaft::zwei); });
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm8::close);
    connect(Button5, &QPushButton::clicked, this, &TForm8::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm8::Button6Click);
    connect(&namensfelder(), &Namensfelder::auslosung_geaendert, this,
            [this](Mannschaft mannschaft) { nummer_zeigen(zeile(mannschaft), mannschaft); });
}

void TForm8::mischen_erlauben()
{
    mischen_freigeben(true);
}

void TForm8::mischen_freigeben(bool frei)
{
    for (QPushButton *knopf :
         {Button3, Button4, m_nummernzeilen[0].wiederholen, m_nummernzeilen[1].wiederholen})
        knopf->setEnabled(frei);
}

void TForm8::neu_mischen(Mannschaft mannschaft, std::optional<quint32> saat)
{
    m_zustand.mannschaft_setzen(mannschaft);
    personen_einz_zuweisen(m_zustand, m_plattform, namensfelder(), saat);
}

void TForm8::wiederholen(Mannschaft mannschaft)
{
    if (const std::optional<quint32> nr = getippte_nummer(zeile(mannschaft)))
        neu_mischen(mannschaft, nr);
}

void TForm8::Button1Click()
{
    einzel_aufstellungen_speichern(m_zustand, namensfelder());
    close();
}

void TForm8::Button5Click()
{
    namensfelder().leeren(1, Namensfelder::anzahl);
    for (const Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei})
        namensfelder().setze_auslosung(mannschaft, std::nullopt);
    mischen_freigeben(false);
}

void TForm8::Button6Click()
{
    close();
    emit neu_auswaehlen();
}
