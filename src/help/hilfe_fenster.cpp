#include "help/hilfe_fenster.h"

#include "programm.h"
#include "shell/beschriftung_fenster.h"
#include "shell/plattform.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString hilfe_schema = u"hilfe"_s;
constexpr int seiten_rolle = Qt::UserRole;

const QString nicht_gefunden =
    u"<html><head><meta charset=\"utf-8\"><title>Seite nicht gefunden</title></head><body>"
    "<h1>Seite nicht gefunden</h1><p>Diese Seite steht nicht in der Hilfe-Datei.</p>"
    "<p>Mit \"Zurück\" kommen Sie zur vorigen Seite.</p></body></html>"_s;

} // namespace

HilfeSeite::HilfeSeite(const HilfeBuch &buch, QWidget *parent)
    : QTextBrowser(parent)
    , m_buch(buch)
{
    setOpenExternalLinks(false);
}

QUrl HilfeSeite::adresse(const QString &seite)
{
    return QUrl(hilfe_schema + u':' + seite);
}

QVariant HilfeSeite::loadResource(int art, const QUrl &name)
{
    const QUrl basis = source().isValid() ? source() : adresse(u"/"_s);
    const QUrl url = name.isRelative() ? basis.resolved(name) : name;
    // Links of the form "ms-its:datei.chm::/seite.html" also point into the file; any other
    // address outside the file is not followed.
    const QString text = url.toString();
    const qsizetype trenner = text.indexOf(u"::");
    QString pfad;
    if (trenner >= 0)
        pfad = text.mid(trenner + 2);
    else if (url.scheme() == hilfe_schema)
        pfad = url.path();
    if (const auto inhalt = m_buch.lesen(hilfe_seitenpfad(pfad)))
        return *inhalt;
    if (art == QTextDocument::HtmlResource)
        return nicht_gefunden;
    return {};
}

HilfeFenster::HilfeFenster(QWidget *parent)
    : QMainWindow(parent)
{
    // The help never keeps the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    oberflaeche_aufbauen();
}

void HilfeFenster::oberflaeche_aufbauen()
{
    setObjectName(u"HilfeFenster"_s);
    setWindowTitle(programm_name + u" - Hilfe"_s);
    resize(1000, 720);

    m_seite = new HilfeSeite(m_buch, this);
    m_seite->setObjectName(u"Seite"_s);
    m_seite->setAccessibleName(u"Hilfeseite"_s);

    auto *leiste = addToolBar(u"Navigation"_s);
    leiste->setObjectName(u"Navigation"_s);
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_zurueck = leiste->addAction(u"&Zurück"_s, m_seite, &QTextBrowser::backward);
    m_zurueck->setShortcut(QKeySequence::Back);
    m_vorwaerts = leiste->addAction(u"&Vorwärts"_s, m_seite, &QTextBrowser::forward);
    m_vorwaerts->setShortcut(QKeySequence::Forward);
    m_startseite =
        leiste->addAction(u"St&artseite"_s, this, [this] { seite_zeigen(m_buch.startseite()); });
    m_zurueck->setEnabled(false);
    m_vorwaerts->setEnabled(false);
    connect(m_seite, &QTextBrowser::backwardAvailable, m_zurueck, &QAction::setEnabled);
    connect(m_seite, &QTextBrowser::forwardAvailable, m_vorwaerts, &QAction::setEnabled);
    connect(m_seite, &QTextBrowser::sourceChanged, this, &HilfeFenster::seite_gewechselt);

    m_inhalt = new QTreeWidget;
    m_inhalt->setObjectName(u"Inhalt"_s);
    m_inhalt->setAccessibleName(u"Inhalt"_s);
    m_inhalt->setHeaderHidden(true);
    const auto eintrag_zeigen = [this](QTreeWidgetItem *e) {
        if (e && !e->data(0, seiten_rolle).toString().isEmpty())
            seite_zeigen(e->data(0, seiten_rolle).toString());
    };
    connect(m_inhalt, &QTreeWidget::itemClicked, this, eintrag_zeigen);
    connect(m_inhalt, &QTreeWidget::itemActivated, this, eintrag_zeigen);

    m_reiter = new QTabWidget;
    m_reiter->setObjectName(u"Reiter"_s);
    m_reiter->addTab(m_inhalt, u"&Inhalt"_s);
    m_reiter->addTab(index_aufbauen(), u"In&dex"_s);
    m_reiter->addTab(suche_aufbauen(), u"&Suchen"_s);

    auto *teiler = new QSplitter(this);
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_seite);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({280, 720});
    setCentralWidget(teiler);

    auto *schliessen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(schliessen, &QShortcut::activated, this, &QWidget::close);
    auto *finden = new QShortcut(QKeySequence::Find, this);
    connect(finden, &QShortcut::activated, this, [this] {
        m_reiter->setCurrentIndex(2);
        m_suchtext->setFocus();
    });
}

