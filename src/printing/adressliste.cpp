#include "printing/adressliste.h"

#include "grid/ausgabetabelle.h"
#include "printing/tabellensatz.h"

#include <array>

using namespace Qt::StringLiterals;

namespace druck {
const QString titel = u"Mitglieder Adressen drucken"_s;
} // namespace druck

namespace {

struct Spalte
{
    const char16_t *titel;
    speicher::TextFeld feld;
};
constexpr std::array<Spalte, 8> spalten{{
    {u"Name", adr::name},
    {u"Vorname", adr::vorname},
    {u"Strasse", adr::strasse},
    {u"Ort", adr::plz_ort},
    {u"Telefon", adr::telefon},
    {u"Fax", adr::fax},
    {u"Mobil", adr::mobil},
    {u"E-Mail", adr::email},
}};

} // namespace

Adressliste drucken_adressen(const QList<adresse> &adressen, const QString &mannschaft,
                             const Druckschrift &schrift, const QDate &heute, bool quer)
{
    Ausgabetabelle tabelle;
    for (const Spalte &spalte : spalten)
        tabelle.spalten << QString::fromUtf16(spalte.titel);
    for (const adresse &satz : adressen) {
        QStringList zeile;
        for (const Spalte &spalte : spalten)
            zeile << satz.wert(spalte.feld);
        zeile[0] = adr::trimmen(zeile[0]);
        tabelle.zeilen << zeile;
    }
    return {tabellen_setzen(druck::titel, heute, {tabelle}, schrift, mannschaft,
                            Satzweise{.umbrechen = true, .quer = quer})};
}
