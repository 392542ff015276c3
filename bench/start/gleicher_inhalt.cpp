// A second yardstick of the start-up benchmark: the main window's content at start (menus, tool
// bar with its drawn symbols, start picture, the start page's texts, the about line) built
// straight with Qt Widgets, in the program's face and sizes, without the program's own start-up
// (data folder, options, colours, styles, help file, translations) and without its libraries.
// The program's time over this one is what its own code costs; this one's over the empty window
// is what the content costs.
#include "app/befehle.h"
#include "app/startbild_fenster.h"
#include "erstes_bild.h"
#include "pictures/zeichnungen.h"
#include "programm.h"
#include "shell/titel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

void menues_anlegen(QMenuBar &leiste)
{
    QHash<QString, QMenu *> menues;
    for (const Bedienelement &element : hauptmenue()) {
        if (element.menue.isEmpty()) {
            leiste.addAction(element.beschriftung);
            continue;
        }
        QMenu *&menue = menues[element.menue];
        if (!menue)
            menue = leiste.addMenu(element.menue);
        menue->addAction(element.beschriftung);
    }
}

QWidget *werkzeugleiste_anlegen()
{
    auto *leiste = new QWidget;
    auto *zeile = new QHBoxLayout(leiste);
    for (const Bedienelement &element : werkzeugleiste()) {
        auto *knopf = new QToolButton(leiste);
        knopf->setText(element.beschriftung);
        if (const zeichnung::Bild *symbol = zeichnung::symbol(element.symbol))
            knopf->setIcon(zeichnung::als_pixmap(*symbol, QSize(32, 32)));
        knopf->setIconSize(QSize(32, 32));
        knopf->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        knopf->setAutoRaise(true);
        knopf->setFixedWidth(70);
        QFont schrift = knopf->font();
        schrift.setPointSize(8);
        knopf->setFont(schrift);
        zeile->addWidget(knopf);
    }
    zeile->addStretch();
    return leiste;
}

QWidget *startseite_anlegen()
{
    auto *seite = new QWidget;
    auto *bild = new Startbild(seite);
    bild->adjustSize();
    bild->move(200, 150);
    int oben = 20;
    for (const QString &text :
         {u"Hier spielen zwei Mannschaften gegeneinander."_s, u"Hier könnte Ihre Werbung stehen."_s,
          QTime::currentTime().toString(u"HH:mm:ss"_s)}) {
        auto *label = new QLabel(text, seite);
        QFont schrift = label->font();
        schrift.setPointSize(18);
        label->setFont(schrift);
        label->adjustSize();
        label->move(20, oben);
        oben += 380;
    }
    return seite;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QFont schrift(u"Liberation Sans"_s, 9);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(schrift);

    QMainWindow fenster;
    fenster.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    menues_anlegen(*fenster.menuBar());
    auto *mitte = new QWidget;
    auto *spalte = new QVBoxLayout(mitte);
    spalte->addWidget(werkzeugleiste_anlegen(), 0, Qt::AlignTop);
    spalte->addWidget(startseite_anlegen(), 1);
    fenster.setCentralWidget(mitte);
    fenster.statusBar()->addWidget(new QLabel(info_zeile(programm_version)), 1);

    nach_erstem_bild_beenden_wenn_verlangt(&fenster);
    fenster.show();
    return anwendung.exec();
}
