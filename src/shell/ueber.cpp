#include "shell/ueber.h"

#include <QtGlobal>

QList<Bibliothek> verwendete_bibliotheken()
{
    return {
        {QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
         QStringLiteral("Fenster, Dateien, Drucken, Ton"),
         QStringLiteral("GNU Lesser General Public License 3.0")},
        {QStringLiteral("CHMLib"), QStringLiteral("Lesen der Hilfe-Datei"),
         QStringLiteral("GNU Lesser General Public License 2.1 oder neuer")},
        {QStringLiteral("DejaVu-Schriften"), QStringLiteral("Schrift der Fenster"),
         QStringLiteral("freie Lizenz der Bitstream-Vera-Schriften")},
        {QStringLiteral("Liberation-Schriften"), QStringLiteral("Schrift der Werkzeugleiste"),
         QStringLiteral("SIL Open Font License 1.1")},
    };
}
