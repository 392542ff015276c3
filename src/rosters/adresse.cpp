#include "rosters/adresse.h"

#include "storage/satzdatei.h"
#include "storage/text1252.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace adr {

QString trimmen(const QString &text)
{
    const auto rand = [](QChar c) {
        return c.unicode() <= 32;
    };
    const auto anfang = std::find_if_not(text.cbegin(), text.cend(), rand);
    const auto ende = std::find_if_not(text.crbegin(), text.crend(), rand).base();
    return anfang < ende ? QString(anfang, ende - anfang) : QString();
}

QString vergleichsform(const QString &text)
{
    // Typed text is compared as it would be stored.
    QString form = trimmen(speicher::aus_1252(speicher::nach_1252(text)));
    for (QChar &c : form)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return form;
}

} // namespace adr

adresse adresse_aus_texten(const Adresstexte &texte)
{
    adresse satz;
    for (int i = 0; i < adr::feldanzahl; ++i)
        satz.setze(adr::eingabefelder[i].feld, texte[i]);
    return satz;
}

Adresstexte texte_der_adresse(const adresse &satz)
{
    Adresstexte texte;
    for (int i = 0; i < adr::feldanzahl; ++i)
        texte[i] = satz.wert(adr::eingabefelder[i].feld);
    return texte;
}

QString adressen_dateiname(Mannschaft mannschaft)
{
    return u"Adressen%1.adr"_s.arg(nummer(mannschaft));
}

QList<adresse> adressen_lesen(const QString &pfad)
{
    QList<QByteArray> saetze;
    speicher::satzdatei_lesen(pfad, adr::groesse, saetze);
    QList<adresse> liste;
    liste.reserve(saetze.size());
    for (const QByteArray &bytes : saetze) {
        adresse satz;
        satz.von_bytes(bytes);
        liste.append(satz);
    }
    return liste;
}

QString anzeige_eintrag(const adresse &satz, Mannschaft mannschaft)
{
    QString name = satz.wert(adr::name);
    QString vorname = satz.wert(adr::vorname);
    if (mannschaft == Mannschaft::zwei) {
        name = adr::trimmen(name);
        vorname = adr::trimmen(vorname);
    }
    return name + u", "_s + vorname;
}

void eintraege_sortieren(QStringList &eintraege)
{
    QCollator kollator{QLocale(QLocale::German, QLocale::Germany)};
    kollator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        eintraege.begin(), eintraege.end(),
        [&kollator](const QString &a, const QString &b) { return kollator.compare(a, b) < 0; });
}
