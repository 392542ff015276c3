#include "results/ergebnisliste_fenster.h"

#include "grid/filtergrid_fenster.h"
#include "help/hilfe_taste_fenster.h"
#include "pictures/bildschirmfoto.h"
#include "results/ergebnis_export.h"
#include "results/ergebnis_pdf.h"
#include "results/ergebnis_profil.h"
#include "results/ergebnisliste.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int knopf_breite = 90;
constexpr int knopf_hoehe = 25;
constexpr int leisten_hoehe = 41;
// The results lists are kept at the encoder's best quality.
constexpr int jpeg_qualitaet = 100;

} // namespace

ErgebnislisteFenster::ErgebnislisteFenster(Zustand &zustand, Plattform &plattform,
                                           const ErgebnisProfil &profil, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_profil(profil)
{
    oberflaeche_aufbauen();
    m_liste = std::make_unique<Ergebnisliste>(m_zustand, m_profil, FilterGrid1->modell());
    connect(m_liste.get(), &Ergebnisliste::geaendert, this, &ErgebnislisteFenster::spiegeln);
    m_foto = new Bildschirmfoto(
        m_zustand, m_plattform, jpeg_qualitaet, [this] { return frameGeometry(); }, this);
    connect(Button3, &QPushButton::clicked, m_foto, &Bildschirmfoto::starten);
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    FormCreate();
    spiegeln();
}

ErgebnislisteFenster::~ErgebnislisteFenster() = default;

void ErgebnislisteFenster::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(kopf_aufbauen());
    FilterGrid1 = new TFilterGrid(this);
    FilterGrid1->setObjectName("FilterGrid1");
    FilterGrid1->setAccessibleName(u"Ergebnisliste"_s);
    if (!m_profil.rollbalken) {
        FilterGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FilterGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    spalte->addWidget(FilterGrid1, 1);
    spalte->addWidget(fuss_aufbauen());
}

QWidget *ErgebnislisteFenster::kopf_aufbauen()
{
    // The heading is the panel's own caption, centred between the two size controls.
    Panel2 = new QLabel(this);
    Panel2->setObjectName("Panel2");
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->setMinimumHeight(leisten_hoehe);
    QFont schrift = Panel2->font();
    schrift.setBold(true);
    Panel2->setFont(schrift);
    // The controls keep the window's own font; marked as set, so the bold one is not inherited.
    QFont normal = font();
    normal.setBold(false);
    normal.setPointSizeF(font().pointSizeF());

    Label3 = new QLabel(u"Schrift&größe"_s, Panel2);
    Label3->setObjectName("Label3");
    RxSpinEdit3 = new QSpinBox(Panel2);
    RxSpinEdit3->setObjectName("RxSpinEdit3");
    RxSpinEdit3->setRange(0, 50);
    Label2 = new QLabel(u"&Zeilenhöhe"_s, Panel2);
    Label2->setObjectName("Label2");
    RxSpinEdit2 = new QSpinBox(Panel2);
    RxSpinEdit2->setObjectName("RxSpinEdit2");
    RxSpinEdit2->setRange(0, 100);

    auto *reihe = new QHBoxLayout(Panel2);
    reihe->setContentsMargins(8, 4, 8, 4);
    for (auto [label, feld] : {std::pair{Label3, RxSpinEdit3}, {Label2, RxSpinEdit2}}) {
        label->setFont(normal);
        label->setBuddy(feld);
        feld->setFont(normal);
        reihe->addWidget(label);
        reihe->addWidget(feld);
        if (feld == RxSpinEdit3)
            reihe->addStretch();
    }

    // A value set by the organiser is no default any more.
    connect(RxSpinEdit2, &QSpinBox::valueChanged, this, [this](int wert) {
        RxSpinEdit2->setSuffix(QString());
        m_liste->zeilenhoehe_geaendert(wert);
    });
    connect(RxSpinEdit3, &QSpinBox::valueChanged, this, [this](int wert) {
        RxSpinEdit3->setSuffix(QString());
        m_liste->schriftgroesse_geaendert(wert);
    });
    return Panel2;
}

QWidget *ErgebnislisteFenster::fuss_aufbauen()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFixedHeight(leisten_hoehe);
    Button1 = knopf("Button1", u"&Beenden"_s);
    Button2 = knopf("Button2", u"&Export"_s);
    Button3 = knopf("Button3", u"&Screenshot"_s);
    Button4 = knopf("Button4", u"Als &PDF speichern"_s);
    feste_knopfgroesse(Button4, std::max(knopf_breite, Button4->sizeHint().width()), knopf_hoehe);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    connect(Button2, &QPushButton::clicked, this,
            [this] { ergebnisse_exportieren(m_zustand, m_plattform, FilterGrid1->modell()); });
    connect(Button4, &QPushButton::clicked, this, [this] {
        ergebnisse_als_pdf(m_zustand, m_plattform, FilterGrid1->modell(), Panel2->text());
    });
    return Panel1;
}

