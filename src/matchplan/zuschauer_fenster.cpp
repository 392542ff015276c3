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
const QColor gespielt_schrift(0x9a, 0x9a, 0x9a); // a played game of the round
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

Tafeltext::Darstellung Tafeltext::darstellung() const
{
    const QRect flaeche = contentsRect();
    Darstellung ergebnis{m_schrift, int(alignment())};
    if (wordWrap()) {
        ergebnis.flaggen |= Qt::TextWordWrap;
        return ergebnis;
    }
    // A long text is shown whole: in smaller type, and on two lines where that allows larger
    // type than one line does.
    for (int pixel = m_schrift.pixelSize(); pixel > 1; --pixel) {
        ergebnis.schrift.setPixelSize(pixel);
        const QFontMetrics masse(ergebnis.schrift);
        if (masse.horizontalAdvance(text()) <= flaeche.width())
            break;
        const QRect umbrochen =
            masse.boundingRect(flaeche, ergebnis.flaggen | Qt::TextWordWrap, text());
        if (umbrochen.width() <= flaeche.width() && umbrochen.height() <= flaeche.height()) {
            ergebnis.flaggen |= Qt::TextWordWrap;
            break;
        }
    }
    return ergebnis;
}

void Tafeltext::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.fillRect(rect(), m_grund);
    maler.setPen(m_farbe);
    const Darstellung wie = darstellung();
    maler.setFont(wie.schrift);
    maler.drawText(contentsRect(), wie.flaggen, text());
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

    m_titel = new Tafeltext("Titel", this);
    m_datum = new Tafeltext("Datum", this);
    m_spielzeit = new Tafeltext("Spielzeit", this);
    m_spielzeit->setAlignment(Qt::AlignCenter);
    m_spielzeit->setAccessibleDescription(u"Spielzeit"_s);
    m_hinweis = new Tafeltext("Hinweis", this);
    m_hinweis->setAlignment(Qt::AlignCenter);
    m_hinweis->setWordWrap(true);
    m_hinweis->setText(u"Kein Spielplan geöffnet. Sobald ein Turnierplan angezeigt wird, "
                       u"erscheint hier die Rangliste."_s);

    const std::array<QString, 5> koepfe{u"Platz"_s, u"Name"_s, u"Mannschaft"_s, u"Spiele"_s,
                                        u"Ges."_s};
    for (size_t s = 0; s < koepfe.size(); ++s) {
        m_kopf[s] = new Tafeltext("Kopf", this);
        m_kopf[s]->setText(koepfe[s]);
    }
    for (auto &zeile : m_rangliste) {
        for (Tafeltext *&feld : zeile)
            feld = new Tafeltext("Rang", this);
    }
    m_mannschaft1 = new Tafeltext("Mannschaft1", this);
    m_mannschaft2 = new Tafeltext("Mannschaft2", this);
    for (Tafeltext *zeile : {m_titel, m_datum, m_mannschaft1, m_mannschaft2})
        zeile->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (auto &zeile : m_rangliste) {
        zeile[platz]->setAlignment(Qt::AlignCenter);
        zeile[name]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        zeile[mannschaft]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        zeile[spiele]->setAlignment(Qt::AlignCenter);
        zeile[ges]->setAlignment(Qt::AlignCenter);
    }
    for (size_t s = 0; s < m_kopf.size(); ++s) {
        m_kopf[s]->setAlignment(m_rangliste[0][s]->alignment());
        m_kopf[s]->farben_setzen(kopfschrift);
    }
    m_jetzt = new Tafeltext("Jetzt", this);
    m_danach = new Tafeltext("Danach", this);
    for (Tafeltext *kopf : {m_jetzt, m_danach}) {
        kopf->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        kopf->farben_setzen(kopfschrift);
    }
    for (auto *zeilen : {&m_jetzt_zeilen, &m_danach_zeilen}) {
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
    m_spielzeit->setText(text);
    // A running game's colour fills the box, as in the plan's display.
    if (farbe.isValid())
        m_spielzeit->farben_setzen(grund, farbe);
    else
        m_spielzeit->farben_setzen(schrift);
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
    // The day of the plan on show, which a loaded day keeps.
    m_datum->setText(zuschauer_datum(
        m_plan && m_plan->datum().isValid() ? m_plan->datum() : m_plattform.jetzt().date()));
    const bool mit_plan = m_plan != nullptr;
    m_hinweis->setVisible(!mit_plan);
    for (Tafeltext *kopf : m_kopf)
        kopf->setVisible(mit_plan);
    // The ranking's empty fields would cover the hint.
    for (auto &zeile : m_rangliste) {
        for (Tafeltext *feld : zeile)
            feld->setVisible(mit_plan);
    }
    QList<Zuschauerzeile> rangliste;
    if (mit_plan) {
        m_titel->setText(m_plan->titel().isEmpty() ? m_plan->ueberschrift() : m_plan->titel());
        rangliste = zuschauer_rangliste(m_plan->tabelle(), m_plan->anzahl());
    } else {
        m_titel->setText(u"Zuschauer-Ansicht"_s);
    }

    for (size_t i = 0; i < m_rangliste.size(); ++i) {
        auto &zeile = m_rangliste[i];
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
         {std::pair{m_mannschaft1, Mannschaft::eins}, {m_mannschaft2, Mannschaft::zwei}}) {
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
    m_jetzt->setVisible(an);
    m_jetzt->setText(runden.runde ? u"Jetzt – "_s + runden.titel : runden.titel);
    m_danach->setVisible(an && !runden.danach.isEmpty());
    m_danach->setText(runden.danach_runde ? u"Danach – Runde %1"_s.arg(*runden.danach_runde + 1)
                                          : u"Danach"_s);
    // A game already played keeps its place, with its result and greyed.
    const auto fuellen = [](auto &zeilen, const QList<Rundenzeile> &spiele, qsizetype platz) {
        for (size_t i = 0; i < zeilen.size(); ++i) {
            const bool da = qsizetype(i) < std::min(spiele.size(), platz);
            zeilen[i]->setVisible(da);
            zeilen[i]->setText(da ? spiele[qsizetype(i)].text : QString());
            zeilen[i]->farben_setzen(
                da && spiele[qsizetype(i)].gespielt() ? gespielt_schrift : schrift, grund);
        }
    };
    fuellen(m_jetzt_zeilen, runden.jetzt, qsizetype(m_jetzt_zeilen.size()));
    // What does not fit below the current round is left out of the next one.
    const qsizetype rest = ZuschauerFenster::zeilen - 2 - runden.jetzt.size();
    fuellen(m_danach_zeilen, runden.danach, std::max<qsizetype>(rest, 0));
}

void ZuschauerFenster::anordnen()
{
    const int h = zuschauer_zeilenhoehe(height());
    const int rand = h / 2;
    const int breite = width() - 2 * rand;
    const int innen = h / 4;

    const int kopfbreite = breite * 62 / 100;
    m_titel->setGeometry(rand, 0, kopfbreite, h);
    m_datum->setGeometry(rand, h, kopfbreite, h);
    m_titel->schrift_setzen(tafelschrift(h * 65 / 100, true));
    m_datum->schrift_setzen(tafelschrift(h * 60 / 100));
    m_spielzeit->setGeometry(rand + kopfbreite + rand, h / 8, breite - kopfbreite - rand,
                             2 * h - h / 4);
    m_spielzeit->schrift_setzen(tafelschrift(h * 3 / 2, true));

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
        m_kopf[s]->setGeometry(x, 2 * h, spalten[s], h);
        m_kopf[s]->setContentsMargins(innen, 0, innen, 0);
        m_kopf[s]->schrift_setzen(tafelschrift(h * 55 / 100, true));
        for (size_t i = 0; i < m_rangliste.size(); ++i) {
            Tafeltext *feld = m_rangliste[i][s];
            feld->setGeometry(x, 3 * h + int(i) * h, spalten[s], h);
            feld->setContentsMargins(innen, 0, innen, 0);
            feld->schrift_setzen(tafelschrift(h * 62 / 100, s == platz));
        }
        x += spalten[s];
    }
    m_hinweis->setGeometry(rand, 3 * h, breite, ZuschauerFenster::zeilen * h);
    m_hinweis->schrift_setzen(tafelschrift(h * 80 / 100));
    const int unten = (3 + ZuschauerFenster::zeilen) * h;
    m_mannschaft1->setGeometry(rand, unten, breite, h);
    m_mannschaft2->setGeometry(rand, unten + h, breite, h);
    for (Tafeltext *zeile : {m_mannschaft1, m_mannschaft2}) {
        zeile->setContentsMargins(innen, 0, innen, 0);
        zeile->schrift_setzen(tafelschrift(h * 62 / 100, true));
    }
    spiegeln();
}

void ZuschauerFenster::runden_anordnen(int x, int breite, int h)
{
    const int innen = h / 4;
    m_jetzt->setGeometry(x, 2 * h, breite, h);
    m_jetzt->schrift_setzen(tafelschrift(h * 55 / 100, true));
    m_jetzt->setContentsMargins(innen, 0, innen, 0);
    const auto legen = [&](auto &zeilen, int erste) {
        for (size_t i = 0; i < zeilen.size(); ++i) {
            zeilen[i]->setGeometry(x, (erste + int(i)) * h, breite, h);
            zeilen[i]->setContentsMargins(innen, 0, innen, 0);
            zeilen[i]->schrift_setzen(tafelschrift(h * 55 / 100));
        }
    };
    legen(m_jetzt_zeilen, 3);
    const int danach = 3 + int(mit_runden() ? m_plan->runden().jetzt.size() : 0);
    m_danach->setGeometry(x, danach * h, breite, h);
    m_danach->schrift_setzen(tafelschrift(h * 55 / 100, true));
    m_danach->setContentsMargins(innen, 0, innen, 0);
    legen(m_danach_zeilen, danach + 1);
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
