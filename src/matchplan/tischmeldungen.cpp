#include "matchplan/tischmeldungen.h"

#include "lineup/auslosungsprotokoll.h"
#include "matchplan/ergebniseingabe.h"
#include "shell/tischannahme.h"

using namespace Qt::StringLiterals;

const QString tischmeldungen_datei = QString::fromUtf16(tischmeldungen_dateiname);

namespace {

QString spielschluessel(const Tischspiel &spiel)
{
    return u"%1/%2/%3/%4"_s.arg(spiel.doppel)
        .arg(spiel.spalte)
        .arg(spiel.zeile)
        .arg(spiel.datum.toString(Qt::ISODate));
}

// A name on one line with no field separator of its own.
QString feld(QString text)
{
    for (QChar &zeichen : text) {
        if (zeichen.category() == QChar::Other_Control || zeichen == u';')
            zeichen = u' ';
    }
    return text;
}

QString alter_text(qint64 sekunden)
{
    if (sekunden < 60)
        return u"vor %1 s"_s.arg(std::max<qint64>(sekunden, 0));
    return u"vor %1 min"_s.arg(sekunden / 60);
}

} // namespace

std::optional<Tischmeldung> Tischmeldungen::melden(const Tischmeldung &meldung)
{
    std::optional<Tischmeldung> ersetzt;
    const QString schluessel = spielschluessel(meldung.spiel);
    for (qsizetype i = 0; i < m_offen.size(); ++i) {
        if (spielschluessel(m_offen[i].spiel) == schluessel) {
            ersetzt = m_offen.takeAt(i);
            break;
        }
    }
    m_offen << meldung;
    m_enden[schluessel] = {Meldungsende::offen, meldung.tore1, meldung.tore2};
    return ersetzt;
}

std::optional<Tischmeldung> Tischmeldungen::beenden(int index, Meldungsende::Art art)
{
    if (index < 0 || index >= m_offen.size())
        return std::nullopt;
    const Tischmeldung meldung = m_offen.takeAt(index);
    m_enden[spielschluessel(meldung.spiel)] = {art, meldung.tore1, meldung.tore2};
    return meldung;
}

Meldungsende Tischmeldungen::ende(const Tischspiel &spiel) const
{
    return m_enden.value(spielschluessel(spiel));
}

void Tischmeldungen::leeren()
{
    m_offen.clear();
    m_enden.clear();
}

QString meldung_zellentext(const Tischmeldung &meldung)
{
    return u"%1:%2"_s.arg(meldung.tore2).arg(meldung.tore1);
}

QString meldung_tore(const Tischmeldung &meldung)
{
    return u"%1:%2"_s.arg(meldung.tore1).arg(meldung.tore2);
}

QString stand_aus_zelle(const QString &zelle)
{
    const Ergebnisauswertung auswertung = ergebnis_auswerten(zelle);
    if (!auswertung.zaehlt || auswertung.links.isEmpty() || auswertung.rechts.isEmpty())
        return {};
    return auswertung.rechts + u':' + auswertung.links;
}

QString meldungstext(const Tischmeldung &meldung, const QDateTime &jetzt)
{
    QString text;
    if (meldung.tisch > 0)
        text = u"Tisch %1 · Runde %2: "_s.arg(meldung.tisch).arg(meldung.runde);
    text += meldung.spiel.name1 + u" – "_s + meldung.spiel.name2;
    if (meldung.steht.isEmpty())
        text += u' ' + meldung_tore(meldung);
    else
        text += u": steht %1, gemeldet %2"_s.arg(meldung.steht, meldung_tore(meldung));
    return text +
           u" (%1, von %2)"_s.arg(alter_text(meldung.zeitpunkt.secsTo(jetzt)), meldung.adresse);
}

QString meldungszeile(const Tischmeldung &meldung, const QDateTime &zeitpunkt,
                      const QString &ausgang)
{
    return QStringList{zeitpunkt.toString(u"dd.MM.yyyy"_s),
                       zeitpunkt.toString(u"HH:mm:ss"_s),
                       feld(meldung.adresse),
                       meldung.spiel.doppel ? u"Doppelspiel"_s : u"Einzelspiel"_s,
                       QString::number(meldung.runde),
                       QString::number(meldung.tisch),
                       feld(meldung.spiel.name1),
                       feld(meldung.spiel.name2),
                       meldung_tore(meldung),
                       ausgang}
        .join(u';');
}

bool meldungszeile_anhaengen(const QString &pfad, const QString &zeile)
{
    return protokoll_anhaengen(pfad, zeile);
}
