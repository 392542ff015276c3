#pragma once

class QString;
class TOptionen;

// Takes a chosen sound file into wav_datei: the path is cut to the field's 100 bytes first and
// then only its file name is kept, so an overlong path yields a shortened name. An empty
// choice (a cancelled dialog) keeps the stored name, reduced to its file name as well.
void wav_datei_uebernehmen(TOptionen &optionen, const QString &gewaehlter_pfad);
