#include "matchplan/tischmeldungsfeld_fenster.h"

#include "matchplan/tischeingang.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Tischmeldungsfeld::Tischmeldungsfeld(Tischeingang &eingang, Plattform &plattform, QWidget *eltern)
    : QFrame(eltern)
    , m_eingang(eingang)
    , m_plattform(plattform)
{
    setObjectName("Tischmeldungsfeld");
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(u"Von den Tischen"_s);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);

    m_titel = new QLabel(u"Von den &Tischen"_s, this);
    m_titel->setObjectName("Tischmeldungen_Titel");
    QFont gross = m_titel->font();
    gross.setBold(true);
    m_titel->setFont(gross);

    // Items of a list widget are plain text: nothing a phone sends is read as markup.
    m_liste = new QListWidget(this);
    m_liste->setObjectName("Tischmeldungen");
    m_liste->setAccessibleName(u"Von den Tischen"_s);
    m_liste->setWordWrap(true);
    m_liste->installEventFilter(this);
    m_titel->setBuddy(m_liste);

    m_uebernehmen = knopf_anlegen(this, "Meldung_uebernehmen", u"&Übernehmen"_s);
    m_verwerfen = knopf_anlegen(this, "Meldung_verwerfen", u"&Verwerfen"_s);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_uebernehmen);
    knoepfe->addWidget(m_verwerfen);
    spalte->addWidget(m_titel);
    spalte->addWidget(m_liste, 1);
    spalte->addLayout(knoepfe);

    connect(m_uebernehmen, &QPushButton::clicked, this, &Tischmeldungsfeld::uebernehmen);
    connect(m_verwerfen, &QPushButton::clicked, this, &Tischmeldungsfeld::verwerfen);
    connect(&m_eingang, &Tischeingang::geaendert, this, &Tischmeldungsfeld::zeigen);
    connect(&m_eingang, &Tischeingang::eingegangen, this, &Tischmeldungsfeld::eingegangen);
    // "vor 20 s" grows older while the proposal waits.
    m_takt = new QTimer(this);
    connect(m_takt, &QTimer::timeout, this, &Tischmeldungsfeld::zeigen);
    m_takt->start(5000);
    zeigen();
}

void Tischmeldungsfeld::zeigen()
{
    const QStringList texte = m_eingang.texte();
    const int gewaehlt = std::max(0, m_liste->currentRow());
    if (texte.size() != m_liste->count()) {
        m_liste->clear();
        m_liste->addItems(texte);
    } else {
        for (int i = 0; i < texte.size(); ++i)
            m_liste->item(i)->setText(texte[i]);
    }
    if (!texte.isEmpty())
        m_liste->setCurrentRow(std::min(gewaehlt, int(texte.size()) - 1));
    m_uebernehmen->setEnabled(!texte.isEmpty());
    m_verwerfen->setEnabled(!texte.isEmpty());
    setVisible(!texte.isEmpty());
}

void Tischmeldungsfeld::eingegangen()
{
    m_plattform.signalton();
    // The newest is last; it is marked without taking the focus from where the organiser types.
    if (QListWidgetItem *neu = m_liste->item(m_liste->count() - 1)) {
        QFont fett = neu->font();
        fett.setBold(true);
        neu->setFont(fett);
    }
}

void Tischmeldungsfeld::uebernehmen()
{
    const int index = m_liste->currentRow();
    const bool fokus = m_liste->hasFocus() || m_uebernehmen->hasFocus();
    if (const std::optional<QString> fehler = m_eingang.uebernehmen(index))
        m_plattform.fehler(*fehler);
    if (fokus && m_eingang.offen().isEmpty())
        emit erledigt();
}

void Tischmeldungsfeld::verwerfen()
{
    const bool fokus = m_liste->hasFocus() || m_verwerfen->hasFocus();
    m_eingang.verwerfen(m_liste->currentRow());
    if (fokus && m_eingang.offen().isEmpty())
        emit erledigt();
}

bool Tischmeldungsfeld::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_liste && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            uebernehmen();
            return true;
        }
    }
    return QFrame::eventFilter(objekt, ereignis);
}
