#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One entry of the contents or the index of a help file.
struct HilfeEintrag
{
    QString name;
    QString seite; // path inside the help file, e.g. "/start.html"; empty for a heading
    std::vector<HilfeEintrag> kinder;
};

// Reads the contents (.hhc) or index (.hhk) list of a help file: nested <UL> lists whose <LI>
// items carry an <OBJECT type="text/sitemap"> with "Name" and "Local" parameters. Text is
// UTF-8 unless the page names another character set. Nesting deeper than a few dozen levels
// is flattened.
std::vector<HilfeEintrag> sitemap_lesen(const QByteArray &html);

// "seite.html", "./seite.html#anker" or "/seite.html" as the path of the page in the file.
QString hilfe_seitenpfad(const QString &verweis);
