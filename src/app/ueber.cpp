#include "app/ueber.h"

#include <QtGlobal>

using namespace Qt::StringLiterals;

QList<Bibliothek> verwendete_bibliotheken()
{
    return {
        {u"Qt "_s + QString::fromLatin1(qVersion()), u"Fenster, Dateien, Drucken, Ton, Live-Seite"_s,
         u"GNU Lesser General Public License 3.0"_s},
        {u"CHMLib"_s, u"Lesen der Hilfe-Datei"_s,
         u"GNU Lesser General Public License 2.1 oder neuer"_s},
        {u"libqrencode"_s, u"QR-Code der Live-Seite"_s,
         u"GNU Lesser General Public License 2.1 oder neuer"_s},
        {u"DejaVu-Schriften"_s, u"Ersatz für Zeichen, die der Fensterschrift fehlen"_s,
         u"freie Lizenz der Bitstream-Vera-Schriften"_s},
        {u"Liberation-Schriften"_s, u"Schrift der Fenster"_s, u"SIL Open Font License 1.1"_s},
    };
}
