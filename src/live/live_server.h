#pragma once

#include "live/http_anfrage.h"
#include "live/tischroute.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>
#include <chrono>
#include <optional>

class QTcpSocket;
class QWebSocket;

// The live page's server: answers GET for the page, its script and style and the snapshot,
// and pushes every new snapshot to the phones connected over the WebSocket /live. It reads
// requests itself within fixed bounds (live/http_anfrage.h) and hands only a complete upgrade
// request to the WebSocket server, so every connection, half or hostile, is bounded in size,
// number and time. Requests and WebSockets have pools of their own, each with a share per
// address, so no single client keeps the phones out. Only the hall's network is served, and
// only under the address the connection came in at. A client changes nothing and reads no
// file; the only thing it can send is a proposal from a slip's page (live/tischroute.h), which
// the organiser confirms or rejects.
class LiveServer : public QObject
{
    Q_OBJECT

public:
    // Requests being read or answered; when full, the oldest unfinished one gives way.
    static constexpr int anfragen_hoechstens = 64;
    static constexpr int anfragen_je_adresse = 6;
    // WebSockets in the handshake or open; beyond that a phone gets 503.
    static constexpr int telefone_hoechstens = 100;
    static constexpr int telefone_je_adresse = 3;
    // What a phone may send in all over its WebSocket; it has nothing to say.
    static constexpr qint64 empfang_hoechstens = 4096;
    // Every byte a phone sends, frames of any kind included, within each period; a phone only
    // answers a ping now and then.
    static constexpr qint64 eingang_hoechstens = 4096;
    static constexpr std::chrono::milliseconds eingang_zeitraum{10000};
    // What may wait for a phone that does not read.
    static constexpr qint64 rueckstau_hoechstens = 256 * 1024;

    explicit LiveServer(QObject *eltern = nullptr);
    ~LiveServer() override;

    // Opens the port; the German message when it is taken or cannot be opened.
    std::optional<QString> starten(const QHostAddress &adresse, quint16 port);
    // Closes every connection and the port.
    void beenden();
    bool laeuft() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }

    // The snapshot for /stand.json and new phones; sent at once to every connected phone.
    void senden(const QByteArray &dokument);
    int telefone() const { return int(m_gaeste.size()); }
    int verbindungen();

    // The slips' pages "/e/<key>": who answers for the plan, and whether they are open.
    void tische_setzen(Tischannahme *annahme) { m_tische.annahme_setzen(annahme); }
    void tische_annehmen(bool an) { m_tische.annehmen(an); }
    bool nimmt_tische_an() const { return m_tische.nimmt_an(); }

    // Loopback, private and link-local addresses: the hall's network, not the world.
    static bool im_hallennetz(const QHostAddress &adresse);

    // How long a WebSocket may go without answering a ping, and a request may take to arrive.
    void fristen_setzen(std::chrono::milliseconds ruhe, std::chrono::milliseconds anfrage);

signals:
    void telefone_geaendert(int anzahl);

private:
    struct Anfrage
    {
        QPointer<QTcpSocket> leitung;
        QHostAddress adresse;
        qsizetype durchsucht = 0; // bytes known to hold no end of the head
        bool beantwortet = false;
    };
    struct Uebergabe
    {
        QPointer<QTcpSocket> leitung;
        QHostAddress adresse;
    };
    struct Gast
    {
        QWebSocket *kanal = nullptr;
        QPointer<QTcpSocket> leitung;
        QHostAddress adresse;
        qint64 empfangen = 0;
        QElapsedTimer lebenszeichen;
        QByteArray erwartet; // the payload of the last ping; only its pong is a sign of life
        qint64 eingang = 0;  // bytes within the current period
        QElapsedTimer zeitraum;
        qint64 ungelesen = 0; // bytes that were waiting after the WebSocket last read
    };

    void annehmen();
    bool platz_schaffen(const QHostAddress &adresse);
    void abweisen(QTcpSocket *leitung);
    void lesen(QTcpSocket *leitung);
    void beantworten(QTcpSocket *leitung, const HttpAnfrage &anfrage, qsizetype kopf_laenge);
    std::optional<int> fremd(QTcpSocket *leitung, const HttpAnfrage &anfrage) const;
    void tisch_beantworten(QTcpSocket *leitung, const HttpAnfrage &anfrage, qsizetype kopf_laenge,
                           const QByteArray &selbst);
    void antworten(QTcpSocket *leitung, const QByteArray &antwort);
    void uebergeben(QTcpSocket *leitung);
    void gast_aufnehmen();
    void gast_entfernen(QWebSocket *kanal);
    void verloren(QTcpSocket *leitung);
    void eingang_zaehlen(QTcpSocket *leitung);
    void gelesen(QTcpSocket *leitung);
    void empfangen(QWebSocket *kanal, qint64 bytes);
    void pruefen();
    void anpingen(Gast &gast);
    Gast *gast(QWebSocket *kanal);
    Gast *gast(QTcpSocket *leitung);
    Anfrage *anfrage(QTcpSocket *leitung);
    int websockets_von(const QHostAddress &adresse) const;

    QTcpServer m_server;
    QWebSocketServer m_websockets;
    QList<Anfrage> m_anfragen;     // reading a request or answering it, oldest first
    QList<Uebergabe> m_uebergeben; // in the WebSocket handshake
    QList<Gast> m_gaeste;
    QTimer m_puls;
    std::chrono::milliseconds m_ruhe{60000};
    std::chrono::milliseconds m_anfragefrist{10000};
    QByteArray m_stand;
    QByteArray m_seite;
    QByteArray m_skript;
    QByteArray m_stil;
    Tischroute m_tische;
    QElapsedTimer m_uhr;
};
