#pragma once

#include <QChar>
#include <QCollator>
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

// The text by which a cell sorts, from its column's type letter: numbers as fixed-width
// digits (negatives first), dates as yyyyMMddHHmmss, marks as J/N, texts padded to 15.
// `heute` gives the year of dates typed without one.
QString sortierschluessel(const QString &zelle, QChar typ, QDate heute = {});
// The same with the regional decimal separator looked up once by the caller.
QString sortierschluessel(const QString &zelle, QChar typ, QChar komma, QDate heute);

// The rank of each key under the German case-insensitive collation: 0 for the first, keys
// the collation holds equal share a rank, and no rank is left out.
std::vector<int> schluessel_raenge(const std::vector<QString> &schluessel);

// The collation keys of sort keys, kept from one sort to the next: building a key costs more
// than sorting by it. A key of a combined text stays valid as long as its text exists; the key
// of a cell is found by the cell's text itself, which the entry holds on to, so it is kept
// until the cell gets another text. Keys no longer in use are dropped once more than
// `hoechstens` are kept.
class Kollationen
{
public:
    // As schluessel_raenge.
    std::vector<int> raenge(const std::vector<QString> &schluessel, size_t hoechstens);
    size_t anzahl() const { return m_schluessel.size() + m_zellen.size(); }

    // Positions 0..n-1 of the cells in ascending order of their sort keys by `typ`; equal
    // keys keep their order.
    std::vector<int> zellen_ordnen(const std::vector<const QString *> &zellen, QChar typ,
                                   QDate heute, size_t hoechstens);

private:
    struct Zelleneintrag
    {
        QString text; // shares the cell's text, so that its address names no other text
        QChar typ;
        QDate heute;
        QString schluessel;
        bool nach_code = false; // the key orders alike by code and by collation
        std::optional<QCollatorSortKey> kollation;
    };
    struct Streuung
    {
        size_t operator()(const QString &text) const { return qHash(text); }
    };
    void sprache_pruefen();
    Zelleneintrag &zelleneintrag(const QString &zelle, QChar typ, QChar komma, QDate heute);

    std::unordered_map<QString, QCollatorSortKey, Streuung> m_schluessel;
    std::unordered_map<const QChar *, Zelleneintrag> m_zellen;
    std::optional<QCollator> m_kollator;
    QLocale m_sprache;
};
// Positions 0..n-1 ordered by their ranks, each below `anzahl_raenge`; equal ranks keep their
// order.
std::vector<int> nach_raengen_ordnen(const std::vector<int> &raenge, int anzahl_raenge);

// Number columns ("I", "F", "C") order by their value rounded to four decimals, as their text
// keys do; the value itself spares building and comparing texts.
bool ist_zahl_typ(QChar typ);
qint64 zahl_rang(const QString &zelle);
// Positions ordered by rows of `felder` numbers each; equal rows keep their order.
std::vector<int> zahlen_ordnen(const std::vector<qint64> &raenge, size_t felder);
