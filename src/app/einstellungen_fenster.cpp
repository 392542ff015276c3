#include "app/einstellungen_fenster.h"

#include "app/einstellungen.h"
#include "appearance/eigene_farben.h"
#include "appearance/kontrast.h"
#include "help/hilfe_taste_fenster.h"
#include "matchplan/planfarben.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/beschriftung_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/kuerzel.h"
#include "shell/pfadfeld_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "stopwatch/hupe.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace {

constexpr int versatz_unter_mitte = 50;
const QString datumsformat = u"dd.MM.yyyy"_s;

QToolButton *werkzeugknopf(QWidget *eltern, const char *name, const QString &text,
                           const QString &zugaenglich)
{
    auto *knopf = new QToolButton(eltern);
    knopf->setObjectName(name);
    knopf->setText(text);
    knopf->setToolTip(zugaenglich);
    knopf->setAccessibleName(zugaenglich);
    return knopf;
}

QCheckBox *haken(QWidget *eltern, const char *name, const QString &text)
{
    auto *h = new QCheckBox(text, eltern);
    h->setObjectName(name);
    h->setAccessibleName(ohne_kuerzel(text));
    return h;
}

} // namespace

TForm10::TForm10(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    setObjectName("Form10");
    setWindowTitle(u"Einstellungen"_s);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
}

// The settings tab's grid: a caption in the first column, its field in the second, a button
// beside it in the third.
struct TForm10::Raster
{
    QWidget *seite;
    QGridLayout *gitter;
    int zeile = 0;

    explicit Raster(QWidget *s)
        : seite(s)
        , gitter(new QGridLayout(s))
    {
        gitter->setColumnStretch(1, 1);
    }

    // A caption whose label names its field for screen readers too.
    void beschriftet(const QString &text, QWidget *feld, QWidget *rechts = nullptr)
    {
        gitter->addWidget(beschriftung_anlegen(seite, nullptr, text, feld), zeile, 0);
        gitter->addWidget(feld, zeile, 1);
        if (rechts)
            gitter->addWidget(rechts, zeile, 2);
        ++zeile;
    }

    QLineEdit *eingabe(const char *name) const
    {
        auto *feld = new QLineEdit(seite);
        feld->setObjectName(name);
        return feld;
    }
};

void TForm10::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setAccessibleName(u"Einstellungen"_s);
    auto *seite = new QWidget;
    seite->setObjectName("TabSheet1");
    PageControl1->addTab(seite, u"Einstellungen"_s);
    spalte->addWidget(PageControl1, 1);

    Raster raster(seite);
    namen_und_datum_aufbauen(raster);
    farbzeilen_aufbauen(raster);
    tonzeile_aufbauen(raster);
    haken_aufbauen(raster);
    spalte->addWidget(knopfleiste_aufbauen());
    verbinden();
}

void TForm10::namen_und_datum_aufbauen(Raster &raster)
{
    Edit1 = raster.eingabe("Edit1");
    Edit1->setMinimumWidth(320);
    raster.beschriftet(u"&Mannschaft 1"_s, Edit1);
    Edit7 = raster.eingabe("Edit7");
    raster.beschriftet(u"Mannschaft &2"_s, Edit7);
    DateEdit1 = raster.eingabe("DateEdit1");
    DateEdit1->setPlaceholderText(u"TT.MM.JJJJ"_s);
    m_kalender = werkzeugknopf(raster.seite, "Kalender", u"…"_s, u"Kalender öffnen"_s);
    kalender_einrichten();
    raster.beschriftet(u"&Datum"_s, DateEdit1, m_kalender);
}

void TForm10::farbzeilen_aufbauen(Raster &raster)
{
    const auto farbzeile = [&](const char *feld_name, const char *knopf_name, const QString &text,
                               speicher::FarbeFeld option) {
        QLineEdit *feld = raster.eingabe(feld_name);
        feld->setReadOnly(true);
        QToolButton *wahl = werkzeugknopf(raster.seite, knopf_name, u"…"_s, text + u" wählen"_s);
        raster.beschriftet(text, feld, wahl);
        return Farbzeile{feld, wahl, option, 0};
    };
    m_farben = {farbzeile("Edit2", "SpeedButton1", u"Farbe Gruppe 1"_s, opt::farbe_gruppe1),
                farbzeile("Edit3", "SpeedButton3", u"Farbe Gruppe 2"_s, opt::farbe_gruppe2),
                farbzeile("Edit4", "SpeedButton2", u"Hntergrundfarbe"_s, opt::hintergrundfarbe),
                farbzeile("Edit5", "SpeedButton4", u"Sperrfarbe"_s, opt::sperrfarbe)};
    Edit2 = m_farben[0].feld;
    Edit3 = m_farben[1].feld;
    Edit4 = m_farben[2].feld;
    Edit5 = m_farben[3].feld;
    SpeedButton1 = m_farben[0].knopf;
    SpeedButton3 = m_farben[1].knopf;
    SpeedButton2 = m_farben[2].knopf;
    SpeedButton4 = m_farben[3].knopf;
}

