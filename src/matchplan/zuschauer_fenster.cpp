#include "matchplan/zuschauer_fenster.h"

#include "matchplan/spielplan.h"
#include "matchplan/zuschauer_ansicht.h"
#include "shell/plattform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Its own colours, so the hall can read it whatever style the program wears.
const QColor grund(Qt::black);
const QColor zwischengrund(0x1c, 0x1c, 0x1c); // every second row
const QColor schrift(Qt::white);
const QColor kopfschrift(0xff, 0xd4, 0x00);
const std::array<QColor, 2> mannschaftsfarben{QColor(0x5a, 0xd1, 0xff), QColor(0xff, 0xb3, 0x47)};

QColor mannschaftsfarbe(Mannschaft mannschaft)
{
    return mannschaftsfarben[size_t(nummer(mannschaft) - 1)];
}

QFont tafelschrift(int pixel, bool fett = false)
{
    QFont schrift(u"DejaVu Sans"_s);
    schrift.setPixelSize(std::max(1, pixel));
    schrift.setBold(fett);
    return schrift;
}

enum Spalte { platz, name, mannschaft, spiele, ges };

} // namespace

Tafeltext::Tafeltext(const char *name, QWidget *eltern)
    : QLabel(eltern)
{
    setObjectName(name);
}

void Tafeltext::schrift_setzen(const QFont &schrift_)
{
    m_schrift = schrift_;
    update();
}

void Tafeltext::farben_setzen(const QColor &farbe, const QColor &grund_)
{
    if (farbe == m_farbe && grund_ == m_grund)
        return;
    m_farbe = farbe;
    m_grund = grund_;
    update();
}

void Tafeltext::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.fillRect(rect(), m_grund);
    maler.setPen(m_farbe);
    const QRect flaeche = contentsRect();
    if (wordWrap()) {
        maler.setFont(m_schrift);
        maler.drawText(flaeche, int(alignment()) | Qt::TextWordWrap, text());
        return;
    }
    // A long text first gets smaller type, down to 70 %, and only then loses its end.
    QFont schrift = m_schrift;
    const int breite = QFontMetrics(schrift).horizontalAdvance(text());
    if (breite > flaeche.width() && flaeche.width() > 0) {
        const int pixel = schrift.pixelSize();
        schrift.setPixelSize(std::max({1, pixel * 7 / 10, pixel * flaeche.width() / breite}));
    }
    maler.setFont(schrift);
    maler.drawText(flaeche, int(alignment()),
                   QFontMetrics(schrift).elidedText(text(), Qt::ElideRight, flaeche.width()));
}

