#include "matchplan/spielplan_fenster.h"

#include "appearance/kontrast.h"
#include "grid/filtergrid_fenster.h"
#include "help/hilfe_taste_fenster.h"
#include "matchplan/dateiwahl.h"
#include "matchplan/drehfeld_fenster.h"
#include "matchplan/mannschaftszeilen_fenster.h"
#include "matchplan/offene_meldungen.h"
#include "matchplan/plan_profil.h"
#include "matchplan/planaufbau.h"
#include "matchplan/planfarben.h"
#include "matchplan/rundendruck.h"
#include "matchplan/rundendruck_fenster.h"
#include "matchplan/rundenfeld_fenster.h"
#include "matchplan/schritte_fenster.h"
#include "matchplan/spielplan.h"
#include "matchplan/tischeingang.h"
#include "matchplan/tischmeldungsfeld_fenster.h"
#include "matchplan/wiederherstellung.h"
#include "pictures/bildschirmfoto.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/beschriftung_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "shell/zusatz.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int hilfe_thema_spielplan = 600;
constexpr int knopf_breite = 90;
constexpr int knopf_hoehe = 25;
constexpr int fuss_hoehe = 41;

// The window sees every key before its controls: a comma typed anywhere in it is a colon.
class KommaAlsDoppelpunkt : public QObject
{
public:
    explicit KommaAlsDoppelpunkt(QWidget *fenster)
        : QObject(fenster)
        , m_fenster(fenster)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        auto *ziel = qobject_cast<QWidget *>(objekt);
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (!ziel || ziel->window() != m_fenster || taste->text() != u","_s)
            return false;
        QKeyEvent doppelpunkt(QEvent::KeyPress, Qt::Key_Colon, taste->modifiers(), u":"_s,
                              taste->isAutoRepeat(), ushort(taste->count()));
        QCoreApplication::sendEvent(ziel, &doppelpunkt);
        return true;
    }

private:
    QWidget *m_fenster;
};

Drehfeld *drehfeld(const char *name, int kleinster, int groesster, QWidget *eltern)
{
    auto *feld = new Drehfeld(eltern);
    feld->setObjectName(name);
    feld->setRange(kleinster, groesster);
    return feld;
}

} // namespace

SpielplanFenster::SpielplanFenster(Zustand &zustand, Plattform &plattform,
                                   const SpielplanProfil &profil, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_profil(profil)
{
    setObjectName(profil.doppel ? "Form5" : "Form6");
    setWindowTitle(u"Spielplan für 10 Gruppen"_s);
    oberflaeche_aufbauen();
    m_plan = std::make_unique<Spielplan>(m_zustand, m_plattform, m_profil, FilterGrid1->modell(),
                                         FilterGrid2->modell());
    connect(m_plan.get(), &Spielplan::geaendert, this, &SpielplanFenster::spiegeln);
    connect(m_plan.get(), &Spielplan::eintraege_geaendert, this,
            &SpielplanFenster::breiten_anpassen);
    connect(m_plan.get(), &Spielplan::ergebnisse_geaendert, this, &SpielplanFenster::runden_zeigen);
    m_tische->setValue(m_plan->tische());
    connect(m_tische, &QSpinBox::valueChanged, m_plan.get(), &Spielplan::tische_geaendert);
    runden_zeigen();
    schritte_anbinden(*this, *FilterGrid2, *m_plan);
    m_mannschaftszeilen = new MannschaftsZeilen(*m_plan, m_gitterflaeche);
    wiederherstellung_einrichten();
    tische_einrichten();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    new KommaAlsDoppelpunkt(this);
    resize(m_profil.client_groesse);
    FormCreate();
    spiegeln();
}

SpielplanFenster::~SpielplanFenster() = default;

void SpielplanFenster::wiederherstellung_einrichten()
{
    m_wiederherstellung = new Wiederherstellung(m_zustand, m_plattform, *m_plan,
                                                FilterGrid1->modell(), FilterGrid2->modell(), this);
}

void SpielplanFenster::tische_einrichten()
{
    m_tischeingang = new Tischeingang(m_zustand, m_plattform, *m_plan, FilterGrid2->modell(), this);
    m_tischmeldungsfeld = new Tischmeldungsfeld(*m_tischeingang, m_plattform, this);
    m_tischmeldungsfeld->setFixedWidth(280);
    auto *reihe = static_cast<QHBoxLayout *>(m_rundenfeld->parentWidget()->layout());
    reihe->insertWidget(reihe->indexOf(m_rundenfeld), m_tischmeldungsfeld);
    connect(m_tischmeldungsfeld, &Tischmeldungsfeld::erledigt, this,
            [this] { FilterGrid2->setFocus(); });
    // Open proposals are part of the running day: they come back after a crash.
    m_wiederherstellung->beilage_setzen(offene_meldungen_datei, [this] {
        return m_tischeingang->offen().isEmpty()
                   ? QByteArray()
                   : offene_meldungen_schreiben(m_tischeingang->offen());
    });
    connect(m_tischeingang, &Tischeingang::geaendert, m_wiederherstellung,
            &Wiederherstellung::vormerken);
}

void SpielplanFenster::tischmeldungen_wiederaufnehmen(const QString &ordner)
{
    QByteArray bytes;
    if (QFile::exists(ordner + offene_meldungen_datei) &&
        speicher::datei_lesen(ordner + offene_meldungen_datei, bytes))
        m_tischeingang->wiederaufnehmen(offene_meldungen_lesen(bytes));
}

void SpielplanFenster::spielzettel_drucken()
{
    const QString seite = m_seitenadresse ? m_seitenadresse() : QString();
    rundendruck_zeigen(spielzettel_vorschau(m_zustand, m_plattform, *m_plan,
                                            m_tischeingang->zetteladressen(seite)),
                       m_plattform, this);
}

void SpielplanFenster::neue_zettel()
{
    if (m_plattform.warnung_ja_nein(
            u"Neue Zettel machen? Alle bisher gedruckten Spielzettel gelten dann nicht mehr."_s))
        m_tischeingang->neue_zettel();
}

void SpielplanFenster::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(kopf_aufbauen());
    spalte->addWidget(runden_aufbauen(gitter_aufbauen()), 1);
    fuss_aufbauen();
    spalte->addWidget(Panel1);
}

