#pragma once

#include "help/hilfe_sitemap.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <optional>

class ChmDatei;

// The content of a compiled help file as the help window shows it: the contents tree, the
// index, the pages addressed by topic number, the pages themselves and a search over their
// text.
class HilfeBuch
{
public:
    HilfeBuch();
    ~HilfeBuch();
    HilfeBuch(HilfeBuch &&) noexcept;
    HilfeBuch &operator=(HilfeBuch &&) noexcept;

    // False, with nothing loaded, when the file is missing, damaged or holds no page.
    bool oeffnen(const QString &pfad);
    bool offen() const { return m_datei != nullptr; }
    QString datei() const { return m_pfad; }

    QString titel() const { return m_titel; }
    QString startseite() const { return m_startseite; }
    const std::vector<HilfeEintrag> &inhalt() const { return m_inhalt; }
    // Sorted as German readers expect, case-insensitive.
    const std::vector<HilfeEintrag> &stichwoerter() const { return m_stichwoerter; }

    // The page of a topic number; empty for an unknown topic.
    QString thema_seite(int thema) const;
    // Pages and pictures by their path inside the file; nothing when missing.
    std::optional<QByteArray> lesen(const QString &pfad) const;
    QString seitentitel(const QString &seite) const;
    // Pages whose text holds every word of the search text, in the order of the contents.
    QStringList suchen(const QString &text) const;

private:
    void system_lesen();
    void themen_lesen();
    QStringList seiten() const;

    std::unique_ptr<ChmDatei> m_datei;
    QString m_pfad;
    QString m_titel;
    QString m_startseite;
    std::vector<HilfeEintrag> m_inhalt;
    std::vector<HilfeEintrag> m_stichwoerter;
    QHash<int, QString> m_themen;
    mutable QHash<QString, QString> m_texte; // plain text of each page, filled by the first search
};
