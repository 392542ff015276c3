#include "matchplan/tischschluessel.h"

#include "shell/zusatz.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype hash_bytes = 18;

// Every field with its length in front, so that no two games give the same message.
void anhaengen(QByteArray &nachricht, const QByteArray &feld)
{
    const quint32 laenge = quint32(feld.size());
    for (int i = 0; i < 4; ++i)
        nachricht += char((laenge >> (8 * i)) & 0xff);
    nachricht += feld;
}

} // namespace

QByteArray tischschluessel(const QByteArray &geheimnis, const Tischspiel &spiel)
{
    QByteArray nachricht;
    anhaengen(nachricht, spiel.doppel ? "Doppelspiel" : "Einzelspiel");
    anhaengen(nachricht, QByteArray::number(spiel.spalte));
    anhaengen(nachricht, spiel.name1.toUtf8());
    anhaengen(nachricht, QByteArray::number(spiel.zeile));
    anhaengen(nachricht, spiel.name2.toUtf8());
    anhaengen(nachricht, spiel.datum.toString(Qt::ISODate).toLatin1());
    const QByteArray hash =
        QMessageAuthenticationCode::hash(nachricht, geheimnis, QCryptographicHash::Sha256);
    return hash.first(hash_bytes)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool schluessel_gleich(QByteArrayView gesendet, QByteArrayView richtig)
{
    unsigned unterschied = gesendet.size() == tischschluessel_laenge ? 0u : 1u;
    unterschied |= richtig.size() == tischschluessel_laenge ? 0u : 1u;
    for (qsizetype i = 0; i < tischschluessel_laenge; ++i) {
        const unsigned char a = i < gesendet.size() ? gesendet[i] : 0;
        const unsigned char b = i < richtig.size() ? richtig[i] : 0xff;
        unterschied |= unsigned(a ^ b);
    }
    return unterschied == 0;
}

std::optional<Tischspiel> spiel_zum_schluessel(QByteArrayView gesendet, const QByteArray &geheimnis,
                                               const QList<Tischspiel> &spiele)
{
    std::optional<Tischspiel> treffer;
    if (geheimnis.isEmpty())
        return treffer;
    for (const Tischspiel &spiel : spiele) {
        if (schluessel_gleich(gesendet, tischschluessel(geheimnis, spiel)) && !treffer)
            treffer = spiel;
    }
    return treffer;
}

QByteArray tagesgeheimnis_lesen(const QString &daten_pfad, const QDate &tag)
{
    const QByteArray geheimnis = zusatz_tagesgeheimnis(daten_pfad, tag);
    return geheimnis.size() == tagesgeheimnis_laenge ? geheimnis : QByteArray();
}

Tagesgeheimnis tagesgeheimnis(const QString &daten_pfad, const QDate &tag, bool neu)
{
    if (!neu) {
        if (QByteArray geheimnis = tagesgeheimnis_lesen(daten_pfad, tag); !geheimnis.isEmpty())
            return {geheimnis, std::nullopt};
    }
    QByteArray geheimnis(tagesgeheimnis_laenge, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(geheimnis.data()),
                                          tagesgeheimnis_laenge / 4);
    return {geheimnis, zusatz_tagesgeheimnis_setzen(daten_pfad, tag, geheimnis)};
}

QString tischadresse(const QString &seite, QByteArrayView schluessel)
{
    QString adresse = seite;
    if (!adresse.endsWith(u'/'))
        adresse += u'/';
    return adresse + u"e/"_s + QString::fromLatin1(schluessel);
}