QWidget *SpielplanFenster::kopf_aufbauen()
{
    // The heading stands centred above the row of controls, as the panel's own caption.
    Panel2 = new QLabel(this);
    Panel2->setObjectName("Panel2");
    Panel2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel2->setFrameShape(QFrame::StyledPanel);
    QFont schrift = Panel2->font();
    schrift.setPointSize(12);
    schrift.setBold(true);
    Panel2->setFont(schrift);
    // The controls keep the window's own font; marked as set, so the heading's is not inherited.
    QFont normal = font();
    normal.setBold(false);
    normal.setPointSizeF(font().pointSizeF());
    auto *reihe = new QHBoxLayout(Panel2);
    reihe->setContentsMargins(6, QFontMetrics(schrift).height() + 10, 6, 4);

    datum_und_uhrzeit_aufbauen(reihe, normal);
    stoppuhr_aufbauen(reihe, schrift, normal);
    groessen_aufbauen(reihe, normal);
    tische_aufbauen(reihe, normal);
    kopf_verbinden();

    // A label sizes itself by its text; the row below the heading needs room too.
    Panel2->setMinimumHeight(reihe->totalMinimumSize().height());

    m_uhr_takt = new QTimer(this);
    connect(m_uhr_takt, &QTimer::timeout, this, &SpielplanFenster::uhr_stellen);
    m_uhr_takt->start(1000);
    uhr_stellen();
    return Panel2;
}

void SpielplanFenster::datum_und_uhrzeit_aufbauen(QHBoxLayout *reihe, const QFont &normal)
{
    DateEdit1 = new QDateEdit(Panel2);
    DateEdit1->setObjectName("DateEdit1");
    DateEdit1->setAccessibleName(u"Datum"_s);
    DateEdit1->setDisplayFormat(u"dd.MM.yyyy"_s);
    DateEdit1->setCalendarPopup(true);
    DateEdit1->setFont(normal);
    RxClock1 = beschriftung_anlegen(Panel2, "RxClock1", {});
    RxClock1->setAccessibleName(u"Uhrzeit"_s);
    RxClock1->setFont(normal);
    reihe->addWidget(DateEdit1);
    reihe->addSpacing(12);
    reihe->addWidget(RxClock1);
    reihe->addStretch();
}

