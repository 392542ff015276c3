#pragma once

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringList>

// The entries of one list box, kept sorted as a German reader expects (case-insensitive);
// equal texts may stand more than once. Each entry carries its selection mark.
class SortierteListe
{
public:
    struct Eintrag
    {
        QString text;
        bool markiert = false;
    };

    SortierteListe();

    int anzahl() const { return int(m_eintraege.size()); }
    bool leer() const { return m_eintraege.isEmpty(); }
    const QList<Eintrag> &eintraege() const { return m_eintraege; }
    QStringList texte() const;

    // Sorts the text in behind any equal entries; it comes unmarked.
    void einfuegen(const QString &text);
    void leeren() { m_eintraege.clear(); }

    // Marks exactly the entries at the given indices; others are unmarked.
    void markieren(const QList<int> &indizes);
    // Index of the first marked entry, or -1.
    int GetFirstSelection() const;
    // Marks the entry nearest to index in addition to the marks already set: -1 becomes the
    // first entry, an index beyond the end the last; an empty list marks nothing.
    void markieren_nahe(int index);

    // Walks this list from its last entry to its first and moves every marked entry over.
    void MoveSelected(SortierteListe &ziel);
    void alle_verschieben(SortierteListe &ziel);

private:
    QCollator m_sortierung;
    QList<Eintrag> m_eintraege;
};
