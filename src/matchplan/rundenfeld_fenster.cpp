#include "matchplan/rundenfeld_fenster.h"

#include "matchplan/rundenanzeige.h"
#include "shell/knopf_fenster.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int spalte_rolle = Qt::UserRole;
constexpr int zeile_rolle = Qt::UserRole + 1;

} // namespace

Rundenfeld::Rundenfeld(QWidget *eltern)
    : QFrame(eltern)
{
    setObjectName("Rundenfeld");
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(u"Rundenplan"_s);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);

    m_titel = new QLabel(this);
    m_titel->setObjectName("Rundentitel");
    QFont gross = m_titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    gross.setBold(true);
    m_titel->setFont(gross);
    m_titel->setWordWrap(true);

    m_jetzt = new QListWidget(this);
    m_jetzt->setObjectName("Rundenspiele");
    m_jetzt->setAccessibleName(u"Spiele der Runde"_s);
    QFont spiele = m_jetzt->font();
    spiele.setPointSizeF(spiele.pointSizeF() * 1.15);
    m_jetzt->setFont(spiele);
    m_jetzt->setWordWrap(true);
    m_titel->setBuddy(m_jetzt);

    m_danach_titel = new QLabel(u"Danach:"_s, this);
    m_danach_titel->setObjectName("Danach_Titel");
    m_danach = new QLabel(this);
    m_danach->setObjectName("Danach");
    m_danach->setAccessibleName(u"Danach"_s);
    m_danach->setWordWrap(true);
    // Names are shown as typed, never read as markup: every text is escaped.
    m_danach->setTextFormat(Qt::RichText);
    m_danach->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont klein = m_danach->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    m_danach->setFont(klein);
    m_danach_titel->setFont(klein);

    spalte->addWidget(m_titel);
    spalte->addWidget(m_jetzt, 1);
    spalte->addWidget(m_danach_titel);
    spalte->addWidget(m_danach);
    QPushButton *plan = knopf_anlegen(this, "Rundenplan_drucken", u"Rundenpl&an drucken"_s);
    QPushButton *zettel = knopf_anlegen(this, "Spielzettel_drucken", u"S&pielzettel drucken"_s);
    QPushButton *neu = knopf_anlegen(this, "Neue_Zettel", u"&Neue Zettel"_s);
    spalte->addWidget(plan);
    spalte->addWidget(zettel);
    spalte->addWidget(neu);
    connect(neu, &QPushButton::clicked, this, &Rundenfeld::neue_zettel);
    connect(plan, &QPushButton::clicked, this, &Rundenfeld::rundenplan_drucken);
    connect(zettel, &QPushButton::clicked, this, &Rundenfeld::spielzettel_drucken);

    const auto waehlen = [this](QListWidgetItem *eintrag) {
        emit spiel_gewaehlt(eintrag->data(spalte_rolle).toInt(),
                            eintrag->data(zeile_rolle).toInt());
    };
    connect(m_jetzt, &QListWidget::itemClicked, this, waehlen);
    connect(m_jetzt, &QListWidget::itemActivated, this, waehlen);
}

void Rundenfeld::zeigen(const Rundenanzeige &anzeige)
{
    m_titel->setText(anzeige.titel);
    m_jetzt->setAccessibleDescription(anzeige.titel);
    m_jetzt->clear();
    // A game played out of turn stays listed with its result, greyed.
    const QColor gespielt = palette().color(QPalette::Disabled, QPalette::Text);
    for (const Rundenzeile &spiel : anzeige.jetzt) {
        auto *eintrag = new QListWidgetItem(spiel.text, m_jetzt);
        eintrag->setData(spalte_rolle, spiel.spalte);
        eintrag->setData(zeile_rolle, spiel.zeile);
        if (spiel.gespielt())
            eintrag->setForeground(gespielt);
    }
    QStringList danach;
    QStringList vorlesen;
    for (const Rundenzeile &spiel : anzeige.danach) {
        const QString text = spiel.text.toHtmlEscaped();
        danach << (spiel.gespielt()
                       ? u"<span style=\"color:%1\">%2</span>"_s.arg(gespielt.name(), text)
                       : text);
        vorlesen << spiel.text;
    }
    m_danach_titel->setText(anzeige.danach_runde
                                ? u"Danach (Runde %1):"_s.arg(*anzeige.danach_runde + 1)
                                : u"Danach:"_s);
    m_danach->setText(danach.join(u"<br>"_s));
    m_danach->setAccessibleDescription(vorlesen.join(u'\n'));
    m_danach_titel->setVisible(!danach.isEmpty());
    m_danach->setVisible(!danach.isEmpty());
}