QPushButton *ErgebnislisteFenster::knopf(const char *name, const QString &text)
{
    auto *knopf = knopf_anlegen(Panel1, name, text);
    feste_knopfgroesse(knopf, knopf_breite, knopf_hoehe);
    return knopf;
}

void ErgebnislisteFenster::FormCreate()
{
    arbeitsbereich_fuellen(*this, m_plattform);
    knoepfe_anordnen();
}

void ErgebnislisteFenster::knoepfe_anordnen()
{
    const std::array<int, 3> links = ergebnis_knopfreihe(width(), knopf_breite);
    QPushButton *const knoepfe[] = {Button1, Button2, Button3};
    const int oben = (leisten_hoehe - knopf_hoehe) / 2;
    for (size_t i = 0; i < links.size(); ++i)
        knoepfe[i]->move(links[i], oben);
    // The PDF button follows the three buttons at their spacing.
    Button4->move(links.back() + knopf_breite + 5, oben);
}

void ErgebnislisteFenster::resizeEvent(QResizeEvent *ereignis)
{
    QWidget::resizeEvent(ereignis);
    knoepfe_anordnen();
}

void ErgebnislisteFenster::spiegeln()
{
    setWindowTitle(m_liste->titel());
}

void ErgebnislisteFenster::groesse_zeigen(QSpinBox *feld, const Listengroesse &groesse)
{
    // The size in effect, so that the arrows step from it; a default is shown, not stored.
    const QSignalBlocker still(feld);
    feld->setSuffix(groesse.vorgabe ? u" (Vorgabe)"_s : QString());
    feld->setValue(groesse.wert);
}

void ErgebnislisteFenster::zeigen()
{
    Panel2->setText(ergebnis_ueberschrift(m_profil, m_zustand.optionen.wert(opt::name_mannschaft1),
                                          m_zustand.optionen.wert(opt::name_mannschaft2),
                                          m_zustand.listen_datum));
    groesse_zeigen(RxSpinEdit2, liste_zeilenhoehe(m_zustand.wert(m_profil.zeilenhoehe)));
    groesse_zeigen(RxSpinEdit3, liste_schriftgroesse(m_zustand.wert(m_profil.schriftgroesse)));
    m_liste->gruppen_ansehen();
    emit startseite_verbergen();
    show();
    raise();
    activateWindow();
    FilterGrid1->modell().ColSetMaxWidths(false, false, true);
    // The grid scrolled to its current row while it had no size yet; the heading comes first.
    FilterGrid1->scrollToTop();
}

void ErgebnislisteFenster::closeEvent(QCloseEvent *ereignis)
{
    // "Beenden" and the close box alike: the sizes are remembered and the start page returns.
    m_zustand.optionen_speichern();
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}

TForm11::TForm11(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : ErgebnislisteFenster(zustand, plattform, doppel_ergebnisprofil(), parent)
{
    setObjectName("Form11");
}

TForm13::TForm13(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : ErgebnislisteFenster(zustand, plattform, einzel_ergebnisprofil(), parent)
{
    setObjectName("Form13");
}