void TForm10::tonzeile_aufbauen(Raster &raster)
{
    Edit6 = pfadfeld_anlegen(raster.seite, "Edit6", Pfadeingabe::nur_lesen);
    auto *ton = new QWidget(raster.seite);
    auto *ton_reihe = new QHBoxLayout(ton);
    ton_reihe->setContentsMargins(0, 0, 0, 0);
    SpeedButton5 = werkzeugknopf(ton, "SpeedButton5", u"…"_s, u"Wav-Datei wählen"_s);
    SpeedButton6 = werkzeugknopf(ton, "SpeedButton6", u"✕"_s, u"Wav-Datei entfernen"_s);
    Button3 = knopf_anlegen(ton, "Button3", u"&Testen"_s);
    ton_reihe->addWidget(SpeedButton5);
    ton_reihe->addWidget(SpeedButton6);
    ton_reihe->addWidget(Button3);
    raster.beschriftet(u"Wav-Datei"_s, Edit6, ton);
}

void TForm10::haken_aufbauen(Raster &raster)
{
    CheckBox1 =
        haken(raster.seite, "CheckBox1", u"Beim Turnierplanstart vorhandene Daten &einfügen."_s);
    raster.gitter->addWidget(CheckBox1, raster.zeile++, 0, 1, 3);
    // The selection kind has no effect on the rest of the program; its boxes stay hidden.
    CheckBox2 = haken(raster.seite, "CheckBox2", u"Auswahl per Haken vor Person"_s);
    CheckBox3 = haken(raster.seite, "CheckBox3", u"Personen Auswahl mit 2 Listen"_s);
    CheckBox2->hide();
    CheckBox3->hide();
    raster.gitter->setRowStretch(raster.zeile, 1);
}

QFrame *TForm10::knopfleiste_aufbauen()
{
    auto *leiste = new QFrame(this);
    leiste->setObjectName("Panel1");
    Button1 = knopf_anlegen(leiste, "Button1", u"&Speichern"_s);
    Button2 = knopf_anlegen(leiste, "Button2", u"&Beenden"_s);
    knopfreihe_anlegen({nullptr, Button1, Button2, nullptr}, leiste);
    return leiste;
}

void TForm10::verbinden()
{
    for (Farbzeile &zeile : m_farben)
        connect(zeile.knopf, &QToolButton::clicked, this, [this, &zeile] { farbe_waehlen(zeile); });
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm10::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm10::SpeedButton6Click);
    connect(Button3, &QPushButton::clicked, this,
            [this] { hupe_abspielen(m_zustand, m_plattform); });
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm10::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::clicked, this, &TForm10::CheckBox3Click);
    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm10::close);
}

void TForm10::kalender_einrichten()
{
    auto *menue = new QMenu(m_kalender);
    auto *kalender = new QCalendarWidget(menue);
    kalender->setObjectName("Kalender1");
    kalender->setAccessibleName(u"Kalender"_s);
    auto *aktion = new QWidgetAction(menue);
    aktion->setDefaultWidget(kalender);
    menue->addAction(aktion);
    m_kalender->setMenu(menue);
    m_kalender->setPopupMode(QToolButton::InstantPopup);
    connect(menue, &QMenu::aboutToShow, this, [this, kalender] {
        const QDate datum = QDate::fromString(DateEdit1->text(), datumsformat);
        kalender->setSelectedDate(datum.isValid() ? datum : m_plattform.jetzt().date());
    });
    connect(kalender, &QCalendarWidget::clicked, this, [this, menue](const QDate &datum) {
        DateEdit1->setText(datum.toString(datumsformat));
        menue->close();
    });
}

void TForm10::platzieren()
{
    mittig_platzieren(*this, m_plattform.bildschirm(), versatz_unter_mitte);
}

void TForm10::oeffnen()
{
    m_zustand.optionen_lesen();
    emit startseite_verbergen();
    platzieren();
    fuellen();
    show();
    raise();
    activateWindow();
}

