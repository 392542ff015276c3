#include "test_plattform.h"

using namespace Qt::StringLiterals;

QStringList TestPlattform::texte() const
{
    QStringList ergebnis;
    for (const Meldung &m : meldungen)
        ergebnis << m.text;
    return ergebnis;
}

void TestPlattform::information(const QString &text)
{
    meldungen.append({Meldung::Information, text});
}

bool TestPlattform::warnung_ja_nein(const QString &text)
{
    meldungen.append({Meldung::Warnung, text});
    return ja_nein_antworten.isEmpty() ? false : ja_nein_antworten.dequeue();
}

void TestPlattform::fehler(const QString &text)
{
    meldungen.append({Meldung::Fehler, text});
}

void TestPlattform::umwandlungsfehler(const QString &text)
{
    meldungen.append({Meldung::Fehler, text, true});
}

void TestPlattform::schreibfehler(const QString &text)
{
    meldungen.append({Meldung::Schreibfehler, text});
}

QString TestPlattform::datei_speichern_dialog(const QString &, const QString &,
                                              const QString &filter)
{
    speichern_filter << filter;
    return datei_antworten.isEmpty() ? QString() : datei_antworten.dequeue();
}

QString TestPlattform::datei_speichern_dialog_mit_art(const QString &titel,
                                                      const QString &vorschlag,
                                                      const QString &filter, QString &dateiart)
{
    dateiart = dateiart_antwort.isEmpty() ? filter.section(u";;"_s, 0, 0) : dateiart_antwort;
    return datei_speichern_dialog(titel, vorschlag, filter);
}

QString TestPlattform::datei_oeffnen_dialog(const QString &, const QString &, const QString &)
{
    return datei_antworten.isEmpty() ? QString() : datei_antworten.dequeue();
}

QString TestPlattform::ordner_dialog(const QString &, const QString &)
{
    return datei_antworten.isEmpty() ? QString() : datei_antworten.dequeue();
}

std::optional<QColor> TestPlattform::farbe_waehlen(const QColor &start,
                                                   QList<QColor> &eigene_farben)
{
    farb_starts.append(start);
    gezeigte_eigene_farben = eigene_farben;
    if (!geaenderte_eigene_farben.isEmpty())
        eigene_farben = geaenderte_eigene_farben;
    return farb_antworten.isEmpty() ? std::nullopt : farb_antworten.dequeue();
}

bool TestPlattform::hilfe_oeffnen(const QString &hilfe_datei, int thema)
{
    hilfe_aufrufe.append({hilfe_datei, thema});
    return hilfe_vorhanden;
}

QImage TestPlattform::bildschirm_aufnehmen(const QRect &bereich)
{
    aufnahme_bereiche << bereich;
    return aufnahme;
}