// The stopwatch's buttons around its time display, which is set in the heading's type.
void SpielplanFenster::stoppuhr_aufbauen(QHBoxLayout *reihe, const QFont &schrift,
                                         const QFont &normal)
{
    SpeedButton1 = new QToolButton(Panel2);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText(u"Stopp&uhr"_s);
    SpeedButton1->setAccessibleName(u"Stoppuhr"_s);
    SpeedButton1->setToolTip(u"Stoppuhr öffnen"_s);
    Panel6 = beschriftung_anlegen(Panel2, "Panel6", u"00 : 00"_s);
    Panel6->setAccessibleName(u"Spielzeit"_s);
    Panel6->setAccessibleDescription(Panel6->text());
    Panel6->setAlignment(Qt::AlignCenter);
    Panel6->setFrameShape(QFrame::Panel);
    Panel6->setFrameShadow(QFrame::Sunken);
    Panel6->setAutoFillBackground(true);
    Panel6->setMinimumWidth(90);
    Panel6->setFont(schrift);
    SpeedButton2 = new QToolButton(Panel2);
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton2->setText(u"Zu&rücksetzen"_s);
    SpeedButton2->setAccessibleName(u"Stoppuhr zurücksetzen"_s);
    SpeedButton2->setToolTip(u"Stoppuhr zurücksetzen"_s);
    for (QWidget *teil : std::initializer_list<QWidget *>{SpeedButton1, Panel6, SpeedButton2})
        reihe->addWidget(teil);
    SpeedButton1->setFont(normal);
    SpeedButton2->setFont(normal);
    reihe->addSpacing(16);
}

void SpielplanFenster::groessen_aufbauen(QHBoxLayout *reihe, const QFont &normal)
{
    schr_groesse = beschriftung_anlegen(Panel2, "schr_groesse", u"Schrift&größe"_s);
    RxSpinEdit3 = drehfeld("RxSpinEdit3", plan::kleinste_schriftgroesse, 72, Panel2);
    z_hoehe = beschriftung_anlegen(Panel2, "z_hoehe", u"&Zeilenhöhe"_s);
    RxSpinEdit2 = drehfeld("RxSpinEdit2", plan::kleinste_zeilenhoehe, 200, Panel2);
    for (auto [label, feld] : {std::pair{schr_groesse, RxSpinEdit3}, {z_hoehe, RxSpinEdit2}}) {
        label->setFont(normal);
        label->setBuddy(feld);
        feld->setFont(normal);
        reihe->addWidget(label);
        reihe->addWidget(feld);
    }
}

void SpielplanFenster::kopf_verbinden()
{
    connect(DateEdit1, &QDateEdit::dateChanged, this,
            [this](const QDate &datum) { m_plan->setze_datum(datum); });
    connect(RxSpinEdit3, &QSpinBox::valueChanged, this,
            [this](int wert) { m_plan->schriftgroesse_geaendert(wert); });
    connect(RxSpinEdit2, &QSpinBox::valueChanged, this,
            [this](int wert) { m_plan->zeilenhoehe_geaendert(wert); });
    connect(RxSpinEdit2, &Drehfeld::geklickt, this,
            [this](int schritte) { m_plan->zeilenhoehe_schritt(schritte, RxSpinEdit2->value()); });
}

QWidget *SpielplanFenster::gitter_aufbauen()
{
    m_gitterflaeche = new QWidget(this);
    m_gitterflaeche->setObjectName("Panel3");
    m_gitterflaeche->installEventFilter(this);
    FilterGrid1 = new TFilterGrid(m_gitterflaeche);
    FilterGrid1->setObjectName("FilterGrid1");
    FilterGrid1->setAccessibleName(u"Tabelle 1"_s);
    // Columns too wide for a narrow screen scroll rather than hide "Ges." and "Platz".
    FilterGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FilterGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FilterGrid2 = new TFilterGrid(m_gitterflaeche);
    FilterGrid2->setObjectName("FilterGrid2");
    FilterGrid2->setAccessibleName(u"Ergebnisse"_s);
    // Teams told apart by colour and the cells beyond N plainly locked, over the grid's drawing.
    GitterModell &tabelle = FilterGrid1->modell();
    GitterModell &matrix = FilterGrid2->modell();
    tabelle.SelectRowColor = tabelle_auswahlfarbe;
    matrix.SelectRowColor = matrix_auswahlfarbe;
    GitterEreignisse tabellen_ereignisse = tabelle.ereignisse();
    tabellen_ereignisse.RowColorProc =
        std::bind_front(&SpielplanFenster::FilterGrid1RowColorProc, this);
    tabelle.setze_ereignisse(std::move(tabellen_ereignisse));
    GitterEreignisse matrix_ereignisse = matrix.ereignisse();
    matrix_ereignisse.RowColorProc =
        std::bind_front(&SpielplanFenster::FilterGrid2RowColorProc, this);
    matrix.setze_ereignisse(std::move(matrix_ereignisse));
    // A click takes the current cell over again, as a changed keystroke does.
    connect(FilterGrid2, &QAbstractItemView::clicked, this,
            [this] { m_plan->zelle_erneut_uebernehmen(); });
    return m_gitterflaeche;
}