ZuschauerFenster::ZuschauerFenster(Plattform &plattform, QWidget *eltern)
    : QWidget(eltern, Qt::Window)
    , m_plattform(plattform)
{
    setObjectName("Zuschauer");
    setWindowTitle(u"Zuschauer-Ansicht"_s);
    setAccessibleName(u"Zuschauer-Ansicht"_s);
    // No child takes the focus: Esc reaches the window itself.
    setFocusPolicy(Qt::StrongFocus);

    Titel = new Tafeltext("Titel", this);
    Datum = new Tafeltext("Datum", this);
    Spielzeit = new Tafeltext("Spielzeit", this);
    Spielzeit->setAlignment(Qt::AlignCenter);
    Spielzeit->setAccessibleDescription(u"Spielzeit"_s);
    Hinweis = new Tafeltext("Hinweis", this);
    Hinweis->setAlignment(Qt::AlignCenter);
    Hinweis->setWordWrap(true);
    Hinweis->setText(u"Kein Spielplan geöffnet. Sobald ein Turnierplan angezeigt wird, "
                     u"erscheint hier die Rangliste."_s);

    const std::array<QString, 5> koepfe{u"Platz"_s, u"Name"_s, u"Mannschaft"_s, u"Spiele"_s,
                                        u"Ges."_s};
    for (size_t s = 0; s < koepfe.size(); ++s) {
        Kopf[s] = new Tafeltext("Kopf", this);
        Kopf[s]->setText(koepfe[s]);
    }
    for (auto &zeile : Rangliste) {
        for (Tafeltext *&feld : zeile)
            feld = new Tafeltext("Rang", this);
    }
    Mannschaft1 = new Tafeltext("Mannschaft1", this);
    Mannschaft2 = new Tafeltext("Mannschaft2", this);
    for (Tafeltext *zeile : {Titel, Datum, Mannschaft1, Mannschaft2})
        zeile->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (auto &zeile : Rangliste) {
        zeile[platz]->setAlignment(Qt::AlignCenter);
        zeile[name]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        zeile[mannschaft]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        zeile[spiele]->setAlignment(Qt::AlignCenter);
        zeile[ges]->setAlignment(Qt::AlignCenter);
    }
    for (size_t s = 0; s < Kopf.size(); ++s) {
        Kopf[s]->setAlignment(Rangliste[0][s]->alignment());
        Kopf[s]->farben_setzen(kopfschrift);
    }
    Jetzt = new Tafeltext("Jetzt", this);
    Danach = new Tafeltext("Danach", this);
    for (Tafeltext *kopf : {Jetzt, Danach}) {
        kopf->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        kopf->farben_setzen(kopfschrift);
    }
    for (auto *zeilen : {&JetztZeilen, &DanachZeilen}) {
        for (Tafeltext *&zeile : *zeilen) {
            zeile = new Tafeltext("Runde", this);
            zeile->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    zeit_anzeigen(u"00 : 00"_s, {});

    resize(1024, 768);
    plan_setzen(nullptr);
}

void ZuschauerFenster::plan_setzen(Spielplan *plan)
{
    if (m_plan)
        disconnect(m_plan, nullptr, this, nullptr);
    m_plan = plan;
    if (plan) {
        connect(plan, &Spielplan::ergebnisse_geaendert, this, &ZuschauerFenster::spiegeln);
        connect(plan, &Spielplan::geaendert, this, &ZuschauerFenster::spiegeln);
    }
    spiegeln();
}

void ZuschauerFenster::zeit_anzeigen(const QString &text, const QColor &farbe)
{
    Spielzeit->setText(text);
    // A running game's colour fills the box, as in the plan's display.
    if (farbe.isValid())
        Spielzeit->farben_setzen(grund, farbe);
    else
        Spielzeit->farben_setzen(schrift);
}

void ZuschauerFenster::oeffnen()
{
    QScreen *schirm =
        zuschauer_bildschirm(QGuiApplication::screens(), QGuiApplication::primaryScreen());
    if (isVisible()) {
        raise();
        return;
    }
    if (schirm) {
        // The hall's screen: the program's own window keeps the keyboard. A window manager may
        // still hand the new window the focus, so the window that had it gets it back.
        QPointer<QWidget> aktiv = QApplication::activeWindow();
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        create();
        windowHandle()->setScreen(schirm);
        setGeometry(schirm->geometry());
        showFullScreen();
        if (aktiv)
            aktiv->activateWindow();
        return;
    }
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    const QRect arbeit = m_plattform.arbeitsbereich();
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, arbeit.size() * 3 / 4, arbeit));
    showNormal();
    raise();
    activateWindow();
}

