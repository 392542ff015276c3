#pragma once

class TForm7;
class TForm8;
struct Zustand;

// "Gruppen Mitspieler anzeigen": in doubles shows the stored line-ups in TForm7, opening on
// team 1; in singles draws both teams anew, stores them and shows TForm8. The caller hides
// the start page.
void gruppen_mitspieler_anzeigen(Zustand &zustand, TForm7 &form7, TForm8 &form8);