void SpielplanFenster::tische_aufbauen(QHBoxLayout *reihe, const QFont &schrift)
{
    m_tische_text = beschriftung_anlegen(Panel2, "Tische_Text", u"T&ische"_s);
    m_tische = new QSpinBox(Panel2);
    m_tische->setObjectName("Tische");
    m_tische->setRange(0, tische_hoechstens);
    m_tische->setSpecialValueText(u"kein Rundenplan"_s);
    m_tische->setToolTip(u"Tische in der Halle: verteilt die Spiele auf Runden (0: kein "
                         u"Rundenplan)"_s);
    m_tische->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_tische_text->setBuddy(m_tische);
    for (QWidget *teil : std::initializer_list<QWidget *>{m_tische_text, m_tische}) {
        teil->setFont(schrift);
        reihe->addWidget(teil);
    }
}

QWidget *SpielplanFenster::runden_aufbauen(QWidget *gitter)
{
    auto *flaeche = new QWidget(this);
    auto *reihe = new QHBoxLayout(flaeche);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->setSpacing(0);
    m_rundenfeld = new Rundenfeld(flaeche);
    m_rundenfeld->setFixedWidth(280);
    reihe->addWidget(gitter, 1);
    reihe->addWidget(m_rundenfeld);
    connect(m_rundenfeld, &Rundenfeld::spiel_gewaehlt, this,
            &SpielplanFenster::rundenspiel_waehlen);
    connect(m_rundenfeld, &Rundenfeld::rundenplan_drucken, this, [this] {
        rundendruck_zeigen(rundenplan_vorschau(m_zustand, m_plattform, *m_plan), m_plattform, this);
    });
    connect(m_rundenfeld, &Rundenfeld::spielzettel_drucken, this,
            &SpielplanFenster::spielzettel_drucken);
    connect(m_rundenfeld, &Rundenfeld::neue_zettel, this, &SpielplanFenster::neue_zettel);
    return flaeche;
}

void SpielplanFenster::runden_zeigen()
{
    const Rundenanzeige &runden = m_plan->runden();
    m_rundenfeld->setVisible(!runden.titel.isEmpty());
    m_rundenfeld->zeigen(runden);
    FilterGrid2->viewport()->update();
}

void SpielplanFenster::rundenspiel_waehlen(int spalte, int zeile)
{
    GitterModell &matrix = FilterGrid2->modell();
    matrix.SetCol(spalte);
    matrix.SetRow(zeile);
    matrix.SelectCells(spalte, zeile);
    FilterGrid2->setFocus();
}

void SpielplanFenster::fuss_aufbauen()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFixedHeight(fuss_hoehe);
    Label2 = beschriftung_anlegen(Panel1, "Label2", u"Höhe \"&Tabelle 1\" ändern"_s);
    RxSpinEdit1 = drehfeld("RxSpinEdit1", -2000, 2000, Panel1);
    Label2->setBuddy(RxSpinEdit1);
    Label2->adjustSize();
    Label2->move(8, (fuss_hoehe - Label2->height()) / 2);
    RxSpinEdit1->adjustSize();
    RxSpinEdit1->move(Label2->x() + Label2->width() + 6, (fuss_hoehe - RxSpinEdit1->height()) / 2);
    // A typed height applies as a step does: the grid follows the field.
    connect(RxSpinEdit1, &QSpinBox::valueChanged, this, [this](int wert) {
        m_plan->tabellenhoehe_geaendert(wert);
        m_hoehen_versatz = wert;
        gitter_anordnen();
    });

    Button1 = knopf("Button1", u"&Speichern"_s);
    Button2 = knopf("Button2", u"&Laden"_s);
    Button3 = knopf("Button3", u"&Beenden"_s);
    Button4 = knopf("Button4", u"&Ergebnis löschen"_s);
    Button5 = knopf("Button5", u"S&creenshot"_s);
    Button6 = knopf("Button6", u"&Hilfe"_s);
    connect(Button1, &QPushButton::clicked, this, &SpielplanFenster::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &SpielplanFenster::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &SpielplanFenster::Button3Click);
    connect(Button4, &QPushButton::clicked, this,
            [this] { m_plan->ergebnis_loeschen([this] { emit neu_oeffnen(); }); });
    // The plan's picture at the encoder's default quality.
    auto *foto = new Bildschirmfoto(
        m_zustand, m_plattform, std::nullopt, [this] { return frameGeometry(); }, this);
    connect(Button5, &QPushButton::clicked, foto, &Bildschirmfoto::starten);
    connect(Button6, &QPushButton::clicked, this,
            [this] { hilfe_zeigen(m_zustand, m_plattform, hilfe_thema_spielplan); });
}

