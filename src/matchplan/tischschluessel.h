#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The key on a game's slip that lets a phone propose that game's score: a keyed hash
// (HMAC-SHA-256) of the game (both entries, the game kind, the day) with the secret of the day.
// Without the secret no key can be guessed or made for another game or day.

// The game a key stands for: team 1's entry `spalte` and team 2's entry `zeile` (the game's
// matrix cell, counted from 1) with their names.
struct Tischspiel
{
    bool doppel = false;
    int spalte = 0;
    int zeile = 0;
    QString name1;
    QString name2;
    QDate datum;

    bool operator==(const Tischspiel &) const = default;
};

// 18 bytes of the hash (144 bits) in base64url without padding: 24 characters, all of them
// safe in a path.
inline constexpr qsizetype tischschluessel_laenge = 24;
inline constexpr qsizetype tagesgeheimnis_laenge = 32;

QByteArray tischschluessel(const QByteArray &geheimnis, const Tischspiel &spiel);

// Compares a key sent by a phone with one made here in a time that depends on neither: a key
// of another length is compared as far as the fixed length anyway.
bool schluessel_gleich(QByteArrayView gesendet, QByteArrayView richtig);

// The game of the list whose key is `gesendet`; every game is compared, whether or not one
// matched before.
std::optional<Tischspiel> spiel_zum_schluessel(QByteArrayView gesendet, const QByteArray &geheimnis,
                                               const QList<Tischspiel> &spiele);

// The secret of the day from "Vorlix_Zusatz.ini"; the first call of a day makes one from the
// system's random source and keeps it, so that slips printed before a restart stay valid.
// `neu` makes a new one, which makes every older slip useless.
struct Tagesgeheimnis
{
    QByteArray geheimnis;
    std::optional<QString> fehler; // the secret could not be kept: slips of it fail after a restart
};
Tagesgeheimnis tagesgeheimnis(const QString &daten_pfad, const QDate &tag, bool neu = false);

// The secret kept for that day, without making one; empty when there is none.
QByteArray tagesgeheimnis_lesen(const QString &daten_pfad, const QDate &tag);

// "http://192.168.1.20:8080/e/<key>" from the page's address "http://192.168.1.20:8080/".
QString tischadresse(const QString &seite, QByteArrayView schluessel);
