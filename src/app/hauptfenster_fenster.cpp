#include "app/hauptfenster_fenster.h"

#include "app/einstellungen_fenster.h"
#include "app/ergebnis_anbindung_fenster.h"
#include "app/live_anbindung_fenster.h"
#include "app/startbild_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "app/ueber_fenster.h"
#include "app/werbung_fenster.h"
#include "app/zuschauer_anbindung_fenster.h"
#include "appearance/farbwahl_fenster.h"
#include "appearance/stil_anwenden.h"
#include "backup/datensicherung_fenster.h"
#include "backup/sicherung_fenster.h"
#include "help/hilfe_ort.h"
#include "help/hilfe_taste_fenster.h"
#include "lineup/doppel_gruppen_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "lineup/gruppen_anzeige.h"
#include "pictures/zeichnungen.h"
#include "rosters/erfassung_fenster.h"
#include "season/saison_fenster.h"
#include "selection/dualliste_fenster.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/beschriftung_fenster.h"
#include "shell/druck_modul.h"
#include "shell/kuerzel.h"
#include "shell/module.h"
#include "shell/plattform.h"
#include "shell/titel.h"
#include "shell/zustand.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int knopf_breite = 70;
// The start page's texts in one size of the program's face, regular weight: every further size
// or weight is another font to load and render before the first picture.
constexpr int startseite_punkte = 18;

void startseiten_schrift_setzen(QWidget *element)
{
    QFont schrift = element->font();
    schrift.setPointSize(startseite_punkte);
    element->setFont(schrift);
}

QLabel *startseiten_text(QWidget *eltern, const char *name, const QString &text)
{
    QLabel *label = beschriftung_anlegen(eltern, name, text);
    label->setAlignment(Qt::AlignCenter);
    startseiten_schrift_setzen(label);
    return label;
}

} // namespace