QPushButton *SpielplanFenster::knopf(const char *name, const QString &text)
{
    auto *knopf = knopf_anlegen(Panel1, name, text);
    // A narrow face, so that the longest caption fits the fixed width.
    knopf->setFont(QFont(u"Liberation Sans"_s, 8));
    feste_knopfgroesse(knopf, knopf_breite, knopf_hoehe);
    return knopf;
}

void SpielplanFenster::FormCreate()
{
    arbeitsbereich_fuellen(*this, m_plattform);
    knoepfe_anordnen();
}

void SpielplanFenster::knoepfe_anordnen()
{
    const std::array<int, 6> links = plan_knopfreihe(width(), knopf_breite);
    QPushButton *const knoepfe[] = {Button1, Button2, Button3, Button4, Button5, Button6};
    for (size_t i = 0; i < links.size(); ++i)
        knoepfe[i]->move(links[i], (fuss_hoehe - knopf_hoehe) / 2);
}

void SpielplanFenster::gitter_anordnen()
{
    const int breite = m_gitterflaeche->width();
    const int hoehe = m_gitterflaeche->height();
    // The team score stands between the standings and the matrix, which takes what remains.
    const int zeilen = std::min(m_mannschaftszeilen->sizeHint().height(), hoehe);
    const int oben =
        std::clamp(int(std::lround(hoehe / 3.0 * 2)) + m_hoehen_versatz, 0, hoehe - zeilen);
    FilterGrid1->setGeometry(0, 0, breite, oben);
    m_mannschaftszeilen->setGeometry(0, oben, breite, zeilen);
    FilterGrid2->setGeometry(0, oben + zeilen, breite, hoehe - oben - zeilen);
}

void SpielplanFenster::resizeEvent(QResizeEvent *ereignis)
{
    QWidget::resizeEvent(ereignis);
    knoepfe_anordnen();
}

