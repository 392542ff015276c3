// Arbitrary bytes as the help file: opening either refuses the file or gives a help whose
// contents, index, topics, pages and search all work; never a crash or a hang.
#include "../grid/fuzz_qt_start.h"
#include "help/hilfe_buch.h"
#include "storage/sichere_datei.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void eintraege_lesen(const HilfeBuch &buch, const std::vector<HilfeEintrag> &eintraege)
{
    for (const HilfeEintrag &e : eintraege) {
        if (!e.seite.isEmpty())
            buch.seitentitel(e.seite);
        eintraege_lesen(buch, e.kinder);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    fuzz_qt_starten();
    static QTemporaryDir ordner;
    const QString pfad = ordner.filePath(u"hilfe.chm"_s);
    speicher::datei_ersetzen(
        pfad, QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    HilfeBuch buch;
    if (!buch.oeffnen(pfad))
        return 0;
    if (!buch.lesen(buch.startseite()))
        std::abort();
    for (int thema : {150, 600, 1050})
        buch.lesen(buch.thema_seite(thema));
    eintraege_lesen(buch, buch.inhalt());
    eintraege_lesen(buch, buch.stichwoerter());
    buch.suchen(u"Plan"_s);
    return 0;
}
