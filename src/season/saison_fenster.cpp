#include "season/saison_fenster.h"

#include "grid/filtergrid_fenster.h"
#include "help/hilfe_taste_fenster.h"
#include "printing/pdf_speichern.h"
#include "printing/seitenausgabe.h"
#include "printing/tabellensatz.h"
#include "season/saison_export.h"
#include "season/saisonuebersicht.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/druck_modul.h"
#include "shell/knopf_fenster.h"
#include "shell/kuerzel.h"
#include "shell/module.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SaisonFenster::SaisonFenster(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    setObjectName("Saison");
    setWindowTitle(u"Saisonübersicht"_s);
    oberflaeche_aufbauen();
    m_uebersicht =
        std::make_unique<Saisonuebersicht>(m_zustand, FilterGrid1->modell(), FilterGrid2->modell());
    connect(m_uebersicht.get(), &Saisonuebersicht::geaendert, this, &SaisonFenster::spiegeln);
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    arbeitsbereich_fuellen(*this, m_plattform);
}

SaisonFenster::~SaisonFenster() = default;

void SaisonFenster::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    Panel2 = new QLabel(this);
    Panel2->setObjectName("Panel2");
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->setMinimumHeight(41);
    QFont fett = Panel2->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.2);
    Panel2->setFont(fett);
    spalte->addWidget(Panel2);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(liste(Label1, FilterGrid1, "FilterGrid1", u"Spiel&tage"_s));
    QWidget *unten = liste(Label2, FilterGrid2, "FilterGrid2", u"S&pieler"_s);
    Label3 = new QLabel(unten);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont summen = Label3->font();
    summen.setBold(true);
    Label3->setFont(summen);
    // The totals stand above the players, below the days.
    static_cast<QVBoxLayout *>(unten->layout())->insertWidget(0, Label3);
    Splitter1->addWidget(unten);
    spalte->addWidget(Splitter1, 1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto *leiste = new QHBoxLayout(Panel1);
    Button1 = knopf_anlegen(Panel1, "Button1", u"&Beenden"_s);
    Button2 = knopf_anlegen(Panel1, "Button2", u"&CSV-Export"_s);
    Button3 = knopf_anlegen(Panel1, "Button3", u"&Drucken"_s);
    leiste->addStretch();
    for (QPushButton *k : {Button1, Button2, Button3})
        leiste->addWidget(k);
    leiste->addStretch();
    spalte->addWidget(Panel1);

    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    connect(Button2, &QPushButton::clicked, this,
            [this] { saison_exportieren(m_zustand, m_plattform, m_uebersicht->tabellen()); });
    connect(Button3, &QPushButton::clicked, this, &SaisonFenster::drucken);
}

QWidget *SaisonFenster::liste(QLabel *&label, TFilterGrid *&gitter, const char *name,
                              const QString &titel)
{
    auto *teil = new QWidget(this);
    auto *spalte = new QVBoxLayout(teil);
    spalte->setContentsMargins(6, 6, 6, 0);
    label = new QLabel(titel, teil);
    gitter = new TFilterGrid(m_plattform, teil);
    gitter->setObjectName(name);
    gitter->setAccessibleName(ohne_kuerzel(titel));
    label->setBuddy(gitter);
    spalte->addWidget(label);
    spalte->addWidget(gitter, 1);
    return teil;
}

void SaisonFenster::zeigen()
{
    m_uebersicht->laden();
    show();
    raise();
    activateWindow();
    FilterGrid1->modell().ColSetMaxWidths(false, false, true);
    FilterGrid2->modell().ColSetMaxWidths(false, false, true);
    // The grids scrolled to their current rows while they had no size yet; headings come first.
    FilterGrid1->scrollToTop();
    FilterGrid2->scrollToTop();
}

void SaisonFenster::spiegeln()
{
    Panel2->setText(m_uebersicht->ueberschrift());
    Label3->setText(m_uebersicht->summen_text());
}

void SaisonFenster::drucken()
{
    auto *druck = modul<DruckModul>(QString::fromLatin1(druck_modul_name));
    if (!druck) {
        m_plattform.fehler(u"Das Druckmodul wurde nicht gefunden; "
                           u"die Saisonübersicht kann nicht gedruckt werden."_s);
        return;
    }
    const QString titel = m_uebersicht->ueberschrift();
    const QList<DruckSeite> seiten =
        tabellen_setzen(titel, m_plattform.jetzt().date(), m_uebersicht->tabellen(),
                        druckschrift_aus_optionen(m_zustand.optionen));
    Seitenvorschau vorschau;
    vorschau.titel = titel;
    vorschau.seiten = int(seiten.size());
    vorschau.zeichnen = [seiten](QPainter &maler, int seite, const QRectF &ziel) {
        seite_zeichnen(maler, seiten[seite], ziel);
    };
    // The preview is this window's child and goes with it.
    vorschau.als_pdf_speichern = [this, seiten, titel] {
        pdf_speichern(m_plattform, m_zustand.pfad(u"Saison.pdf"_s), seiten, titel);
    };
    druck->seiten_vorschau(vorschau, m_plattform, this);
}

void SaisonFenster::closeEvent(QCloseEvent *ereignis)
{
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}