bool SpielplanFenster::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_gitterflaeche && ereignis->type() == QEvent::Resize) {
        gitter_anordnen();
        // The round panel coming or going changes the width: the columns are fitted to it anew,
        // so the widths stretched for the wider grids do not push "Ges." and "Platz" out.
        const auto *groesse = static_cast<QResizeEvent *>(ereignis);
        if (groesse->size().width() != groesse->oldSize().width() && isVisible())
            breiten_anpassen();
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void SpielplanFenster::spiegeln()
{
    setWindowTitle(m_plan->titel().isEmpty() ? u"Spielplan für 10 Gruppen"_s : m_plan->titel());
    Panel2->setText(m_plan->ueberschrift());
    const QSignalBlocker datum(DateEdit1);
    const QSignalBlocker hoehe(RxSpinEdit1);
    const QSignalBlocker zeile(RxSpinEdit2);
    const QSignalBlocker schrift(RxSpinEdit3);
    // A date being typed comes back here: setting it again would disturb the typing.
    if (m_plan->datum().isValid() && DateEdit1->date() != m_plan->datum())
        DateEdit1->setDate(m_plan->datum());
    RxSpinEdit1->setValue(m_zustand.wert(m_profil.tabelle1_hoehe));
    RxSpinEdit2->setValue(m_plan->zeilenhoehe());
    RxSpinEdit3->setValue(m_plan->schriftgroesse());
}

void SpielplanFenster::oeffnen()
{
    m_plan->oeffnen();
    m_hoehen_versatz = m_zustand.wert(m_profil.tabelle1_hoehe);
    show();
    raise();
    activateWindow();
    // Results are typed straight away, into cell (1, 1), not into the date.
    FilterGrid2->setFocus();
    gitter_anordnen();
    breiten_anpassen();
    // The cursor was set while the grids were still small; both open at their top row.
    FilterGrid1->scrollToTop();
    FilterGrid2->scrollToTop();
}

void SpielplanFenster::farben_lesen()
{
    m_plan->farben_lesen();
    FilterGrid1->viewport()->update();
    FilterGrid2->viewport()->update();
}

void SpielplanFenster::laden(const QString &name, const QString &ordner)
{
    m_plan->laden(name, ordner);
    wieder_zeigen();
}

void SpielplanFenster::wieder_zeigen()
{
    emit startseite_verbergen();
    show();
    raise();
    activateWindow();
    FilterGrid2->setFocus();
    breiten_anpassen();
    FilterGrid1->scrollToTop();
    FilterGrid2->scrollToTop();
}

void SpielplanFenster::zeit_anzeigen(const QString &text, const QColor &farbe)
{
    Panel6->setText(text);
    // The name stays "Spielzeit"; a screen reader reads the time from the description.
    Panel6->setAccessibleDescription(text);
    QPalette farben = Panel6->palette();
    farben.setColor(QPalette::Window, farbe);
    farben.setColor(QPalette::WindowText,
                    lesbare_schrift(farbe, farben.color(QPalette::WindowText)));
    Panel6->setPalette(farben);
}

void SpielplanFenster::breiten_anpassen()
{
    for (TFilterGrid *gitter : {FilterGrid1, FilterGrid2})
        gitter->modell().ColSetMaxWidths(true, false, true);
}

void SpielplanFenster::uhr_stellen()
{
    const QString format = m_profil.uhr_mit_sekunden ? u"HH:mm:ss"_s : u"HH:mm"_s;
    RxClock1->setText(m_plattform.jetzt().time().toString(format));
}

void SpielplanFenster::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    if (m_profil.zeigen_passt_breiten_an)
        breiten_anpassen();
    if (!ereignis->spontaneous()) {
        m_offen = true;
        emit gezeigt();
    }
}

void SpielplanFenster::closeEvent(QCloseEvent *ereignis)
{
    // Also for the close box: the main window must not stay without its start page.
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
    m_offen = false;
    emit geschlossen();
}

void SpielplanFenster::Button1Click()
{
    m_plan->speichern();
    emit startseite_zeigen();
}

void SpielplanFenster::Button2Click()
{
    if (m_plan->ungespeichert() &&
        !m_plattform.warnung_ja_nein(u"Die Ergebnisse dieses Plans sind nicht gespeichert. "
                                     u"Trotzdem einen Spieltag laden?"_s))
        return;
    hide();
    m_zustand.dateiwahl_zweck = zweck_laden;
    emit startseite_verbergen();
    emit laden_verlangt(dateiwahl_muster(m_profil.doppel, zweck_laden));
}

void SpielplanFenster::Button3Click()
{
    m_zustand.setze(m_profil.tabelle1_hoehe, RxSpinEdit1->value());
    m_zustand.optionen_speichern();
    if (m_profil.beenden_setzt_uhr_zurueck)
        SpeedButton2->click();
    close();
}

void SpielplanFenster::FilterGrid1RowColorProc(GitterModell &gitter, qint32 &, QPainter &maler,
                                               int aCol, int aRow, int state)
{
    zellfarben_anwenden(maler, tabellen_zellfarben(m_plan->farben(), aCol, aRow,
                                                   zelle_markiert(gitter, aRow, state)));
}

void SpielplanFenster::FilterGrid2RowColorProc(GitterModell &gitter, qint32 &, QPainter &maler,
                                               int aCol, int aRow, int state)
{
    zellfarben_anwenden(maler, matrix_zellfarben(m_plan->farben(), m_plan->anzahl(), aCol, aRow,
                                                 zelle_markiert(gitter, aRow, state),
                                                 gitter.Cells(aCol, aRow),
                                                 in_der_runde(m_plan->runden(), aCol, aRow)));
}

TForm5::TForm5(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : SpielplanFenster(zustand, plattform, doppel_profil(), parent)
{
}

TForm6::TForm6(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : SpielplanFenster(zustand, plattform, einzel_profil(), parent)
{
}
