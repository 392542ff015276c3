#include "matchplan/gitter_ablage.h"

#include "grid/filtergrid.h"

bool gitter_speichern_nach(GitterModell &gitter, const QString &pfad)
{
    // The grid writes only to its own file name.
    const QString bisher = gitter.FileName();
    gitter.SetFileName(pfad);
    const bool geschrieben = gitter.SaveToFile(true);
    gitter.SetFileName(bisher);
    return geschrieben;
}
