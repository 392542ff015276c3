#include "shell/ton_modul.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

using namespace Qt::StringLiterals;

// Qt Multimedia with its audio stack, loaded only when the horn first sounds.
class QtTonModul : public QObject, public TonModul
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TonModul_iid)
    Q_INTERFACES(TonModul)

public:
    void abspielen(const QString &wav_datei) override
    {
        if (!m_ton) {
            m_ton = new QSoundEffect(this);
            m_ton->setObjectName(QString::fromLatin1(ton_effekt_name));
            // Gone while the application still runs: the module itself is destroyed only after
            // it, and an effect cleaned up then corrupts the heap (an optimised build aborts or
            // spins at exit).
            connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { delete m_ton; });
        }
        m_ton->setSource(QUrl::fromLocalFile(wav_datei));
        m_ton->play();
    }

    bool ausgabegeraet_vorhanden() const override { return tonausgabe_vorhanden(); }

private:
    static bool tonausgabe_vorhanden() { return !QMediaDevices::audioOutputs().isEmpty(); }

    QPointer<QSoundEffect> m_ton;
};

#include "qt_plattform_ton.moc"
