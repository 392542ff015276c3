// Takes the pictures of the help pages: builds the main window on a sample data folder, runs
// each command of the table below and grabs the window it opens. A command whose window is not
// built yet opens nothing and is skipped with a note.
#include "app/hauptfenster_fenster.h"
#include "lineup/gruppendateien.h"
#include "rosters/adressbestand.h"
#include "shell/zustand.h"
#include "test_plattform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Aufnahme
{
    QString datei;                // picture under hilfe/bilder/
    std::optional<Befehl> befehl; // none: the main window itself
    int doppel_modus = 0;
};

// Add a row to picture another window; rows whose window is missing are skipped.
const QList<Aufnahme> aufnahmen{
    {u"hauptfenster.png"_s, std::nullopt},
    {u"gruppen_doppel.png"_s, Befehl::gruppen_mitspieler_anzeigen, 1},
    {u"gruppen_einzel.png"_s, Befehl::gruppen_mitspieler_anzeigen, 0},
    {u"spielerliste.png"_s, Befehl::spieler_gruppe1_erfassen},
    {u"auswahl.png"_s, Befehl::mitspieler_festlegen},
    {u"turnierplan_doppel.png"_s, Befehl::turnierplan_anzeigen, 1},
    {u"turnierplan_einzel.png"_s, Befehl::turnierplan_anzeigen, 0},
    {u"ergebnisse.png"_s, Befehl::ergebnisse_ansehen, 1},
    {u"einstellungen.png"_s, Befehl::einstellungen},
    {u"sicherung.png"_s, Befehl::daten_sichern},
    {u"farben.png"_s, Befehl::farben},
    {u"drucken.png"_s, Befehl::adressen_drucken},
    {u"ueber.png"_s, Befehl::ueber},
};

const QStringList spieler1{u"Jürgen Weiß"_s,  u"Anna Groß"_s,   u"Ömer Yilmaz"_s,
                           u"Lena Schäfer"_s, u"Paul Krüger"_s, u"Sophie Möller"_s,
                           u"Max Bäcker"_s,   u"Eva Strauß"_s};
const QStringList spieler2{u"Tobias Kühn"_s, u"Marie Hoß"_s,  u"Felix Jäger"_s,  u"Clara Fuß"_s,
                           u"Jonas Übel"_s,  u"Hanna Dörr"_s, u"Lukas Öztürk"_s, u"Mia Sänger"_s};

void beispieldaten(Zustand &zustand)
{
    zustand.optionen_lesen();
    zustand.optionen.setze(opt::name_mannschaft1, u"TFC Grün-Weiß"_s);
    zustand.optionen.setze(opt::name_mannschaft2, u"Kickerfreunde Süd"_s);
    zustand.optionen_speichern();
    for (int i = 0; i < spieler1.size(); ++i) {
        zustand.gruppe1.setze_name(1 + i, spieler1[i]);
        zustand.gruppe2.setze_name(21 + i, spieler2[i]);
        for (const auto &[mannschaft, name] :
             {std::pair{Mannschaft::eins, spieler1[i]}, std::pair{Mannschaft::zwei, spieler2[i]}})
            adresse_speichern_oder_ersetzen(zustand.daten_pfad, mannschaft,
                                            {name.section(u' ', 1), name.section(u' ', 0, 0),
                                             u"Lindenstraße %1"_s.arg(i + 3), u"79100 Freiburg"_s,
                                             u"0761 %1"_s.arg(4711 + i)});
    }
    // Both game kinds start from the same participants.
    gruppe1_speichern(zustand);
    gruppe2_speichern(zustand);
    QFile::copy(zustand.pfad(gruppe1_e_datei), zustand.pfad(gruppe1_d_datei));
    QFile::copy(zustand.pfad(gruppe2_e_datei), zustand.pfad(gruppe2_d_datei));
}

QImage verkleinert(const QImage &bild)
{
    constexpr int hoechstens = 560;
    return bild.width() > hoechstens ? bild.scaledToWidth(hoechstens, Qt::SmoothTransformation)
                                     : bild;
}

QWidget *neues_fenster(const QWidget *hauptfenster)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != hauptfenster && w->isVisible() && !w->inherits("QMenu"))
            return w;
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QApplication::setStyle(u"Fusion"_s);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"hilfe/bilder"_s;
    QDir().mkpath(ziel);
    QTextStream aus(stdout);

    for (const Aufnahme &aufnahme : aufnahmen) {
        QTemporaryDir ordner;
        Zustand zustand;
        zustand.daten_pfad = ordner.path() + u'/';
        beispieldaten(zustand);
        zustand.setze(opt::doppel_modus, aufnahme.doppel_modus);
        zustand.optionen_speichern();
        QFile(zustand.pfad(u"Vorlix_Turnier-Hilfe.chm"_s)).open(QIODevice::WriteOnly);

        TestPlattform plattform;
        plattform.schirm = QRect(0, 0, 1024, 768);
        plattform.arbeit = QRect(0, 0, 1024, 740);
        plattform.leiste = Taskleiste{740, false};
        TForm1 hauptfenster(zustand, plattform);
        hauptfenster.titel_setzen();
        hauptfenster.show();
        QApplication::processEvents();

        QWidget *fenster = &hauptfenster;
        if (aufnahme.befehl) {
            hauptfenster.befehl_ausfuehren(*aufnahme.befehl);
            QApplication::processEvents();
            fenster = neues_fenster(&hauptfenster);
        }
        if (!fenster) {
            aus << "übersprungen (Fenster fehlt noch): " << aufnahme.datei << Qt::endl;
            continue;
        }
        QApplication::processEvents();
        const QString pfad = ziel + u'/' + aufnahme.datei;
        verkleinert(fenster->grab().toImage()).save(pfad);
        aus << "aufgenommen: " << pfad << Qt::endl;
        for (QWidget *w : QApplication::topLevelWidgets())
            w->hide();
    }
    return 0;
}