void ZuschauerFenster::spiegeln()
{
    if (!isVisible())
        return;
    Datum->setText(zuschauer_datum(m_plattform.jetzt().date()));
    const bool mit_plan = m_plan != nullptr;
    Hinweis->setVisible(!mit_plan);
    for (Tafeltext *kopf : Kopf)
        kopf->setVisible(mit_plan);
    QList<Zuschauerzeile> rangliste;
    if (mit_plan) {
        Titel->setText(m_plan->titel().isEmpty() ? m_plan->ueberschrift() : m_plan->titel());
        rangliste = zuschauer_rangliste(m_plan->tabelle(), m_plan->anzahl());
    } else {
        Titel->setText(u"Zuschauer-Ansicht"_s);
    }

    for (size_t i = 0; i < Rangliste.size(); ++i) {
        auto &zeile = Rangliste[i];
        if (qsizetype(i) >= rangliste.size()) {
            // Rows beyond the plan's entries stay dark, not as empty stripes.
            for (Tafeltext *feld : zeile) {
                feld->clear();
                feld->farben_setzen(schrift, grund);
            }
            continue;
        }
        const Zuschauerzeile &eintrag = rangliste[qsizetype(i)];
        zeile[platz]->setText(eintrag.platz);
        zeile[name]->setText(eintrag.name);
        zeile[mannschaft]->setText(m_plan->mannschaftsname(eintrag.mannschaft));
        zeile[spiele]->setText(QString::number(eintrag.gespielt));
        zeile[ges]->setText(eintrag.ges);
        const QColor zeilengrund = i % 2 ? zwischengrund : grund;
        for (Tafeltext *feld : zeile) {
            feld->farben_setzen(feld == zeile[mannschaft] ? mannschaftsfarbe(eintrag.mannschaft)
                                                          : schrift,
                                zeilengrund);
        }
    }

    for (auto [zeile, team] :
         {std::pair{Mannschaft1, Mannschaft::eins}, {Mannschaft2, Mannschaft::zwei}}) {
        zeile->setText(mit_plan ? m_plan->mannschaft_zeile(team) : QString());
        const Spieltagsausgang sieg = team == Mannschaft::eins ? Spieltagsausgang::mannschaft1
                                                               : Spieltagsausgang::mannschaft2;
        // The winner's line stands out in the team's colour.
        if (mit_plan && m_plan->mannschaftswertung().ausgang == sieg)
            zeile->farben_setzen(grund, mannschaftsfarbe(team));
        else
            zeile->farben_setzen(mannschaftsfarbe(team));
    }
    runden_spiegeln();
}

bool ZuschauerFenster::mit_runden() const
{
    return m_plan && !m_plan->runden().titel.isEmpty();
}

void ZuschauerFenster::runden_spiegeln()
{
    const bool an = mit_runden();
    const Rundenanzeige leer;
    const Rundenanzeige &runden = an ? m_plan->runden() : leer;
    Jetzt->setVisible(an);
    Jetzt->setText(runden.runde ? u"Jetzt – "_s + runden.titel : runden.titel);
    Danach->setVisible(an && !runden.danach.isEmpty());
    Danach->setText(u"Danach"_s);
    const auto fuellen = [](auto &zeilen, const QList<Rundenzeile> &spiele, qsizetype platz) {
        for (size_t i = 0; i < zeilen.size(); ++i) {
            const bool da = qsizetype(i) < std::min(spiele.size(), platz);
            zeilen[i]->setVisible(da);
            zeilen[i]->setText(da ? spiele[qsizetype(i)].text : QString());
            zeilen[i]->farben_setzen(schrift, grund);
        }
    };
    fuellen(JetztZeilen, runden.jetzt, qsizetype(JetztZeilen.size()));
    // What does not fit below the current round is left out of the next one.
    const qsizetype rest = ZuschauerFenster::zeilen - 2 - runden.jetzt.size();
    fuellen(DanachZeilen, runden.danach, std::max<qsizetype>(rest, 0));
}

