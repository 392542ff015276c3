#include "pictures/jpeg_schreiben.h"

#include "storage/sichere_datei.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg ends the process on an error unless its error handler jumps back; the jump only
// crosses the library's C frames and these two functions, which hold no C++ objects.
struct Fehlerfalle
{
    jpeg_error_mgr meldungen; // first: libjpeg hands the handler a pointer to it
    std::jmp_buf ruecksprung;
};

[[noreturn]] void fehler_zurueck(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Fehlerfalle *>(info->err)->ruecksprung, 1);
}

void keine_meldung(j_common_ptr) {}

// The compressed bytes grow in a QByteArray owned by the caller.
struct Puffer
{
    jpeg_destination_mgr ziel; // first, as above
    QByteArray *daten;
};

constexpr qsizetype erster_block = 64 * 1024;

void puffer_beginnen(j_compress_ptr info)
{
    auto *puffer = reinterpret_cast<Puffer *>(info->dest);
    puffer->daten->resize(erster_block);
    puffer->ziel.next_output_byte = reinterpret_cast<JOCTET *>(puffer->daten->data());
    puffer->ziel.free_in_buffer = size_t(puffer->daten->size());
}

boolean puffer_voll(j_compress_ptr info)
{
    auto *puffer = reinterpret_cast<Puffer *>(info->dest);
    const qsizetype belegt = puffer->daten->size();
    puffer->daten->resize(2 * belegt);
    puffer->ziel.next_output_byte = reinterpret_cast<JOCTET *>(puffer->daten->data() + belegt);
    puffer->ziel.free_in_buffer = size_t(belegt);
    return TRUE;
}

void puffer_schliessen(j_compress_ptr info)
{
    auto *puffer = reinterpret_cast<Puffer *>(info->dest);
    puffer->daten->resize(puffer->daten->size() - qsizetype(puffer->ziel.free_in_buffer));
}

bool komprimieren(const QImage &rgb, int qualitaet, QByteArray &ergebnis)
{
    jpeg_compress_struct info{};
    Fehlerfalle falle{};
    Puffer puffer{};
    info.err = jpeg_std_error(&falle.meldungen);
    falle.meldungen.error_exit = fehler_zurueck;
    falle.meldungen.output_message = keine_meldung;
    if (setjmp(falle.ruecksprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    puffer.daten = &ergebnis;
    puffer.ziel.init_destination = puffer_beginnen;
    puffer.ziel.empty_output_buffer = puffer_voll;
    puffer.ziel.term_destination = puffer_schliessen;
    info.dest = &puffer.ziel;

    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (qualitaet > 0)
        jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPLE *>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QByteArray jpeg_komprimieren(const QImage &bild, std::optional<int> qualitaet)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    QByteArray ergebnis;
    if (!komprimieren(rgb, qualitaet.value_or(0), ergebnis))
        return {};
    return ergebnis;
}

bool jpeg_schreiben(const QImage &bild, const QString &pfad, std::optional<int> qualitaet)
{
    const QByteArray daten = jpeg_komprimieren(bild, qualitaet);
    return !daten.isEmpty() && speicher::datei_ersetzen(pfad, daten);
}
