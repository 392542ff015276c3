#pragma once

#include <QtPlugin>

class QString;

// The module "vorlix_ton" (Qt Multimedia): plays a WAV file without waiting.
class TonModul
{
public:
    virtual ~TonModul() = default;
    virtual void abspielen(const QString &wav_datei) = 0;
    // False when the system offers no audio output at all: the horn would stay silent.
    virtual bool ausgabegeraet_vorhanden() const = 0;
};

#define TonModul_iid "vorlix.TonModul/1"
Q_DECLARE_INTERFACE(TonModul, TonModul_iid)

inline constexpr const char *ton_modul_name = "vorlix_ton";
// The object name of the module's sound effect, a child of its plugin object while it lives.
inline constexpr const char *ton_effekt_name = "Hupe";