void ZuschauerFenster::anordnen()
{
    const int h = zuschauer_zeilenhoehe(height());
    const int rand = h / 2;
    const int breite = width() - 2 * rand;
    const int innen = h / 4;

    const int kopfbreite = breite * 62 / 100;
    Titel->setGeometry(rand, 0, kopfbreite, h);
    Datum->setGeometry(rand, h, kopfbreite, h);
    Titel->schrift_setzen(tafelschrift(h * 65 / 100, true));
    Datum->schrift_setzen(tafelschrift(h * 60 / 100));
    Spielzeit->setGeometry(rand + kopfbreite + rand, h / 8, breite - kopfbreite - rand,
                           2 * h - h / 4);
    Spielzeit->schrift_setzen(tafelschrift(h * 3 / 2, true));

    // Columns "Platz", "Name", "Mannschaft", "Spiele", "Ges.": name and team share what is left.
    // The round plan, when on, takes the right part beside the ranking.
    const int rangbreite = mit_runden() ? breite * 60 / 100 : breite;
    runden_anordnen(rand + rangbreite + rand, breite - rangbreite - rand, h);
    std::array<int, 5> spalten{3 * h, 0, 0, 7 * h / 2, 7 * h / 2};
    const int rest = rangbreite - spalten[platz] - spalten[spiele] - spalten[ges];
    spalten[name] = rest * 55 / 100;
    spalten[mannschaft] = rest - spalten[name];
    int x = rand;
    for (size_t s = 0; s < spalten.size(); ++s) {
        Kopf[s]->setGeometry(x, 2 * h, spalten[s], h);
        Kopf[s]->setContentsMargins(innen, 0, innen, 0);
        Kopf[s]->schrift_setzen(tafelschrift(h * 55 / 100, true));
        for (size_t i = 0; i < Rangliste.size(); ++i) {
            Tafeltext *feld = Rangliste[i][s];
            feld->setGeometry(x, 3 * h + int(i) * h, spalten[s], h);
            feld->setContentsMargins(innen, 0, innen, 0);
            feld->schrift_setzen(tafelschrift(h * 62 / 100, s == platz));
        }
        x += spalten[s];
    }
    Hinweis->setGeometry(rand, 3 * h, breite, ZuschauerFenster::zeilen * h);
    Hinweis->schrift_setzen(tafelschrift(h * 80 / 100));
    const int unten = (3 + ZuschauerFenster::zeilen) * h;
    Mannschaft1->setGeometry(rand, unten, breite, h);
    Mannschaft2->setGeometry(rand, unten + h, breite, h);
    for (Tafeltext *zeile : {Mannschaft1, Mannschaft2}) {
        zeile->setContentsMargins(innen, 0, innen, 0);
        zeile->schrift_setzen(tafelschrift(h * 62 / 100, true));
    }
    spiegeln();
}

void ZuschauerFenster::runden_anordnen(int x, int breite, int h)
{
    const int innen = h / 4;
    Jetzt->setGeometry(x, 2 * h, breite, h);
    Jetzt->schrift_setzen(tafelschrift(h * 55 / 100, true));
    Jetzt->setContentsMargins(innen, 0, innen, 0);
    const auto legen = [&](auto &zeilen, int erste) {
        for (size_t i = 0; i < zeilen.size(); ++i) {
            zeilen[i]->setGeometry(x, (erste + int(i)) * h, breite, h);
            zeilen[i]->setContentsMargins(innen, 0, innen, 0);
            zeilen[i]->schrift_setzen(tafelschrift(h * 55 / 100));
        }
    };
    legen(JetztZeilen, 3);
    const int danach = 3 + int(mit_runden() ? m_plan->runden().jetzt.size() : 0);
    Danach->setGeometry(x, danach * h, breite, h);
    Danach->schrift_setzen(tafelschrift(h * 55 / 100, true));
    Danach->setContentsMargins(innen, 0, innen, 0);
    legen(DanachZeilen, danach + 1);
}

void ZuschauerFenster::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Escape || ereignis->key() == Qt::Key_F11) {
        close();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void ZuschauerFenster::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), grund);
}

void ZuschauerFenster::resizeEvent(QResizeEvent *ereignis)
{
    QWidget::resizeEvent(ereignis);
    anordnen();
}

void ZuschauerFenster::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    anordnen();
}
