#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

extern const QString eigene_farben_dateiname;

// The sixteen custom colours of the colour chooser as kept in "farb.txt": lines
// "ColorA=..".."ColorP=.." with Windows colour values in hexadecimal. Other lines of the file stay
// where they are.
class EigeneFarben
{
public:
    static constexpr int anzahl = 16;
    static constexpr quint32 unbelegt = 0xFFFFFFFF;

    EigeneFarben();

    // A missing file leaves all sixteen unset; false when the file is there but unreadable.
    bool lesen(const QString &pfad);
    // Every name gets its line: lines already there keep their place, missing ones are appended.
    bool schreiben(const QString &pfad) const;

    quint32 wert(int nr) const { return m_werte.at(nr); }
    void setze(int nr, quint32 wert) { m_werte.at(nr) = wert; }

    // As the colour chooser shows them; an unset colour shows white.
    QList<QColor> als_farben() const;
    // Takes the chooser's colours back; a colour left as shown keeps its stored value, so an
    // unset one stays unset.
    void aus_farben(const QList<QColor> &farben);

    static QString name(int nr); // "ColorA" .. "ColorP"
    static QString wert_text(quint32 wert);

private:
    std::array<quint32, anzahl> m_werte;
    QStringList m_zeilen;
};
