#include "appearance/farbsatz.h"

#include "storage/sichere_datei.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

const QString farben_dateiname = u"farben.frb"_s;

namespace {

struct Farbvorgabe
{
    speicher::FarbeFeld feld;
    qint32 wert;
};

constexpr std::array farbvorgaben{
    Farbvorgabe{frb::H_bs_hg, 0xDBF2E4},
    Farbvorgabe{frb::D_bs_umr, 0x6CC4EE},
    Farbvorgabe{frb::D_bs_umr_inn, 0xCDC9C2},
    Farbvorgabe{frb::D_bs_umr_aus, 0xDAD5C0},
    Farbvorgabe{frb::D_bs_ueb, 0xAAD8DF},
    Farbvorgabe{frb::D_bs_ueb_font, 0x9F7439},
    Farbvorgabe{frb::D_bs_pan, 0xCEF1F4},
    Farbvorgabe{frb::D_bs_pan_font, 0x964D25},
    Farbvorgabe{frb::D_bs_pan_alarm, 0x75BAFF},
    Farbvorgabe{frb::schl_gruppe, 0x4080FF},
    Farbvorgabe{frb::schl_ausgegeben, 0x40FF00},
    Farbvorgabe{frb::uebersch_rueckgd, 0x0000FF},
    Farbvorgabe{frb::D_bs_fa, 0xCCE3E2},
    Farbvorgabe{frb::D_bs_fa_font, 0xD0A364},
    Farbvorgabe{frb::fenster, 0xCCE3E2},
    Farbvorgabe{frb::menuebar, 0xC1E3E8},
    Farbvorgabe{frb::form_umr, 0xBADEE4},
    Farbvorgabe{frb::listb, 0xCEF1F4},
    Farbvorgabe{frb::listb_font, 0x000080},
    Farbvorgabe{frb::String_box_sum, 0xDAD5C0},
    Farbvorgabe{frb::String_box_mark_Row, 0xE0E2E0},
    Farbvorgabe{frb::String_box_mark_Row_font, 0x000080},
    Farbvorgabe{frb::String_box, 0xCDCDC9},
    Farbvorgabe{frb::String_box_ueb, 0xCED5D5},
    Farbvorgabe{frb::String_box_font, 0x800000},
    Farbvorgabe{frb::String_box_ueb_Font, 0x800000},
    Farbvorgabe{frb::chart_umr, 0xC0C0C0},
    Farbvorgabe{frb::chart_Hg, 0xDEC6A5},
    Farbvorgabe{frb::chart_balken_p, 0x00FF00},
    Farbvorgabe{frb::chart_balken_n, 0x0000FF},
    Farbvorgabe{frb::chart_font_l_u, 0x800000},
    Farbvorgabe{frb::chart_font_ueber, 0x800000},
};

// Font sizes of the screen-size blocks that differ from block to block.
struct Groessenvorgabe
{
    qint32 ueb_g, ue_grid_g, grid_g, da_g;
};

constexpr std::array<Groessenvorgabe, 8> groessenvorgaben{{
    {10, 9, 8, 9},   // k800
    {7, 8, 7, 6},    // g800
    {11, 9, 8, 9},   // k1024
    {11, 7, 7, 9},   // g1024
    {10, 10, 9, 9},  // k1280
    {11, 10, 8, 9},  // g1280
    {10, 13, 9, 9},  // k1600
    {11, 10, 8, 10}, // g1600
}};

void schriftsaetze_vorgeben(Tcolor1 &farben)
{
    for (std::size_t n = 0; n < frb::schriftsaetze.size(); ++n) {
        const frb::Schriftsatz &s = frb::schriftsaetze[n];
        for (speicher::TextFeld feld :
             {s.fa1_s, s.fa2_s, s.rue_s, s.ueb_s, s.ue_grid_s, s.grid_s, s.da_s})
            farben.setze(feld, u"Arial"_s);
        farben.setze(s.list_s, u"Verdana"_s);
        for (speicher::Int32Feld feld : {s.fa1_g, s.fa2_g, s.rue_g})
            farben.setze(feld, 11);
        farben.setze(s.list_g, 8);
        const Groessenvorgabe &g = groessenvorgaben[n];
        farben.setze(s.ueb_g, g.ueb_g);
        farben.setze(s.ue_grid_g, g.ue_grid_g);
        farben.setze(s.grid_g, g.grid_g);
        farben.setze(s.da_g, g.da_g);
    }
    farben.setze(frb::k1024.list_s, u"Arial"_s);
    farben.setze(frb::k1024.sm_s, u"Book Antiqua"_s);
    farben.setze(frb::k1024.sm_g, 40);
}

QString pfad(const QString &daten_pfad)
{
    return daten_pfad + farben_dateiname;
}

// Only the record's bytes are read, so an oversized file cannot fill memory.
bool einlesen(Tcolor1 &farben, const QString &daten_pfad)
{
    QFile datei(pfad(daten_pfad));
    return datei.open(QIODevice::ReadOnly) && farben.von_bytes(datei.read(frb::groesse));
}

} // namespace

Tcolor1 Tcolor1::grundwerte()
{
    Tcolor1 farben;
    for (const Farbvorgabe &vorgabe : farbvorgaben)
        farben.setze(vorgabe.feld, vorgabe.wert);
    farben.setze(frb::ue_chart_s, u"Verdana"_s);
    farben.setze(frb::chart_s, u"Verdana"_s);
    farben.setze(frb::ue_chart_g, 10);
    farben.setze(frb::chart_g, 8);
    farben.setze(frb::list_s, u"Arial"_s);
    farben.setze(frb::list_g, 8);
    schriftsaetze_vorgeben(farben);
    farben.setze(frb::end_gradient1, 0xE8E8FF);
    return farben;
}

void Farben_anlegen(Tcolor1 &farben, const QString &daten_pfad)
{
    farben = Tcolor1::grundwerte();
    if (speicher::datei_ersetzen(pfad(daten_pfad), farben.bytes()))
        einlesen(farben, daten_pfad);
}

void farben_lesen(Tcolor1 &farben, const QString &daten_pfad)
{
    if (!einlesen(farben, daten_pfad))
        Farben_anlegen(farben, daten_pfad);
}

std::optional<QString> farben_speichern(Tcolor1 &farben, const QString &daten_pfad)
{
    const QString datei = pfad(daten_pfad);
    if (!QFile::exists(datei) || speicher::datei_ersetzen(datei, farben.bytes()))
        return std::nullopt;
    Farben_anlegen(farben, daten_pfad);
    return u"Die Farben wurden nicht gespeichert: Die Datei \"%1\" konnte nicht geschrieben "
           u"werden."_s.arg(QDir::toNativeSeparators(datei));
}
