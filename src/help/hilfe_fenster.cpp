#include "help/hilfe_fenster.h"

#include "programm.h"
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

QLabel *beschriftung(const QString &text, QWidget *feld)
{
    auto *label = new QLabel(text);
    label->setBuddy(feld);
    feld->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    return label;
}

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

    Seite = new HilfeSeite(m_buch, this);
    Seite->setObjectName(u"Seite"_s);
    Seite->setAccessibleName(u"Hilfeseite"_s);

    auto *leiste = addToolBar(u"Navigation"_s);
    leiste->setObjectName(u"Navigation"_s);
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Zurueck = leiste->addAction(u"&Zurück"_s, Seite, &QTextBrowser::backward);
    Zurueck->setShortcut(QKeySequence::Back);
    Vorwaerts = leiste->addAction(u"&Vorwärts"_s, Seite, &QTextBrowser::forward);
    Vorwaerts->setShortcut(QKeySequence::Forward);
    Startseite =
        leiste->addAction(u"St&artseite"_s, this, [this] { seite_zeigen(m_buch.startseite()); });
    Zurueck->setEnabled(false);
    Vorwaerts->setEnabled(false);
    connect(Seite, &QTextBrowser::backwardAvailable, Zurueck, &QAction::setEnabled);
    connect(Seite, &QTextBrowser::forwardAvailable, Vorwaerts, &QAction::setEnabled);
    connect(Seite, &QTextBrowser::sourceChanged, this, &HilfeFenster::seite_gewechselt);

    Inhalt = new QTreeWidget;
    Inhalt->setObjectName(u"Inhalt"_s);
    Inhalt->setAccessibleName(u"Inhalt"_s);
    Inhalt->setHeaderHidden(true);
    const auto eintrag_zeigen = [this](QTreeWidgetItem *e) {
        if (e && !e->data(0, seiten_rolle).toString().isEmpty())
            seite_zeigen(e->data(0, seiten_rolle).toString());
    };
    connect(Inhalt, &QTreeWidget::itemClicked, this, eintrag_zeigen);
    connect(Inhalt, &QTreeWidget::itemActivated, this, eintrag_zeigen);

    Reiter = new QTabWidget;
    Reiter->setObjectName(u"Reiter"_s);
    Reiter->addTab(Inhalt, u"&Inhalt"_s);
    Reiter->addTab(index_aufbauen(), u"In&dex"_s);
    Reiter->addTab(suche_aufbauen(), u"&Suchen"_s);

    auto *teiler = new QSplitter(this);
    teiler->addWidget(Reiter);
    teiler->addWidget(Seite);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({280, 720});
    setCentralWidget(teiler);

    auto *schliessen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(schliessen, &QShortcut::activated, this, &QWidget::close);
    auto *finden = new QShortcut(QKeySequence::Find, this);
    connect(finden, &QShortcut::activated, this, [this] {
        Reiter->setCurrentIndex(2);
        Suchtext->setFocus();
    });
}

QWidget *HilfeFenster::index_aufbauen()
{
    auto *seite = new QWidget;
    auto *spalte = new QVBoxLayout(seite);
    Stichwort = new QLineEdit;
    Stichwort->setObjectName(u"Stichwort"_s);
    Index = new QListWidget;
    Index->setObjectName(u"Index"_s);
    Index->setAccessibleName(u"Stichwörter"_s);
    spalte->addWidget(beschriftung(u"S&tichwort:"_s, Stichwort));
    spalte->addWidget(Stichwort);
    spalte->addWidget(Index, 1);

    const auto stichwort_zeigen = [this](QListWidgetItem *e) {
        if (e)
            seite_zeigen(e->data(seiten_rolle).toString());
    };
    connect(Stichwort, &QLineEdit::textEdited, this, &HilfeFenster::stichwort_suchen);
    connect(Stichwort, &QLineEdit::returnPressed, this,
            [this, stichwort_zeigen] { stichwort_zeigen(Index->currentItem()); });
    connect(Index, &QListWidget::itemClicked, this, stichwort_zeigen);
    connect(Index, &QListWidget::itemActivated, this, stichwort_zeigen);
    return seite;
}

