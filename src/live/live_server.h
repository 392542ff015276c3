#pragma once

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
// number and time. Nothing a client sends changes anything or reads a file.
class LiveServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int verbindungen_hoechstens = 100;
    // What a phone may send in all over its WebSocket; it has nothing to say.
    static constexpr qint64 empfang_hoechstens = 4096;
    // What may wait for a phone that does not read.
    static constexpr qint64 rueckstau_hoechstens = 1024 * 1024;

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

    // How long a WebSocket may go without answering a ping, and a request may take to arrive.
    void fristen_setzen(std::chrono::milliseconds ruhe, std::chrono::milliseconds anfrage);

signals:
    void telefone_geaendert(int anzahl);

private:
    struct Gast
    {
        QWebSocket *kanal = nullptr;
        QPointer<QTcpSocket> leitung;
        qint64 empfangen = 0;
        QElapsedTimer lebenszeichen;
    };

    void annehmen();
    void abweisen(QTcpSocket *leitung);
    void lesen(QTcpSocket *leitung);
    void tisch_beantworten(QTcpSocket *leitung, const HttpAnfrage &anfrage);
    void antworten(QTcpSocket *leitung, const QByteArray &antwort);
    void uebergeben(QTcpSocket *leitung);
    void gast_aufnehmen();
    void gast_entfernen(QWebSocket *kanal);
    void empfangen(QWebSocket *kanal, qint64 bytes);
    void pruefen();
    Gast *gast(QWebSocket *kanal);

    QTcpServer m_server;
    QWebSocketServer m_websockets;
    QList<QPointer<QTcpSocket>> m_anfragen;   // reading a request or answering it
    QList<QPointer<QTcpSocket>> m_uebergeben; // in the WebSocket handshake
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
