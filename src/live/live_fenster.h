#pragma once

#include "live/live_server.h"

#include <QDialog>
#include <QHostAddress>

class Plattform;
class QCheckBox;
class QLabel;
class QSpinBox;
struct Zustand;

// "Live-Seite": offers the match day as a read-only page to the phones in the hall's network;
// with "Ergebnisse von den Tischen annehmen" (kept in the additional settings, off unless set)
// the slips' pages take proposed scores too.
// The check box starts and stops the server (off at every start of the program), the port is
// kept in the additional settings, and the laptop's addresses are shown with a QR code of the
// first one for the phones' cameras. Closing the window leaves the page running.
class LiveFenster : public QDialog
{
    Q_OBJECT

public:
    LiveFenster(Zustand &zustand, Plattform &plattform, QWidget *eltern = nullptr);

    // A new snapshot of the match day, for the phones.
    void stand_senden(const QByteArray &dokument);
    LiveServer &server() { return m_server; }
    // Where the server listens; all IPv4 interfaces unless a test binds the loopback.
    void bindung_setzen(const QHostAddress &adresse) { m_bindung = adresse; }
    // The page's address for the slips ("http://…:port/") while the page runs and takes results
    // from the tables; else empty.
    QString tischseite() const;

    QCheckBox *m_tische = nullptr;

    QCheckBox *m_anbieten = nullptr;
    QSpinBox *m_port = nullptr;
    QLabel *m_adressen = nullptr;
    QLabel *m_qr_code = nullptr;
    QLabel *m_status = nullptr;

signals:
    // The page was switched on or off, or a phone came or went.
    void lage_geaendert();

private:
    void oberflaeche_aufbauen();
    void umschalten(bool an);
    void port_geaendert(int port);
    void tische_umschalten(bool an);
    void adressen_zeigen();
    void status_zeigen();

    Zustand &m_zustand;
    Plattform &m_plattform;
    LiveServer m_server;
    QHostAddress m_bindung = QHostAddress(QHostAddress::AnyIPv4);
};

// The page's addresses: http://a.b.c.d:port/ for every IPv4 address of an interface that is up
// and not the loopback.
QStringList live_adressen(quint16 port);
