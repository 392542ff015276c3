#include "shell/ton_modul.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

// Qt Multimedia with its audio stack, loaded only when the horn first sounds.
class QtTonModul : public QObject, public TonModul
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TonModul_iid)
    Q_INTERFACES(TonModul)

public:
    void abspielen(const QString &wav_datei) override
    {
        if (!m_ton)
            m_ton = std::make_unique<QSoundEffect>();
        m_ton->setSource(QUrl::fromLocalFile(wav_datei));
        m_ton->play();
    }

    bool ausgabegeraet_vorhanden() const override { return tonausgabe_vorhanden(); }

private:
    static bool tonausgabe_vorhanden() { return !QMediaDevices::audioOutputs().isEmpty(); }


    std::unique_ptr<QSoundEffect> m_ton;
};

#include "qt_plattform_ton.moc"
