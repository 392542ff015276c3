#include "live/live_server.h"

#include "live/http_anfrage.h"
#include "live/http_antwort.h"

#include <QFile>
#include <QRandomGenerator>
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

// The address as a Host header names it: a.b.c.d or [v6], with the port.
QByteArray als_host(const QHostAddress &adresse, quint16 port)
{
    bool ipv4 = false;
    const quint32 v4 = adresse.toIPv4Address(&ipv4);
    const QString text = ipv4 ? QHostAddress(v4).toString()
                              : u'[' + QHostAddress(adresse.toIPv6Address()).toString() + u']';
    return text.toLatin1() + ':' + QByteArray::number(port);
}

QByteArray zufall(int laenge)
{
    QByteArray daten(laenge, Qt::Uninitialized);
    for (char &c : daten)
        c = char(QRandomGenerator::system()->bounded(256));
    return daten;
}

} // namespace

LiveServer::LiveServer(QObject *eltern)
    : QObject(eltern)
    // Without a name the handshake's answer tells nothing about the program.
    , m_websockets(QString(), QWebSocketServer::NonSecureMode)
{
    seite_einbinden();
    m_uhr.start();
    m_seite = resource(u":/live/index.html"_s);
    m_skript = resource(u":/live/app.js"_s);
    m_stil = resource(u":/live/app.css"_s);
    m_websockets.setMaxPendingConnections(telefone_hoechstens);
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
        if (gast.leitung)
            gast.leitung->disconnect(this);
        // The phone learns that the page went away rather than that the network broke; one
        // that does not answer the close is cut off.
        QWebSocket *kanal = gast.kanal;
        connect(kanal, &QWebSocket::disconnected, kanal, &QObject::deleteLater);
        kanal->close(QWebSocketProtocol::CloseCodeGoingAway);
        QTimer::singleShot(std::chrono::seconds(2), kanal, [kanal] {
            kanal->abort();
            kanal->deleteLater();
        });
    }
    for (const Uebergabe &uebergabe : std::exchange(m_uebergeben, {})) {
        if (uebergabe.leitung) {
            uebergabe.leitung->disconnect(this);
            uebergabe.leitung->abort();
            uebergabe.leitung->deleteLater();
        }
    }
    for (const Anfrage &offen : std::exchange(m_anfragen, {})) {
        if (offen.leitung) {
            offen.leitung->abort();
            offen.leitung->deleteLater();
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
    m_anfragen.removeIf([](const Anfrage &a) { return !a.leitung; });
    m_uebergeben.removeIf([](const Uebergabe &u) { return !u.leitung; });
    return int(m_anfragen.size() + m_uebergeben.size() + m_gaeste.size());
}

bool LiveServer::im_hallennetz(const QHostAddress &adresse)
{
    bool ipv4 = false;
    const QHostAddress a = [&] {
        const quint32 v4 = adresse.toIPv4Address(&ipv4);
        return ipv4 ? QHostAddress(v4) : adresse;
    }();
    if (a.isLoopback() || a.isLinkLocal())
        return true;
    if (ipv4) {
        for (const char *netz : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"}) {
            if (a.isInSubnet(QHostAddress::parseSubnet(QString::fromLatin1(netz))))
                return true;
        }
        return false;
    }
    return a.isUniqueLocalUnicast() || a.isSiteLocal();
}

void LiveServer::annehmen()
{
    while (QTcpSocket *leitung = m_server.nextPendingConnection()) {
        connect(leitung, &QTcpSocket::disconnected, leitung, &QObject::deleteLater);
        const QHostAddress adresse = leitung->peerAddress();
        if (!im_hallennetz(adresse)) {
            // Not a word to the world beyond the hall.
            leitung->abort();
            leitung->deleteLater();
            continue;
        }
        if (!platz_schaffen(adresse)) {
            abweisen(leitung);
            continue;
        }
        m_anfragen << Anfrage{leitung, adresse, 0, false};
        // More than a request head is never kept.
        leitung->setReadBufferSize(http_kopf_hoechstens);
        connect(leitung, &QTcpSocket::readyRead, this, [this, leitung] { lesen(leitung); });
        frist_setzen(leitung, m_anfragefrist);
    }
}

// Room for one more request: a client over its share, or a full pool, loses its oldest request
// that is still arriving. False when every request is being answered.
bool LiveServer::platz_schaffen(const QHostAddress &adresse)
{
    verbindungen();
    const auto von = [&adresse](const Anfrage &a) {
        return a.adresse == adresse;
    };
    const bool eigene_voll =
        std::count_if(m_anfragen.cbegin(), m_anfragen.cend(), von) >= anfragen_je_adresse;
    if (!eigene_voll && m_anfragen.size() < anfragen_hoechstens)
        return true;
    const auto aeltester =
        std::find_if(m_anfragen.begin(), m_anfragen.end(),
                     [&](const Anfrage &a) { return !a.beantwortet && (!eigene_voll || von(a)); });
    if (aeltester == m_anfragen.end())
        return false;
    const QPointer<QTcpSocket> leitung = aeltester->leitung;
    m_anfragen.erase(aeltester);
    leitung->abort();
    return true;
}

void LiveServer::abweisen(QTcpSocket *leitung)
{
    leitung->write(http_fehler(503));
    leitung->disconnectFromHost();
    frist_setzen(leitung, std::chrono::seconds(2));
}

LiveServer::Anfrage *LiveServer::anfrage(QTcpSocket *leitung)
{
    const auto treffer = std::find_if(m_anfragen.begin(), m_anfragen.end(),
                                      [leitung](const Anfrage &a) { return a.leitung == leitung; });
    return treffer == m_anfragen.end() ? nullptr : &*treffer;
}

void LiveServer::lesen(QTcpSocket *leitung)
{
    Anfrage *offen = anfrage(leitung);
    if (!offen)
        return;
    const HttpLesung lesung =
        http_anfrage_lesen(leitung->peek(leitung->bytesAvailable()), offen->durchsucht);
    offen->durchsucht = lesung.durchsucht;
    if (lesung.lage == HttpLage::unvollstaendig)
        return;
    offen->beantwortet = true;
    if (lesung.lage == HttpLage::fehlerhaft) {
        antworten(leitung, http_fehler(lesung.status));
        return;
    }
    beantworten(leitung, lesung.anfrage, lesung.kopf_laenge);
}

// Refuses a request that names another host or, for the WebSocket, comes from another site:
// a web page elsewhere must not read the page through a name of its own (DNS rebinding) nor
// open the page's WebSocket.
std::optional<int> LiveServer::fremd(QTcpSocket *leitung, const HttpAnfrage &anfrage) const
{
    const quint16 port = leitung->localPort();
    const bool eigener =
        !anfrage.hat_host ||
        anfrage.host.compare(als_host(leitung->localAddress(), port), Qt::CaseInsensitive) == 0 ||
        anfrage.host == als_host(QHostAddress(QHostAddress::LocalHost), port);
    if (!eigener)
        return 421;
    if (live_ziel(anfrage.pfad) == LiveZiel::live && anfrage.hat_origin &&
        (!anfrage.hat_host || anfrage.origin != "http://" + anfrage.host))
        return 403;
    return std::nullopt;
}

void LiveServer::beantworten(QTcpSocket *leitung, const HttpAnfrage &anfrage, qsizetype kopf_laenge)
{
    // The page's own address comes from the connection, never from what the client says.
    const QByteArray selbst = als_host(leitung->localAddress(), leitung->localPort());
    if (const std::optional<int> status = fremd(leitung, anfrage)) {
        antworten(leitung, http_fehler(*status, selbst));
        return;
    }
    // While the tables' results are not taken, their addresses are unknown like any other.
    if (Tischroute::ist_tischpfad(anfrage.pfad) && m_tische.nimmt_an()) {
        tisch_beantworten(leitung, anfrage, kopf_laenge, selbst);
        return;
    }
    const bool kopf = anfrage.methode == "HEAD";
    if (anfrage.methode != "GET" && !kopf) {
        antworten(leitung, http_fehler(405, selbst));
        return;
    }
    const auto senden = [&](const QByteArray &antwort) {
        antworten(leitung, kopf ? http_nur_kopf(antwort) : antwort);
    };
    switch (live_ziel(anfrage.pfad)) {
    case LiveZiel::seite:
        senden(http_antwort(200, "text/html; charset=utf-8", m_seite, selbst));
        break;
    case LiveZiel::skript:
        senden(http_antwort(200, "text/javascript; charset=utf-8", m_skript, selbst));
        break;
    case LiveZiel::stil:
        senden(http_antwort(200, "text/css; charset=utf-8", m_stil, selbst));
        break;
    case LiveZiel::stand:
        senden(http_antwort(200, "application/json; charset=utf-8", m_stand, selbst));
        break;
    case LiveZiel::live:
        if (!anfrage.websocket || kopf)
            senden(http_fehler(426, selbst));
        else if (leitung->bytesAvailable() > kopf_laenge)
            // A browser waits for the handshake's answer before it sends a frame.
            senden(http_fehler(400, selbst));
        else if (m_uebergeben.size() + m_gaeste.size() >= telefone_hoechstens ||
                 websockets_von(leitung->peerAddress()) >= telefone_je_adresse)
            senden(http_fehler(503, selbst));
        else
            uebergeben(leitung);
        break;
    case LiveZiel::unbekannt:
        senden(http_fehler(404, selbst));
        break;
    }
}

// A slip's page and its form. HEAD gets the headers of the answer to GET.
void LiveServer::tisch_beantworten(QTcpSocket *leitung, const HttpAnfrage &anfrage,
                                   qsizetype kopf_laenge, const QByteArray &selbst)
{
    const bool kopf = anfrage.methode == "HEAD";
    HttpAnfrage gefragt = anfrage;
    if (kopf)
        gefragt.methode = "GET";
    const QByteArray daten = leitung->peek(leitung->bytesAvailable());
    const Tischroute::Antwort antwort =
        m_tische.beantworten(gefragt, QByteArrayView(daten).sliced(kopf_laenge), selbst,
                             leitung->peerAddress().toString(), m_uhr.elapsed());
    if (antwort.vollstaendig) {
        antworten(leitung, kopf ? http_nur_kopf(antwort.bytes) : antwort.bytes);
    } else if (Anfrage *offen = this->anfrage(leitung)) {
        // Until its body is in, a request may still give way to others.
        offen->beantwortet = false;
    }
}

int LiveServer::websockets_von(const QHostAddress &adresse) const
{
    return int(
        std::count_if(m_uebergeben.cbegin(), m_uebergeben.cend(),
                      [&](const Uebergabe &u) { return u.leitung && u.adresse == adresse; }) +
        std::count_if(m_gaeste.cbegin(), m_gaeste.cend(),
                      [&](const Gast &g) { return g.adresse == adresse; }));
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
    // A client that already left is on its way out (deleted on its disconnection); its
    // handshake would begin on a dead connection.
    if (leitung->state() != QAbstractSocket::ConnectedState)
        return;
    // From here the WebSocket owns the connection and its end.
    QObject::disconnect(leitung, &QTcpSocket::disconnected, leitung, &QObject::deleteLater);
    leitung->setParent(nullptr);
    delete leitung->findChild<QTimer *>(u"frist"_s);
    const QHostAddress adresse = anfrage(leitung)->adresse;
    m_anfragen.removeIf([leitung](const Anfrage &a) { return a.leitung == leitung; });
    m_uebergeben << Uebergabe{leitung, adresse};
    // Connected before the WebSocket reads, so every byte is counted before it is handled;
    // and the end of the connection is seen however early it comes.
    connect(leitung, &QTcpSocket::readyRead, this, [this, leitung] { eingang_zaehlen(leitung); });
    connect(leitung, &QTcpSocket::disconnected, this, [this, leitung] { verloren(leitung); });
    m_websockets.handleConnection(leitung);
}

void LiveServer::gast_aufnehmen()
{
    while (QWebSocket *kanal = m_websockets.nextPendingConnection()) {
        const auto uebergabe =
            std::find_if(m_uebergeben.begin(), m_uebergeben.end(), [kanal](const Uebergabe &u) {
                return u.leitung && u.leitung->peerPort() == kanal->peerPort() &&
                       u.leitung->peerAddress() == kanal->peerAddress();
            });
        Gast neu{kanal, {}, {}, 0, {}, {}, 0, {}, 0};
        if (uebergabe != m_uebergeben.end()) {
            neu.leitung = uebergabe->leitung;
            neu.adresse = uebergabe->adresse;
            m_uebergeben.erase(uebergabe);
        }
        // A client that left during the handshake is gone already; it never becomes a guest.
        if (!m_server.isListening() || !neu.leitung ||
            neu.leitung->state() != QAbstractSocket::ConnectedState ||
            kanal->state() != QAbstractSocket::ConnectedState) {
            if (neu.leitung)
                neu.leitung->disconnect(this);
            kanal->abort();
            kanal->deleteLater();
            continue;
        }
        neu.lebenszeichen.start();
        neu.zeitraum.start();
        neu.ungelesen = neu.leitung->bytesAvailable();
        kanal->setMaxAllowedIncomingFrameSize(empfang_hoechstens);
        kanal->setMaxAllowedIncomingMessageSize(empfang_hoechstens);
        connect(kanal, &QWebSocket::pong, this, [this, kanal](quint64, const QByteArray &inhalt) {
            Gast *g = gast(kanal);
            if (g && !g->erwartet.isEmpty() && inhalt == g->erwartet) {
                g->erwartet.clear();
                g->lebenszeichen.restart();
            }
        });
        connect(kanal, &QWebSocket::textMessageReceived, this,
                [this, kanal](const QString &text) { empfangen(kanal, text.size()); });
        connect(kanal, &QWebSocket::binaryMessageReceived, this,
                [this, kanal](const QByteArray &daten) { empfangen(kanal, daten.size()); });
        connect(kanal, &QWebSocket::disconnected, this, [this, kanal] { gast_entfernen(kanal); });
        // After the WebSocket has read and answered.
        QTcpSocket *leitung = neu.leitung;
        connect(leitung, &QTcpSocket::readyRead, this, [this, leitung] { gelesen(leitung); });
        m_gaeste << neu;
        if (!m_stand.isEmpty())
            kanal->sendTextMessage(QString::fromUtf8(m_stand));
        emit telefone_geaendert(telefone());
    }
}

void LiveServer::verloren(QTcpSocket *leitung)
{
    m_uebergeben.removeIf([leitung](const Uebergabe &u) { return u.leitung == leitung; });
    if (Gast *g = gast(leitung))
        gast_entfernen(g->kanal);
}

void LiveServer::eingang_zaehlen(QTcpSocket *leitung)
{
    Gast *g = gast(leitung);
    if (!g)
        return;
    const qint64 wartend = leitung->bytesAvailable();
    if (g->zeitraum.elapsed() > eingang_zeitraum.count()) {
        g->zeitraum.restart();
        g->eingang = 0;
    }
    g->eingang += std::max<qint64>(0, wartend - g->ungelesen);
    g->ungelesen = wartend;
    if (g->eingang > eingang_hoechstens)
        leitung->abort();
}

void LiveServer::gelesen(QTcpSocket *leitung)
{
    Gast *g = gast(leitung);
    if (!g)
        return;
    g->ungelesen = leitung->bytesAvailable();
    // Answers to pings pile up for a client that sends but never reads.
    if (leitung->bytesToWrite() > rueckstau_hoechstens)
        leitung->abort();
}

LiveServer::Gast *LiveServer::gast(QWebSocket *kanal)
{
    const auto treffer = std::find_if(m_gaeste.begin(), m_gaeste.end(),
                                      [kanal](const Gast &g) { return g.kanal == kanal; });
    return treffer == m_gaeste.end() ? nullptr : &*treffer;
}

LiveServer::Gast *LiveServer::gast(QTcpSocket *leitung)
{
    const auto treffer = std::find_if(m_gaeste.begin(), m_gaeste.end(),
                                      [leitung](const Gast &g) { return g.leitung == leitung; });
    return treffer == m_gaeste.end() ? nullptr : &*treffer;
}

void LiveServer::gast_entfernen(QWebSocket *kanal)
{
    Gast *g = gast(kanal);
    if (!g)
        return;
    if (g->leitung)
        g->leitung->disconnect(this);
    m_gaeste.removeIf([kanal](const Gast &g) { return g.kanal == kanal; });
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
    for (const Gast &alt : gaeste) {
        Gast *g = gast(alt.kanal);
        if (!g)
            continue;
        // A guest whose connection is gone is removed, whatever signal it missed.
        if (!g->leitung || g->leitung->state() != QAbstractSocket::ConnectedState)
            gast_entfernen(g->kanal);
        else if (g->lebenszeichen.elapsed() > m_ruhe.count())
            g->kanal->abort();
        else
            anpingen(*g);
    }
}

void LiveServer::anpingen(Gast &gast)
{
    gast.erwartet = zufall(8);
    gast.kanal->ping(gast.erwartet);
}