TForm1::TForm1(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QMainWindow(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    oberflaeche_aufbauen();
    erzeugen();
    // The other windows are built at their first showing (see fenster()).
    befehl_setzen(Befehl::gruppen_mitspieler_anzeigen, [this] { gruppen_zeigen(); });
    befehl_setzen(Befehl::mitspieler_festlegen, [this] { mitspieler_festlegen(); });

    m_erfassung = new TeilnehmerErfassung(m_zustand, m_plattform, this);
    connect(m_erfassung, &TeilnehmerErfassung::startseite_zeigen, this,
            &TForm1::startseite_einblenden);
    befehl_setzen(Befehl::teilnehmer_erfassen, [this] { m_erfassung->teilnehmer_erfassen(); });
    befehl_setzen(Befehl::spieler_gruppe1_erfassen,
                  [this] { m_erfassung->spieler_erfassen(Mannschaft::eins); });
    befehl_setzen(Befehl::spieler_gruppe2_erfassen,
                  [this] { m_erfassung->spieler_erfassen(Mannschaft::zwei); });
    befehl_setzen(Befehl::spieler_importieren, [this] { m_erfassung->spieler_importieren(); });
    befehl_setzen(Befehl::spieler_exportieren, [this] { m_erfassung->spieler_exportieren(); });
    befehl_setzen(Befehl::ueber, [this] { fenster(m_ueber, [](UeberFenster &) {}).zeigen(); });
    befehl_setzen(Befehl::farben, [this] { farbwahl().zeigen(); });
    befehl_setzen(Befehl::einstellungen, [this] { einstellungen().oeffnen(); });
    befehl_setzen(Befehl::saisonuebersicht, [this] { saison().zeigen(); });

    befehl_setzen(Befehl::adressen_drucken, [this] { adressen_drucken(); });

    befehl_setzen(Befehl::daten_sichern, [this] { daten_sichern(); });
    auto_sicherung = [this] {
        if (!Datensicherung)
            Datensicherung = new TDatensicherung(m_zustand, m_plattform, this);
        return Datensicherung->Lesen();
    };

    m_turnierplan = new TurnierplanAnbindung(*this, m_zustand, m_plattform);
    m_ergebnisse = new ErgebnisAnbindung(*this, *m_turnierplan, m_zustand, m_plattform);
    m_zuschauer = new ZuschauerAnbindung(*this, *m_turnierplan, m_plattform);
    m_live = new LiveAnbindung(*this, *m_turnierplan, m_zustand, m_plattform);
}

TForm1::~TForm1() = default;

void TForm1::oberflaeche_aufbauen()
{
    setObjectName("Form1");
    menue_aufbauen();

    auto *mitte = new QWidget(this);
    auto *spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    Panel1 = new QFrame(mitte);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setAutoFillBackground(true);
    auto *leiste = new QHBoxLayout(Panel1);
    leiste->setContentsMargins(4, 2, 4, 2);
    leiste->setSpacing(2);
    for (const Bedienelement &element : werkzeugleiste())
        leiste->addWidget(werkzeugknopf(element));
    leiste->addStretch();
    // The tool bar stays at the top while the start page is hidden.
    spalte->addWidget(Panel1, 0, Qt::AlignTop);

    startseite_aufbauen();
    spalte->addWidget(Panel5, 1);
    setCentralWidget(mitte);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    m_statuspanel = new QLabel(StatusBar1);
    m_statuspanel->setObjectName("StatusPanel");
    m_statuspanel->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(m_statuspanel, 1);
    setStatusBar(StatusBar1);

    hilfe_taste_einrichten(this, m_zustand, m_plattform);
}

void TForm1::menue_aufbauen()
{
    QMenuBar *leiste = menuBar();
    leiste->setObjectName("MainMenu1");
    QHash<QString, QMenu *> menues;
    for (const Bedienelement &element : hauptmenue()) {
        QAction *aktion = nullptr;
        if (element.menue.isEmpty()) {
            aktion = leiste->addAction(element.beschriftung);
        } else {
            QMenu *&menue = menues[element.menue];
            if (!menue)
                menue = leiste->addMenu(element.menue);
            aktion = menue->addAction(element.beschriftung);
        }
        const Befehl befehl = element.befehl;
        connect(aktion, &QAction::triggered, this, [this, befehl] { befehl_ausfuehren(befehl); });
    }
}

QToolButton *TForm1::werkzeugknopf(const Bedienelement &element)
{
    auto *knopf = new QToolButton(Panel1);
    knopf->setObjectName(element.objekt_name);
    knopf->setText(element.beschriftung);
    knopf->setToolTip(element.hinweis);
    knopf->setAccessibleName(ohne_kuerzel(element.beschriftung));
    knopf->setAccessibleDescription(element.hinweis);
    const QSize symbol_groesse(32, 32);
    if (const zeichnung::Bild *symbol = zeichnung::symbol(element.symbol))
        knopf->setIcon(zeichnung::als_pixmap(*symbol, symbol_groesse, devicePixelRatioF()));
    knopf->setIconSize(symbol_groesse);
    knopf->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    knopf->setAutoRaise(true);
    knopf->setFixedWidth(knopf_breite);
    // A narrow face so that the longest caption fits the fixed button width.
    QFont schrift = knopf->font();
    schrift.setPointSize(8);
    knopf->setFont(schrift);
    const Befehl befehl = element.befehl;
    connect(knopf, &QToolButton::clicked, this, [this, befehl] { befehl_ausfuehren(befehl); });
    return knopf;
}

void TForm1::startseite_aufbauen()
{
    Panel5 = new QFrame;
    Panel5->setObjectName("Panel5");
    Panel5->setAutoFillBackground(true);
    Panel5->installEventFilter(this);

    Image1 = new Startbild(Panel5);
    Image1->setObjectName("Image1");
    Image1->adjustSize();

    Label1 = startseiten_text(Panel5, "Label1", u"Hier könnte Ihre Werbung stehen."_s);
    Label2 = startseiten_text(Panel5, "Label2", u"Hier spielen zwei Mannschaften gegeneinander."_s);

    RxClock1 = new QLabel(Panel5);
    RxClock1->setObjectName("RxClock1");
    RxClock1->setAccessibleName(u"Uhrzeit"_s);
    startseiten_schrift_setzen(RxClock1);
    m_uhr_takt = new QTimer(this);
    connect(m_uhr_takt, &QTimer::timeout, this, &TForm1::uhr_stellen);
    m_uhr_takt->start(1000);
    uhr_stellen();
}

void TForm1::uhr_stellen()
{
    RxClock1->setText(m_plattform.jetzt().time().toString(u"HH:mm:ss"_s));
    RxClock1->adjustSize();
    // Room for the 10 pixels by which the clock reaches over the right edge.
    RxClock1->resize(RxClock1->width() + 20, RxClock1->height());
}

void TForm1::erzeugen()
{
    farben_lesen(m_zustand.farben, m_zustand.daten_pfad);
    arbeitsbereich_fuellen(*this, m_plattform);

    m_zustand.hilfe_datei = hilfe_datei_finden(m_zustand.daten_pfad, m_zustand.programm_ordner);
    if (m_zustand.hilfe_datei.isEmpty()) {
        m_zustand.hilfe_datei = m_zustand.pfad(hilfe_dateiname);
        m_plattform.information(u"Hilfe-Datei nicht gefunden\r"_s + m_zustand.hilfe_datei);
    }

    const std::optional<Taskleiste> leiste = m_plattform.taskleiste();
    if (!leiste)
        return;
    m_taskleiste_gemeldet = true;
    const QRect schirm = m_plattform.bildschirm();
    m_zustand.taskleiste_hoehe = schirm.height() - leiste->oberkante;
    m_zustand.taskleiste_fest = leiste->blendet_sich_aus ? 0 : 1;
    flaeche_faerben(*this, m_zustand.farben.wert(frb::form_umr));
    // Half the screen, but never less than the about line needs (a narrow screen).
    const int info_breite =
        m_statuspanel->fontMetrics().horizontalAdvance(info_zeile(m_zustand.version_text)) +
        2 * m_statuspanel->margin() + 2 * m_statuspanel->frameWidth();
    m_statuspanel->setFixedWidth(qMax(schirm.width() / 2, info_breite));
    style_lesen(m_zustand, m_plattform, *this);
    startseite_anordnen();
    startseite_einblenden();
}

void TForm1::startseite_anordnen()
{
    if (!m_taskleiste_gemeldet)
        return;
    const QRect schirm = m_plattform.bildschirm();
    const QSize bild = Image1->sizeHint();
    Image1->setGeometry(schirm.width() / 2 - bild.width() / 2,
                        schirm.height() / 2 - (bild.height() / 2 + 65), bild.width(),
                        bild.height());
    const int breite = Panel5->width();
    const int hoehe = Panel5->height();
    Label2->setGeometry(0, 20, breite, Label2->sizeHint().height());
    Label1->setGeometry(0, hoehe - Label1->sizeHint().height() - 100, breite,
                        Label1->sizeHint().height());
    RxClock1->move(breite - RxClock1->width() + 10, hoehe - RxClock1->height() - 10);
}

bool TForm1::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == Panel5 && ereignis->type() == QEvent::Resize)
        startseite_anordnen();
    return QMainWindow::eventFilter(objekt, ereignis);
}