void TForm10::fuellen()
{
    const TOptionen &o = m_zustand.optionen;
    Edit1->setText(o.wert(opt::name_mannschaft1));
    Edit7->setText(o.wert(opt::name_mannschaft2));
    DateEdit1->setText(o.wert(opt::turnier_datum));
    for (Farbzeile &zeile : m_farben) {
        zeile.farbe = o.wert(zeile.option);
        farbe_zeigen(zeile);
    }
    Edit6->setText(o.wert(opt::wav_datei));
    CheckBox1->setChecked(o.wert(opt::daten_einfuegen) == 1);
    CheckBox2->setChecked(o.wert(opt::auswahl_art) == 0);
    CheckBox3->setChecked(o.wert(opt::auswahl_art) == 1);
}

void TForm10::farbe_zeigen(Farbzeile &zeile)
{
    // A colour never chosen shows the default the plan draws with; nothing is stored for it.
    const bool vorgabe = planfarbe_nie_gewaehlt(zeile.farbe);
    const QColor farbe = farbe_zu_qcolor(planfarbe_wirksam(zeile.option, zeile.farbe));
    QPalette palette = zeile.feld->palette();
    palette.setColor(QPalette::Base, farbe);
    palette.setColor(QPalette::Text, lesbare_schrift(farbe));
    zeile.feld->setPalette(palette);
    zeile.feld->setText(vorgabe ? u"(Vorgabe)"_s : QString());
    zeile.feld->setAccessibleDescription(farbe.name() + (vorgabe ? u" (Vorgabe)"_s : QString()));
}

void TForm10::farbe_waehlen(Farbzeile &zeile)
{
    const QString pfad = m_zustand.pfad(eigene_farben_dateiname);
    EigeneFarben eigene;
    if (!eigene.lesen(pfad)) {
        m_plattform.fehler(
            u"Die Datei %1 kann nicht geöffnet werden."_s.arg(QDir::toNativeSeparators(pfad)));
        return;
    }
    QList<QColor> liste = eigene.als_farben();
    const std::optional<QColor> farbe = m_plattform.farbe_waehlen(
        farbe_zu_qcolor(planfarbe_wirksam(zeile.option, zeile.farbe)), liste);
    if (!farbe)
        return;
    eigene.aus_farben(liste);
    if (!eigene.schreiben(pfad))
        m_plattform.schreibfehler(
            u"Die eigenen Farben wurden nicht gespeichert: Die Datei %1 konnte nicht "
            u"geschrieben werden."_s.arg(QDir::toNativeSeparators(pfad)));
    zeile.farbe = farbe_zum_speichern(qcolor_zu_farbe(*farbe));
    farbe_zeigen(zeile);
    m_zustand.optionen.setze(zeile.option, zeile.farbe);
    optionen_sichern();
    emit farben_geaendert();
}

void TForm10::optionen_sichern()
{
    if (!m_zustand.optionen_speichern())
        m_plattform.schreibfehler(
            u"Die Einstellungen wurden nicht gespeichert: Die Datei \"%1\" konnte nicht "
            u"geschrieben werden."_s.arg(
                QDir::toNativeSeparators(m_zustand.pfad(optionen_dateiname))));
}

void TForm10::Button1Click()
{
    TOptionen &o = m_zustand.optionen;
    o.setze(opt::name_mannschaft1, Edit1->text());
    o.setze(opt::name_mannschaft2, Edit7->text());
    o.setze(opt::turnier_datum, DateEdit1->text());
    for (const Farbzeile &zeile : m_farben)
        o.setze(zeile.option, zeile.farbe);
    o.setze(opt::daten_einfuegen, CheckBox1->isChecked() ? 1 : 0);
    optionen_sichern();
    emit farben_geaendert();
    close();
}

void TForm10::SpeedButton5Click()
{
    const QString gewaehlt =
        m_plattform.datei_oeffnen_dialog(u"Wav-Datei wählen"_s, m_zustand.pfad(u"Wav-Dateien"_s),
                                         u"Wav-Dateien (*.wav);;Alle Dateien (*)"_s);
    wav_datei_uebernehmen(m_zustand.optionen, gewaehlt);
    Edit6->setText(m_zustand.optionen.wert(opt::wav_datei));
    optionen_sichern();
}

void TForm10::SpeedButton6Click()
{
    Edit6->clear();
    m_zustand.optionen.setze(opt::wav_datei, QString());
    optionen_sichern();
}

void TForm10::CheckBox2Click(bool angehakt)
{
    if (!angehakt)
        return;
    CheckBox3->setChecked(false);
    m_zustand.setze(opt::auswahl_art, 0);
}

void TForm10::CheckBox3Click(bool angehakt)
{
    if (!angehakt)
        return;
    CheckBox2->setChecked(false);
    m_zustand.setze(opt::auswahl_art, 1);
}

void TForm10::closeEvent(QCloseEvent *ereignis)
{
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}