QWidget *HilfeFenster::index_aufbauen()
{
    auto *seite = new QWidget;
    auto *spalte = new QVBoxLayout(seite);
    m_stichwort = new QLineEdit;
    m_stichwort->setObjectName(u"Stichwort"_s);
    m_index = new QListWidget;
    m_index->setObjectName(u"Index"_s);
    m_index->setAccessibleName(u"Stichwörter"_s);
    spalte->addWidget(
        beschriftung_anlegen(seite, nullptr, u"S&tichwort:"_s, m_stichwort, u"Stichwort"_s));
    spalte->addWidget(m_stichwort);
    spalte->addWidget(m_index, 1);

    const auto stichwort_zeigen = [this](QListWidgetItem *e) {
        if (e)
            seite_zeigen(e->data(seiten_rolle).toString());
    };
    connect(m_stichwort, &QLineEdit::textEdited, this, &HilfeFenster::stichwort_suchen);
    connect(m_stichwort, &QLineEdit::returnPressed, this,
            [this, stichwort_zeigen] { stichwort_zeigen(m_index->currentItem()); });
    connect(m_index, &QListWidget::itemClicked, this, stichwort_zeigen);
    connect(m_index, &QListWidget::itemActivated, this, stichwort_zeigen);
    return seite;
}

QWidget *HilfeFenster::suche_aufbauen()
{
    auto *seite = new QWidget;
    auto *spalte = new QVBoxLayout(seite);
    m_suchtext = new QLineEdit;
    m_suchtext->setObjectName(u"Suchtext"_s);
    m_suchen = new QPushButton(u"Such&en"_s);
    m_suchen->setObjectName(u"Suchen"_s);
    m_treffer = new QListWidget;
    m_treffer->setObjectName(u"Treffer"_s);
    m_treffer->setAccessibleName(u"Gefundene Seiten"_s);
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(m_suchtext, 1);
    zeile->addWidget(m_suchen);
    spalte->addWidget(
        beschriftung_anlegen(seite, nullptr, u"Such&begriffe:"_s, m_suchtext, u"Suchbegriffe"_s));
    spalte->addLayout(zeile);
    spalte->addWidget(m_treffer, 1);

    connect(m_suchtext, &QLineEdit::returnPressed, this, &HilfeFenster::suche_starten);
    connect(m_suchen, &QPushButton::clicked, this, &HilfeFenster::suche_starten);
    const auto treffer_zeigen = [this](QListWidgetItem *e) {
        if (e && !e->data(seiten_rolle).toString().isEmpty())
            seite_zeigen(e->data(seiten_rolle).toString());
    };
    connect(m_treffer, &QListWidget::itemClicked, this, treffer_zeigen);
    connect(m_treffer, &QListWidget::itemActivated, this, treffer_zeigen);
    return seite;
}