void TForm1::titel_setzen()
{
    flaeche_faerben(*this, m_zustand.farben.wert(frb::H_bs_hg));
    flaeche_faerben(*Panel1, m_zustand.farben.wert(frb::menuebar));
    m_statuspanel->setText(info_zeile(m_zustand.version_text));
    setWindowTitle(titel_text(m_zustand.version_text, m_plattform.jetzt().date()));
}

void TForm1::befehl_setzen(Befehl befehl, std::function<void()> arbeit)
{
    m_befehle.insert(befehl, std::move(arbeit));
}

void TForm1::befehl_ausfuehren(Befehl befehl)
{
    switch (befehl) {
    case Befehl::hilfe:
        hilfe_zeigen(m_zustand, m_plattform);
        return;
    case Befehl::beenden:
        beenden();
        return;
    default:
        break;
    }
    const auto arbeit = m_befehle.constFind(befehl);
    if (arbeit == m_befehle.constEnd() || !*arbeit)
        return;
    if (startseite_aus(befehl))
        startseite_ausblenden();
    (*arbeit)();
}

void TForm1::startseite_einblenden()
{
    Panel5->show();
}
void TForm1::startseite_ausblenden()
{
    Panel5->hide();
}

void TForm1::mitspieler_festlegen()
{
    if (!DualListDlg) {
        DualListDlg = new TDualListDlg(m_zustand, m_plattform, form8().namensfelder(),
                                       form7().namensfelder(), this);
        connect(DualListDlg, &QDialog::finished, this, &TForm1::startseite_einblenden);
    }
    m_zustand.mannschaft_setzen(Mannschaft::eins);
    DualListDlg->oeffnen();
}

