#include "live/live_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "live/qr_bild.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "shell/zusatz.h"
#include "shell/zustand.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Large enough for a phone's camera from an arm's length off the screen.
constexpr int qr_modul_pixel = 8;

} // namespace

QStringList live_adressen(quint16 port)
{
    QStringList adressen;
    for (const QNetworkInterface &schnittstelle : QNetworkInterface::allInterfaces()) {
        const auto merkmale = schnittstelle.flags();
        if (!merkmale.testFlag(QNetworkInterface::IsUp) ||
            !merkmale.testFlag(QNetworkInterface::IsRunning) ||
            merkmale.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &eintrag : schnittstelle.addressEntries()) {
            const QHostAddress adresse = eintrag.ip();
            if (adresse.protocol() == QAbstractSocket::IPv4Protocol && !adresse.isLoopback())
                adressen << u"http://%1:%2/"_s.arg(adresse.toString()).arg(port);
        }
    }
    return adressen;
}

LiveFenster::LiveFenster(Zustand &zustand, Plattform &plattform, QWidget *eltern)
    : QDialog(eltern)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    connect(&m_server, &LiveServer::telefone_geaendert, this, &LiveFenster::status_zeigen);
    adressen_zeigen();
    status_zeigen();
}

void LiveFenster::oberflaeche_aufbauen()
{
    setObjectName(u"LiveFenster"_s);
    setWindowTitle(u"Live-Seite"_s);
    auto *spalte = new QVBoxLayout(this);

    m_anbieten = new QCheckBox(u"Live-Seite &anbieten"_s);
    m_anbieten->setObjectName(u"Anbieten"_s);
    m_anbieten->setAccessibleName(u"Live-Seite anbieten"_s);
    connect(m_anbieten, &QCheckBox::toggled, this, &LiveFenster::umschalten);
    spalte->addWidget(m_anbieten);

    m_tische = new QCheckBox(u"Ergebnisse von den &Tischen annehmen"_s);
    m_tische->setObjectName(u"Tische"_s);
    m_tische->setAccessibleName(u"Ergebnisse von den Tischen annehmen"_s);
    m_tische->setChecked(zusatz_tischmeldungen(m_zustand.daten_pfad));
    m_server.tische_annehmen(m_tische->isChecked());
    connect(m_tische, &QCheckBox::toggled, this, &LiveFenster::tische_umschalten);
    spalte->addWidget(m_tische);

    auto *port_zeile = new QHBoxLayout;
    auto *port_text = new QLabel(u"&Port:"_s);
    m_port = new QSpinBox;
    m_port->setObjectName(u"Port"_s);
    m_port->setRange(1024, 65535);
    m_port->setValue(zusatz_live_port(m_zustand.daten_pfad));
    m_port->setAccessibleName(u"Port"_s);
    port_text->setBuddy(m_port);
    connect(m_port, &QSpinBox::valueChanged, this, &LiveFenster::port_geaendert);
    port_zeile->addWidget(port_text);
    port_zeile->addWidget(m_port);
    port_zeile->addStretch(1);
    spalte->addLayout(port_zeile);

    auto *adressen_text = new QLabel(u"Adressen dieses Rechners im Hallennetz:"_s);
    m_adressen = new QLabel;
    m_adressen->setObjectName(u"Adressen"_s);
    m_adressen->setTextFormat(Qt::PlainText);
    m_adressen->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_adressen->setAccessibleName(u"Adressen dieses Rechners im Hallennetz"_s);
    adressen_text->setBuddy(m_adressen);
    spalte->addWidget(adressen_text);
    spalte->addWidget(m_adressen);

    m_qr_code = new QLabel;
    m_qr_code->setObjectName(u"QrCode"_s);
    m_qr_code->setAlignment(Qt::AlignCenter);
    m_qr_code->setAccessibleName(u"QR-Code der ersten Adresse"_s);
    spalte->addWidget(m_qr_code, 1);

    m_status = new QLabel;
    m_status->setObjectName(u"Status"_s);
    m_status->setWordWrap(true);
    spalte->addWidget(m_status);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    QPushButton *schliessen = knopf_anlegen(this, "Schliessen", u"&Schließen"_s);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
}

void LiveFenster::stand_senden(const QByteArray &dokument)
{
    m_server.senden(dokument);
}

void LiveFenster::umschalten(bool an)
{
    if (!an) {
        m_server.beenden();
        m_port->setEnabled(true);
        status_zeigen();
        return;
    }
    if (const auto fehler = m_server.starten(m_bindung, quint16(m_port->value()))) {
        const QSignalBlocker sperre(m_anbieten);
        m_anbieten->setChecked(false);
        m_status->setText(*fehler);
        m_plattform.fehler(*fehler);
        return;
    }
    m_port->setEnabled(false);
    adressen_zeigen();
    status_zeigen();
}

void LiveFenster::port_geaendert(int port)
{
    if (const std::optional<QString> fehler = zusatz_live_port_setzen(m_zustand.daten_pfad, port))
        m_plattform.schreibfehler(*fehler);
    adressen_zeigen();
}

void LiveFenster::tische_umschalten(bool an)
{
    m_server.tische_annehmen(an);
    if (const std::optional<QString> fehler =
            zusatz_tischmeldungen_setzen(m_zustand.daten_pfad, an))
        m_plattform.schreibfehler(*fehler);
}

QString LiveFenster::tischseite() const
{
    if (!m_server.laeuft() || !m_server.nimmt_tische_an())
        return {};
    return live_adressen(m_server.port()).value(0);
}

void LiveFenster::adressen_zeigen()
{
    const QStringList adressen = live_adressen(quint16(m_port->value()));
    if (adressen.isEmpty()) {
        m_adressen->setText(u"Keine – der Rechner ist mit keinem Netz verbunden."_s);
        m_qr_code->clear();
        return;
    }
    m_adressen->setText(adressen.join(u'\n'));
    m_qr_code->setPixmap(QPixmap::fromImage(qr_bild(adressen.first(), qr_modul_pixel)));
}

void LiveFenster::status_zeigen()
{
    if (!m_server.laeuft()) {
        m_status->setText(u"Die Live-Seite ist aus."_s);
    } else {
        const int telefone = m_server.telefone();
        m_status->setText(telefone == 1
                              ? u"Die Live-Seite läuft: 1 Telefon verbunden."_s
                              : u"Die Live-Seite läuft: %1 Telefone verbunden."_s.arg(telefone));
    }
    emit lage_geaendert();
}