bool HilfeFenster::datei_oeffnen(const QString &pfad)
{
    if (m_buch.offen() && m_buch.datei() == pfad)
        return true;
    HilfeBuch neu;
    if (!neu.oeffnen(pfad))
        return false;
    m_buch = std::move(neu);
    if (!m_buch.titel().isEmpty())
        setWindowTitle(m_buch.titel());
    m_inhalt->clear();
    inhalt_fuellen(m_buch.inhalt(), nullptr);
    m_inhalt->expandAll();
    index_fuellen();
    m_treffer->clear();
    m_seite->clearHistory();
    return true;
}

void HilfeFenster::inhalt_fuellen(const std::vector<HilfeEintrag> &eintraege, QTreeWidgetItem *oben)
{
    for (const HilfeEintrag &e : eintraege) {
        auto *zeile = oben ? new QTreeWidgetItem(oben) : new QTreeWidgetItem(m_inhalt);
        zeile->setText(0, e.name);
        zeile->setData(0, seiten_rolle, e.seite);
        inhalt_fuellen(e.kinder, zeile);
    }
}

void HilfeFenster::index_fuellen()
{
    m_index->clear();
    for (const HilfeEintrag &e : m_buch.stichwoerter()) {
        m_index->addItem(e.name);
        m_index->item(m_index->count() - 1)->setData(seiten_rolle, e.seite);
        for (const HilfeEintrag &unter : e.kinder) {
            m_index->addItem(u"    "_s + unter.name);
            m_index->item(m_index->count() - 1)->setData(seiten_rolle, unter.seite);
        }
    }
}

// Type-ahead: the first keyword that begins with the typed text.
void HilfeFenster::stichwort_suchen(const QString &text)
{
    const QString anfang = text.trimmed();
    for (int i = 0; i < m_index->count() && !anfang.isEmpty(); ++i) {
        if (m_index->item(i)->text().trimmed().startsWith(anfang, Qt::CaseInsensitive)) {
            m_index->setCurrentRow(i);
            m_index->scrollToItem(m_index->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HilfeFenster::suche_starten()
{
    m_treffer->clear();
    const QStringList seiten = m_buch.suchen(m_suchtext->text());
    for (const QString &seite : seiten) {
        m_treffer->addItem(m_buch.seitentitel(seite));
        m_treffer->item(m_treffer->count() - 1)->setData(seiten_rolle, seite);
    }
    if (seiten.isEmpty())
        m_treffer->addItem(u"Keine Treffer."_s);
}

void HilfeFenster::thema_zeigen(int thema)
{
    const QString seite = m_buch.thema_seite(thema);
    seite_zeigen(seite.isEmpty() ? m_buch.startseite() : seite);
}

void HilfeFenster::seite_zeigen(const QString &seite)
{
    m_seite->setSource(HilfeSeite::adresse(seite), QTextDocument::HtmlResource);
}

QString HilfeFenster::seite() const
{
    return m_seite->source().path();
}

// The contents follow the page, also after a link or back and forward.
void HilfeFenster::seite_gewechselt(const QUrl &adresse)
{
    const QString aktuell = adresse.path();
    const QSignalBlocker still(m_inhalt);
    for (QTreeWidgetItemIterator e(m_inhalt); *e; ++e) {
        if ((*e)->data(0, seiten_rolle).toString() == aktuell) {
            m_inhalt->setCurrentItem(*e);
            return;
        }
    }
    m_inhalt->setCurrentItem(nullptr);
}

HilfeAnzeige::HilfeAnzeige(Plattform &plattform)
    : m_plattform(plattform)
{
}

HilfeAnzeige::~HilfeAnzeige() = default;

bool HilfeAnzeige::oeffnen(const QString &datei, int thema)
{
    if (!QFileInfo(datei).isFile())
        return false;
    if (!m_fenster)
        m_fenster = std::make_unique<HilfeFenster>();
    if (!m_fenster->datei_oeffnen(datei)) {
        m_fenster.reset();
        m_plattform.information(
            u"Die Hilfe-Datei ist beschädigt und kann nicht gelesen werden.\n"_s + datei);
        return false;
    }
    m_fenster->thema_zeigen(thema);
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
    return true;
}

void HilfeAnzeige::schliessen()
{
    m_fenster.reset();
}