TFarbe &TForm1::farbwahl()
{
    if (!Farbe) {
        Farbe = new TFarbe(m_zustand, m_plattform, this);
        connect(Farbe, &TFarbe::startseite_zeigen, this, &TForm1::startseite_einblenden);
    }
    return *Farbe;
}

TForm10 &TForm1::einstellungen()
{
    if (!Form10) {
        Form10 = new TForm10(m_zustand, m_plattform, this);
        connect(Form10, &TForm10::startseite_verbergen, this, &TForm1::startseite_ausblenden);
        connect(Form10, &TForm10::startseite_zeigen, this, &TForm1::startseite_einblenden);
        connect(Form10, &TForm10::farben_geaendert, m_turnierplan,
                &TurnierplanAnbindung::farben_neu_lesen);
    }
    return *Form10;
}

void TForm1::adressen_drucken()
{
    // The printing windows come with the print module, so start-up loads no Qt Print Support.
    if (auto *druck = modul<DruckModul>(QString::fromLatin1(druck_modul_name))) {
        druck->adressen_drucken(m_zustand, m_plattform, this, [this] { startseite_einblenden(); });
        return;
    }
    m_plattform.fehler(u"Drucken ist nicht möglich: Das Druckmodul \"%1\" fehlt."_s.arg(
        QString::fromLatin1(druck_modul_name)));
    startseite_einblenden();
}

void TForm1::daten_sichern()
{
    // Built anew at each opening; it deletes itself when closed.
    auto *fenster = new TBack5(m_zustand, m_plattform, m_sicherung, this);
    connect(fenster, &QDialog::finished, this, [this] {
        titel_setzen();
        startseite_einblenden();
    });
    fenster->oeffnen();
}

void TForm1::beenden()
{
    m_plattform.hilfe_schliessen();
    if (m_zustand.wert(opt::auto_sicherung) == 1 && auto_sicherung && !auto_sicherung())
        return;
    // Modal without a nested event loop; closing the page in any way ends the program.
    fenster(Form3, [this](TForm3 &seite) {
        connect(&seite, &QDialog::finished, this, &TForm1::close);
    }).open();
}

TForm7 &TForm1::form7()
{
    return fenster(Form7, [this](TForm7 &form) {
        connect(&form, &TForm7::startseite_zeigen, this, &TForm1::startseite_einblenden);
    });
}

TForm8 &TForm1::form8()
{
    return fenster(Form8, [this](TForm8 &form) {
        connect(&form, &TForm8::startseite_zeigen, this, &TForm1::startseite_einblenden);
        connect(&form, &TForm8::neu_auswaehlen, this,
                [this] { befehl_ausfuehren(Befehl::mitspieler_festlegen); });
    });
}

void TForm1::gruppen_zeigen()
{
    if (gruppenfenster(m_zustand) == Gruppenfenster::doppel) {
        doppel_gruppen_anzeigen(m_zustand, form7().namensfelder());
        Form7->mannschaft_zeigen(Mannschaft::eins);
        Form7->zeigen();
        return;
    }
    einzel_gruppen_anzeigen(m_zustand, m_plattform, form8().namensfelder());
    Form8->mischen_erlauben();
    Form8->zeigen();
}

SaisonFenster &TForm1::saison()
{
    return fenster(m_saison, [this](SaisonFenster &fenster) {
        connect(&fenster, &SaisonFenster::startseite_zeigen, this, &TForm1::startseite_einblenden);
    });
}