QWidget *HilfeFenster::suche_aufbauen()
{
    auto *seite = new QWidget;
    auto *spalte = new QVBoxLayout(seite);
    Suchtext = new QLineEdit;
    Suchtext->setObjectName(u"Suchtext"_s);
    Suchen = new QPushButton(u"Such&en"_s);
    Suchen->setObjectName(u"Suchen"_s);
    Treffer = new QListWidget;
    Treffer->setObjectName(u"Treffer"_s);
    Treffer->setAccessibleName(u"Gefundene Seiten"_s);
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(Suchtext, 1);
    zeile->addWidget(Suchen);
    spalte->addWidget(beschriftung(u"Such&begriffe:"_s, Suchtext));
    spalte->addLayout(zeile);
    spalte->addWidget(Treffer, 1);

    connect(Suchtext, &QLineEdit::returnPressed, this, &HilfeFenster::suche_starten);
    connect(Suchen, &QPushButton::clicked, this, &HilfeFenster::suche_starten);
    const auto treffer_zeigen = [this](QListWidgetItem *e) {
        if (e && !e->data(seiten_rolle).toString().isEmpty())
            seite_zeigen(e->data(seiten_rolle).toString());
    };
    connect(Treffer, &QListWidget::itemClicked, this, treffer_zeigen);
    connect(Treffer, &QListWidget::itemActivated, this, treffer_zeigen);
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
    Inhalt->clear();
    inhalt_fuellen(m_buch.inhalt(), nullptr);
    Inhalt->expandAll();
    index_fuellen();
    Treffer->clear();
    Seite->clearHistory();
    return true;
}

void HilfeFenster::inhalt_fuellen(const std::vector<HilfeEintrag> &eintraege, QTreeWidgetItem *oben)
{
    for (const HilfeEintrag &e : eintraege) {
        auto *zeile = oben ? new QTreeWidgetItem(oben) : new QTreeWidgetItem(Inhalt);
        zeile->setText(0, e.name);
        zeile->setData(0, seiten_rolle, e.seite);
        inhalt_fuellen(e.kinder, zeile);
    }
}

void HilfeFenster::index_fuellen()
{
    Index->clear();
    for (const HilfeEintrag &e : m_buch.stichwoerter()) {
        Index->addItem(e.name);
        Index->item(Index->count() - 1)->setData(seiten_rolle, e.seite);
        for (const HilfeEintrag &unter : e.kinder) {
            Index->addItem(u"    "_s + unter.name);
            Index->item(Index->count() - 1)->setData(seiten_rolle, unter.seite);
        }
    }
}

// Type-ahead: the first keyword that begins with the typed text.
void HilfeFenster::stichwort_suchen(const QString &text)
{
    const QString anfang = text.trimmed();
    for (int i = 0; i < Index->count() && !anfang.isEmpty(); ++i) {
        if (Index->item(i)->text().trimmed().startsWith(anfang, Qt::CaseInsensitive)) {
            Index->setCurrentRow(i);
            Index->scrollToItem(Index->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HilfeFenster::suche_starten()
{
    Treffer->clear();
    const QStringList seiten = m_buch.suchen(Suchtext->text());
    for (const QString &seite : seiten) {
        Treffer->addItem(m_buch.seitentitel(seite));
        Treffer->item(Treffer->count() - 1)->setData(seiten_rolle, seite);
    }
    if (seiten.isEmpty())
        Treffer->addItem(u"Keine Treffer."_s);
}

void HilfeFenster::thema_zeigen(int thema)
{
    const QString seite = m_buch.thema_seite(thema);
    seite_zeigen(seite.isEmpty() ? m_buch.startseite() : seite);
}

void HilfeFenster::seite_zeigen(const QString &seite)
{
    Seite->setSource(HilfeSeite::adresse(seite), QTextDocument::HtmlResource);
}

QString HilfeFenster::seite() const
{
    return Seite->source().path();
}

// The contents follow the page, also after a link or back and forward.
void HilfeFenster::seite_gewechselt(const QUrl &adresse)
{
    const QString aktuell = adresse.path();
    const QSignalBlocker still(Inhalt);
    for (QTreeWidgetItemIterator e(Inhalt); *e; ++e) {
        if ((*e)->data(0, seiten_rolle).toString() == aktuell) {
            Inhalt->setCurrentItem(*e);
            return;
        }
    }
    Inhalt->setCurrentItem(nullptr);
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
