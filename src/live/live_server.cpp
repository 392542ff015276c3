#include "live/live_server.h"

#include "live/http_anfrage.h"
#include "live/http_antwort.h"

#include <QFile>
#include <QTcpSocket>
#include <QWebSocket>
#include <algorithm>

using namespace Qt::StringLiterals;

// The page is compiled into the module; a static build needs its resources named.
static void seite_einbinden()
{
    Q_INIT_RESOURCE(live_seite);
}

namespace {

QByteArray resource(const QString &name)
{
    QFile datei(name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Ends a connection that has been answered or refused, whatever the client does.
void frist_setzen(QTcpSocket *leitung, std::chrono::milliseconds frist)
{
    auto *takt = new QTimer(leitung);
    takt->setObjectName(u"frist"_s);
    takt->setSingleShot(true);
    QObject::connect(takt, &QTimer::timeout, leitung, &QTcpSocket::abort);
    takt->start(frist);
}

void entfernen(QList<QPointer<QTcpSocket>> &liste, QTcpSocket *leitung)
{
    liste.removeIf([leitung](const QPointer<QTcpSocket> &p) { return !p || p == leitung; });
}

} // namespace

LiveServer::LiveServer(QObject *eltern)
    : QObject(eltern)
    , m_websockets(u"Vorlix"_s, QWebSocketServer::NonSecureMode)
{
    seite_einbinden();
    m_uhr.start();
    m_seite = resource(u":/live/index.html"_s);
    m_skript = resource(u":/live/app.js"_s);
    m_stil = resource(u":/live/app.css"_s);
    m_websockets.setMaxPendingConnections(verbindungen_hoechstens);
    connect(&m_server, &QTcpServer::newConnection, this, &LiveServer::annehmen);
    connect(&m_websockets, &QWebSocketServer::newConnection, this, &LiveServer::gast_aufnehmen);
    connect(&m_puls, &QTimer::timeout, this, &LiveServer::pruefen);
}

LiveServer::~LiveServer()
{
    beenden();
}

std::optional<QString> LiveServer::starten(const QHostAddress &adresse, quint16 port)
{
    beenden();
    if (!m_server.listen(adresse, port)) {
        const bool belegt = m_server.serverError() == QAbstractSocket::AddressInUseError;
        const QString fehler =
            belegt ? u"Der Port %1 ist belegt. Bitte einen anderen Port wählen."_s.arg(port)
                   : u"Der Port %1 kann nicht geöffnet werden: %2"_s.arg(port).arg(
                         m_server.errorString());
        m_server.close();
        return fehler;
    }
    m_websockets.setHandshakeTimeout(m_anfragefrist);
    m_puls.start(m_ruhe / 4);
    return std::nullopt;
}

void LiveServer::beenden()
{
    m_puls.stop();
    m_server.close();
    const QList<Gast> gaeste = std::exchange(m_gaeste, {});
    for (const Gast &gast : gaeste) {
        gast.kanal->disconnect(this);
        gast.kanal->abort();
        gast.kanal->deleteLater();
    }
    for (QList<QPointer<QTcpSocket>> *liste : {&m_anfragen, &m_uebergeben}) {
        for (const QPointer<QTcpSocket> &leitung : std::exchange(*liste, {})) {
            if (leitung) {
                leitung->abort();
                leitung->deleteLater();
            }
        }
    }
    if (!gaeste.isEmpty())
        emit telefone_geaendert(0);
}

void LiveServer::fristen_setzen(std::chrono::milliseconds ruhe, std::chrono::milliseconds anfrage)
{
    m_ruhe = ruhe;
    m_anfragefrist = anfrage;
    m_websockets.setHandshakeTimeout(anfrage);
    if (m_puls.isActive())
        m_puls.start(m_ruhe / 4);
}

int LiveServer::verbindungen()
{
    entfernen(m_anfragen, nullptr);
    entfernen(m_uebergeben, nullptr);
    return int(m_anfragen.size() + m_uebergeben.size() + m_gaeste.size());
}

void LiveServer::annehmen()
{
    while (QTcpSocket *leitung = m_server.nextPendingConnection()) {
        connect(leitung, &QTcpSocket::disconnected, leitung, &QObject::deleteLater);
        if (verbindungen() >= verbindungen_hoechstens) {
            abweisen(leitung);
            continue;
        }
        m_anfragen << leitung;
        // More than a request head is never kept.
        leitung->setReadBufferSize(http_kopf_hoechstens);
        connect(leitung, &QTcpSocket::readyRead, this, [this, leitung] { lesen(leitung); });
        frist_setzen(leitung, m_anfragefrist);
    }
}

void LiveServer::abweisen(QTcpSocket *leitung)
{
    leitung->write(http_fehler(503));
    leitung->disconnectFromHost();
    frist_setzen(leitung, std::chrono::seconds(2));
}

void LiveServer::lesen(QTcpSocket *leitung)
{
    const HttpLesung lesung = http_anfrage_lesen(leitung->peek(leitung->bytesAvailable()));
    if (lesung.lage == HttpLage::unvollstaendig)
        return;
    if (lesung.lage == HttpLage::fehlerhaft) {
        antworten(leitung, http_fehler(lesung.status));
        return;
    }
    const HttpAnfrage &anfrage = lesung.anfrage;
    if (Tischroute::ist_tischpfad(anfrage.pfad)) {
        tisch_beantworten(leitung, anfrage);
        return;
    }
    const LiveZiel ziel = live_ziel(anfrage.pfad);
    if (anfrage.methode != "GET") {
        antworten(leitung, http_fehler(ziel == LiveZiel::unbekannt ? 404 : 405, anfrage.host));
        return;
    }
    switch (ziel) {
    case LiveZiel::seite:
        antworten(leitung, http_antwort(200, "text/html; charset=utf-8", m_seite, anfrage.host));
        break;
    case LiveZiel::skript:
        antworten(leitung,
                  http_antwort(200, "text/javascript; charset=utf-8", m_skript, anfrage.host));
        break;
    case LiveZiel::stil:
        antworten(leitung, http_antwort(200, "text/css; charset=utf-8", m_stil, anfrage.host));
        break;
    case LiveZiel::stand:
        antworten(leitung,
                  http_antwort(200, "application/json; charset=utf-8", m_stand, anfrage.host));
        break;
    case LiveZiel::live:
        if (anfrage.websocket)
            uebergeben(leitung);
        else
            antworten(leitung, http_fehler(426, anfrage.host));
        break;
    case LiveZiel::unbekannt:
        antworten(leitung, http_fehler(404, anfrage.host));
        break;
    }
}

void LiveServer::tisch_beantworten(QTcpSocket *leitung, const HttpAnfrage &anfrage)
{
    // The Host a phone names this laptop by, as the socket was reached.
    const QByteArray eigener_host = leitung->localAddress().toString().toLatin1() + ':' +
                                    QByteArray::number(leitung->localPort());
    const QByteArray daten = leitung->peek(leitung->bytesAvailable());
    const Tischroute::Antwort antwort =
        m_tische.beantworten(anfrage, QByteArrayView(daten).sliced(anfrage.kopf_laenge),
                             eigener_host, leitung->peerAddress().toString(), m_uhr.elapsed());
    if (antwort.vollstaendig)
        antworten(leitung, antwort.bytes);
}

void LiveServer::antworten(QTcpSocket *leitung, const QByteArray &antwort)
{
    leitung->disconnect(this);
    // What is left of the request is dropped, so closing does not reset the answer away.
    leitung->readAll();
    leitung->write(antwort);
    leitung->disconnectFromHost();
}

void LiveServer::uebergeben(QTcpSocket *leitung)
{
    leitung->disconnect(this);
    // From here the WebSocket owns the connection and its end.
    QObject::disconnect(leitung, &QTcpSocket::disconnected, leitung, &QObject::deleteLater);
    leitung->setParent(nullptr);
    delete leitung->findChild<QTimer *>(u"frist"_s);
    entfernen(m_anfragen, leitung);
    m_uebergeben << leitung;
    m_websockets.handleConnection(leitung);
}

void LiveServer::gast_aufnehmen()
{
    while (QWebSocket *kanal = m_websockets.nextPendingConnection()) {
        const auto leitung = std::find_if(m_uebergeben.begin(), m_uebergeben.end(),
                                          [kanal](const QPointer<QTcpSocket> &p) {
                                              return p && p->peerPort() == kanal->peerPort() &&
                                                     p->peerAddress() == kanal->peerAddress();
                                          });
        Gast neu{kanal, leitung == m_uebergeben.end() ? QPointer<QTcpSocket>() : *leitung, 0, {}};
        if (neu.leitung)
            entfernen(m_uebergeben, neu.leitung);
        if (!m_server.isListening() || !neu.leitung) {
            kanal->abort();
            kanal->deleteLater();
            continue;
        }
        neu.lebenszeichen.start();
        kanal->setMaxAllowedIncomingFrameSize(empfang_hoechstens);
        kanal->setMaxAllowedIncomingMessageSize(empfang_hoechstens);
        connect(kanal, &QWebSocket::pong, this, [this, kanal] {
            if (Gast *g = gast(kanal))
                g->lebenszeichen.restart();
        });
        connect(kanal, &QWebSocket::textMessageReceived, this,
                [this, kanal](const QString &text) { empfangen(kanal, text.size()); });
        connect(kanal, &QWebSocket::binaryMessageReceived, this,
                [this, kanal](const QByteArray &daten) { empfangen(kanal, daten.size()); });
        connect(kanal, &QWebSocket::disconnected, this, [this, kanal] { gast_entfernen(kanal); });
        m_gaeste << neu;
        if (!m_stand.isEmpty())
            kanal->sendTextMessage(QString::fromUtf8(m_stand));
        emit telefone_geaendert(telefone());
    }
}

LiveServer::Gast *LiveServer::gast(QWebSocket *kanal)
{
    const auto treffer = std::find_if(m_gaeste.begin(), m_gaeste.end(),
                                      [kanal](const Gast &g) { return g.kanal == kanal; });
    return treffer == m_gaeste.end() ? nullptr : &*treffer;
}

void LiveServer::gast_entfernen(QWebSocket *kanal)
{
    if (m_gaeste.removeIf([kanal](const Gast &g) { return g.kanal == kanal; }) == 0)
        return;
    kanal->disconnect(this);
    kanal->deleteLater();
    emit telefone_geaendert(telefone());
}

void LiveServer::empfangen(QWebSocket *kanal, qint64 bytes)
{
    Gast *g = gast(kanal);
    if (!g)
        return;
    g->empfangen += bytes;
    if (g->empfangen > empfang_hoechstens)
        kanal->abort();
}

void LiveServer::senden(const QByteArray &dokument)
{
    m_stand = dokument;
    const QString text = QString::fromUtf8(dokument);
    // A copy: aborting a phone removes it from the list at once.
    const QList<Gast> gaeste = m_gaeste;
    for (const Gast &gast : gaeste) {
        // A phone that does not read gets no unbounded queue.
        if (gast.leitung && gast.leitung->bytesToWrite() > rueckstau_hoechstens)
            gast.kanal->abort();
        else
            gast.kanal->sendTextMessage(text);
    }
}

void LiveServer::pruefen()
{
    const QList<Gast> gaeste = m_gaeste;
    for (const Gast &gast : gaeste) {
        if (gast.lebenszeichen.elapsed() > m_ruhe.count())
            gast.kanal->abort();
        else
            gast.kanal->ping();
    }
}
