#include "lineup/auslosungs_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "lineup/auslosungsnummer.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/kuerzel.h"
#include "shell/plattform.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int namensfeld_breite = 180;

} // namespace

AuslosungsFenster::AuslosungsFenster(Zustand &zustand, Plattform &plattform, const Profil &profil,
                                     QWidget *parent)
    : QDialog(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_versatz(profil.versatz_unter_mitte)
{
    setObjectName(profil.objekt_name);
    setWindowTitle(profil.titel);
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    // Every way of closing ends here: "Beenden", "Speichern", Esc and the close box.
    connect(this, &QDialog::finished, this, &AuslosungsFenster::startseite_zeigen);
    connect(&m_felder, &Namensfelder::geaendert, this, [this](int nr, const QString &text) {
        if (QLineEdit *feld = namensfeld(nr)) {
            feld->setText(text);
            // A name longer than the field shows its beginning, not its end.
            feld->setCursorPosition(0);
        }
    });
}

QLineEdit *AuslosungsFenster::namensfeld_anlegen(int nr, const QString &zugaenglicher_name)
{
    auto *feld = new QLineEdit(m_felder.text(nr), this);
    feld->setObjectName(u"Edit%1"_s.arg(nr));
    feld->setReadOnly(true);
    feld->setAccessibleName(zugaenglicher_name);
    feld->setMinimumWidth(namensfeld_breite);
    feld->setCursorPosition(0);
    m_edits.at(nr - 1) = feld;
    return feld;
}

AuslosungsFenster::Nummernzeile
AuslosungsFenster::nummernzeile_anlegen(const QString &suffix, const QString &vorsatz,
                                        const QString &nr_beschriftung,
                                        const QString &wiederholen_beschriftung)
{
    Nummernzeile zeile;
    zeile.anzeige = new QLabel(this);
    zeile.anzeige->setObjectName(u"Auslosung"_s + suffix);
    zeile.beschriftung = new QLabel(nr_beschriftung, this);
    zeile.feld = new QLineEdit(this);
    zeile.feld->setObjectName(u"Nr"_s + suffix);
    zeile.feld->setAccessibleName(vorsatz + ohne_kuerzel(nr_beschriftung));
    // Room for the largest number, 4294967295.
    zeile.feld->setMaximumWidth(zeile.feld->fontMetrics().horizontalAdvance(u"00000000000"_s) + 12);
    zeile.beschriftung->setBuddy(zeile.feld);
    zeile.wiederholen = knopf_anlegen(this, "", wiederholen_beschriftung);
    zeile.wiederholen->setObjectName(u"Wiederholen"_s + suffix);
    return zeile;
}

void AuslosungsFenster::nummer_zeigen(const Nummernzeile &zeile, Mannschaft mannschaft)
{
    zeile.anzeige->setText(auslosung_text(m_felder.auslosung(mannschaft)));
}

std::optional<quint32> AuslosungsFenster::getippte_nummer(const Nummernzeile &zeile)
{
    const QString text = zeile.feld->text();
    const std::optional<quint32> nummer = auslosungsnummer_lesen(text);
    if (!nummer)
        m_plattform.fehler(auslosungsnummer_meldung(text));
    return nummer;
}

void AuslosungsFenster::platzieren()
{
    // More room would only add empty space between the fields.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    mittig_platzieren(*this, m_plattform.bildschirm(), m_versatz);
}

void AuslosungsFenster::zeigen()
{
    show();
    raise();
    activateWindow();
}
