#pragma once

#include "storage/satzbild.h"

#include <QString>
#include <array>
#include <optional>

// The colour record "farben.frb": 3168 bytes of window colours, fonts and font sizes. The
// program applies only a few colour fields; every other byte is kept as read and written back.
namespace frb {
inline constexpr int groesse = 3168;

// Colours.
inline constexpr speicher::FarbeFeld H_bs_hg{0};
inline constexpr speicher::FarbeFeld D_bs_umr{4};
inline constexpr speicher::FarbeFeld D_bs_umr_inn{8};
inline constexpr speicher::FarbeFeld D_bs_umr_aus{12};
inline constexpr speicher::FarbeFeld D_bs_ueb{16};
inline constexpr speicher::FarbeFeld D_bs_ueb_font{20};
inline constexpr speicher::FarbeFeld D_bs_pan{24};
inline constexpr speicher::FarbeFeld D_bs_pan_font{28};
inline constexpr speicher::FarbeFeld D_bs_pan_alarm{32};
inline constexpr speicher::FarbeFeld schl_gruppe{36};
inline constexpr speicher::FarbeFeld schl_ausgegeben{40};
inline constexpr speicher::FarbeFeld uebersch_rueckgd{44};
inline constexpr speicher::FarbeFeld D_bs_fa{48};
inline constexpr speicher::FarbeFeld D_bs_fa_font{52};
inline constexpr speicher::FarbeFeld fenster{56};
inline constexpr speicher::FarbeFeld menuebar{60};
inline constexpr speicher::FarbeFeld form_umr{64};
inline constexpr speicher::FarbeFeld listb{68};
inline constexpr speicher::FarbeFeld listb_font{72};
inline constexpr speicher::FarbeFeld String_box_sum{76};
inline constexpr speicher::FarbeFeld String_box_mark_Row{80};
inline constexpr speicher::FarbeFeld String_box_mark_Row_font{84};
inline constexpr speicher::FarbeFeld String_box{88};
inline constexpr speicher::FarbeFeld String_box_ueb{92};
inline constexpr speicher::FarbeFeld String_box_font{96};
inline constexpr speicher::FarbeFeld String_box_ueb_Font{100};

// Chart and list fonts.
inline constexpr speicher::TextFeld ue_chart_s{104, 30};
inline constexpr speicher::TextFeld chart_s{135, 30};
inline constexpr speicher::Int32Feld ue_chart_g{168};
inline constexpr speicher::Int32Feld chart_g{172};
inline constexpr speicher::TextFeld list_s{176, 30};
inline constexpr speicher::TextFeld fa1_s{207, 30};
inline constexpr speicher::TextFeld fa2_s{238, 30};
inline constexpr speicher::TextFeld rue_s{269, 30};
inline constexpr speicher::TextFeld ueb_s{300, 30};
inline constexpr speicher::TextFeld da_s{331, 30};
inline constexpr speicher::TextFeld ue_grid_s{362, 30};
inline constexpr speicher::TextFeld grid_s{393, 30};
inline constexpr speicher::Int32Feld fa1_g{424};
inline constexpr speicher::Int32Feld fa2_g{428};
inline constexpr speicher::Int32Feld rue_g{432};
inline constexpr speicher::Int32Feld ueb_g{436};
inline constexpr speicher::Int32Feld da_g{440};
inline constexpr speicher::Int32Feld ue_grid_g{444};
inline constexpr speicher::Int32Feld grid_g{448};
inline constexpr speicher::Int32Feld list_g{452};
inline constexpr speicher::FarbeFeld chart_umr{456};
inline constexpr speicher::FarbeFeld chart_Hg{460};
inline constexpr speicher::FarbeFeld chart_balken_p{464};
inline constexpr speicher::FarbeFeld chart_balken_n{468};
inline constexpr speicher::FarbeFeld chart_font_l_u{472};
inline constexpr speicher::FarbeFeld chart_font_ueber{476};

// Fonts for one screen size: "k800" .. "g1600", one block of 228 bytes each.
struct Schriftsatz
{
    speicher::TextFeld fa1_s, fa2_s, rue_s, sm_s;
    speicher::Int32Feld fa1_g, fa2_g, rue_g, sm_g;
    speicher::TextFeld ueb_s, ue_grid_s, grid_s, da_s;
    speicher::Int32Feld ueb_g, ue_grid_g, grid_g, da_g;
    speicher::TextFeld list_s;
    speicher::Int32Feld list_g;
};
inline constexpr int schriftsatz_anfang = 480;
inline constexpr int schriftsatz_groesse = 228;
constexpr Schriftsatz schriftsatz(int n)
{
    const int b = schriftsatz_anfang + schriftsatz_groesse * n;
    return {{b, 20},   {b + 21, 20}, {b + 42, 20},  {b + 63, 20},  {b + 84},      {b + 88},
            {b + 92},  {b + 96},     {b + 100, 20}, {b + 121, 20}, {b + 142, 20}, {b + 163, 20},
            {b + 184}, {b + 188},    {b + 192},     {b + 196},     {b + 200, 20}, {b + 224}};
}
inline constexpr Schriftsatz k800 = schriftsatz(0);
inline constexpr Schriftsatz g800 = schriftsatz(1);
inline constexpr Schriftsatz k1024 = schriftsatz(2);
inline constexpr Schriftsatz g1024 = schriftsatz(3);
inline constexpr Schriftsatz k1280 = schriftsatz(4);
inline constexpr Schriftsatz g1280 = schriftsatz(5);
inline constexpr Schriftsatz k1600 = schriftsatz(6);
inline constexpr Schriftsatz g1600 = schriftsatz(7);
inline constexpr std::array<Schriftsatz, 8> schriftsaetze{k800,  g800,  k1024, g1024,
                                                          k1280, g1280, k1600, g1600};

// The rest: sizes, fonts, spare fields, gradients and drawing styles.
inline constexpr speicher::Int32Feld D_bs_ueb_schrift_groesse{2304};
inline constexpr speicher::Int32Feld D_bs_schrift_groesse{2308};
inline constexpr speicher::Int32Feld sm_g{2312};
inline constexpr speicher::TextFeld D_bs_ueb_schrift{2316, 20};
inline constexpr speicher::TextFeld D_bs_schrift{2337, 20};
inline constexpr speicher::TextFeld sm_s{2358, 20};
// long1..long10, Int1..Int10 and l_int1..l_int10, counted from 1.
constexpr speicher::Int32Feld long_feld(int i)
{
    return {2380 + 4 * (i - 1)};
}
constexpr speicher::Int32Feld Int_feld(int i)
{
    return {2420 + 4 * (i - 1)};
}
inline constexpr speicher::Int32Feld f_b_haupt{2460};
constexpr speicher::Int32Feld l_int(int i)
{
    return {2464 + 4 * (i - 1)};
}
inline constexpr speicher::TextFeld hg_bild{2504, 50};
inline constexpr speicher::TextFeld Titel_schrift{2555, 50};
// str2..str10.
constexpr speicher::TextFeld str(int i)
{
    return {2606 + 51 * (i - 2), 50};
}
inline constexpr speicher::Int32Feld start_gradient{3068};
inline constexpr speicher::Int32Feld end_gradient{3072};
inline constexpr speicher::Int32Feld end_gradient1{3076};
inline constexpr speicher::Int32Feld draw_style{3080};
inline constexpr speicher::Int32Feld cell_style{3084};
inline constexpr speicher::Int32Feld c_haft{3088};
inline constexpr speicher::Int32Feld c_voll{3092};
inline constexpr speicher::Int32Feld c_sch{3096};
inline constexpr speicher::Int32Feld Auto_hintergr{3100};
inline constexpr speicher::Int32Feld Titel_schrift_gr{3104};
inline constexpr speicher::Int32Feld uebh_of{3108};
inline constexpr speicher::Int32Feld uebf_of{3112};
inline constexpr speicher::Int32Feld Dbf_of{3116};
inline constexpr speicher::Int32Feld draw_style1{3120};
inline constexpr speicher::Int32Feld cell_style1{3124};
// Doub1..Doub5.
constexpr speicher::DoubleFeld Doub(int i)
{
    return {3128 + 8 * (i - 1)};
}
} // namespace frb

class Tcolor1 : public speicher::Satzbild
{
public:
    Tcolor1()
        : Satzbild(frb::groesse)
    {
    }
    // The record a new "farben.frb" receives; bytes outside the fields are zero.
    static Tcolor1 grundwerte();
};

extern const QString farben_dateiname;

// Load "farben.frb"; a missing file or one shorter than the record is replaced by the defaults.
void farben_lesen(Tcolor1 &farben, const QString &daten_pfad);
// Write the defaults as a new file and read it back; when the file cannot be written, the
// defaults stay in memory.
void Farben_anlegen(Tcolor1 &farben, const QString &daten_pfad);
// Write the record over an existing file; no file, no write. A failed write creates the
// defaults instead and gives the German message naming the file.
std::optional<QString> farben_speichern(Tcolor1 &farben, const QString &daten_pfad);
