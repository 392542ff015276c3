#include "backup/sicherung_fenster.h"

#include "appearance/stil_anwenden.h"
#include "backup/ordnerbaum_fenster.h"
#include "help/hilfe_taste_fenster.h"
#include "shell/beschriftung_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/kuerzel.h"
#include "shell/pfadfeld_fenster.h"
#include "shell/zustand.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The caption with its Alt key before the given word.
QString mit_kuerzel(QString text, const QString &wort)
{
    const qsizetype stelle = text.indexOf(wort);
    if (stelle >= 0)
        text.insert(stelle, u'&');
    return text;
}

// Changes a field only when its text differs, so that typing keeps the cursor where it is.
void text_setzen(QLineEdit *feld, const QString &text)
{
    if (feld->text() != text)
        feld->setText(text);
}

} // namespace

TBack5::TBack5(Zustand &zustand, Plattform &plattform, Sicherungsstand &stand, QWidget *parent)
    : QDialog(parent)
    , m_zustand(zustand)
    , m_ansicht(zustand, plattform, stand)
{
    setObjectName("Back5");
    setAttribute(Qt::WA_DeleteOnClose);
    oberflaeche_aufbauen();
    verbinden();
    hilfe_taste_einrichten(this, zustand, plattform);
}

void TBack5::oberflaeche_aufbauen()
{
    resize(720, 580);
    auto *spalte = new QVBoxLayout(this);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setAccessibleName(u"Datensicherung oder Datenwiederherstellung"_s);
    TabSheet1 = sicherungsseite_aufbauen();
    TabSheet2 = wiederherstellungsseite_aufbauen();
    PageControl1->addTab(TabSheet1, u"&Datensicherung"_s);
    PageControl1->addTab(TabSheet2, u"Datenwieder&herstellung"_s);
    spalte->addWidget(PageControl1, 1);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setAccessibleName(u"Kopierte Dateien"_s);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setFormat(u"%v von %m Dateien"_s);
    ProgressBar1->setTextVisible(false); // until a copy counts its files
    spalte->addWidget(ProgressBar1);

    Panel3 = new QFrame(this);
    Panel3->setObjectName("Panel3");
    Panel3->setFrameShape(QFrame::StyledPanel);
    Panel3->setAutoFillBackground(true);
    // Its caption follows the direction of the copy.
    Button1 = knopf_anlegen(Panel3, "Button1", QString());
    Button2 = knopf_anlegen(Panel3, "Button2", u"&Beenden"_s);
    knopfreihe_anlegen({nullptr, Button1, Button2}, Panel3);
    spalte->addWidget(Panel3);
}

QWidget *TBack5::sicherungsseite_aufbauen()
{
    auto *seite = new QWidget;
    seite->setObjectName("TabSheet1");
    auto *raster = new QGridLayout(seite);

    Edit1 = pfadfeld_anlegen(seite, "Edit1", Pfadeingabe::nur_lesen);
    Label1 =
        beschriftung_anlegen(seite, "Label1", u"Kopiere Dateien von &Quellverzeichnis:"_s, Edit1);
    Edit2 = pfadfeld_anlegen(seite, "Edit2");
    Label2 =
        beschriftung_anlegen(seite, "Label2", u"Kopiere Dateien nach &Zielverzeichnis:"_s, Edit2);
    raster->addWidget(Label1, 0, 0, 1, 2);
    raster->addWidget(Edit1, 1, 0, 1, 2);
    raster->addWidget(Label2, 2, 0, 1, 2);
    raster->addWidget(Edit2, 3, 0, 1, 2);

    DirectoryListBox1 = new Ordnerbaum(seite);
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    Panel4 = beschriftung_anlegen(seite, "Panel4",
                                  u"&Wählen Sie bei Bedarf ein anderes Zielverzeichnis."_s,
                                  DirectoryListBox1);
    Panel4->setFrameShape(QFrame::StyledPanel);
    raster->addWidget(Panel4, 4, 0, 1, 2);
    raster->addWidget(DirectoryListBox1, 5, 0, 1, 2);
    raster->setRowStretch(5, 1);

    Button4 = knopf_anlegen(seite, "Button4", u"Datum an&fügen"_s);
    CheckBox1 = new QCheckBox(u"&Automatische Datensicherung nach Programmende."_s, seite);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setAccessibleName(u"Automatische Datensicherung nach Programmende."_s);
    raster->addWidget(Button4, 6, 0);
    raster->addWidget(CheckBox1, 6, 1);
    raster->setColumnStretch(1, 1);
    return seite;
}

QWidget *TBack5::wiederherstellungsseite_aufbauen()
{
    auto *seite = new QWidget;
    seite->setObjectName("TabSheet2");
    auto *raster = new QGridLayout(seite);

    Edit3 = pfadfeld_anlegen(seite, "Edit3");
    Label3 = beschriftung_anlegen(seite, "Label3", {}, Edit3);
    Edit4 = pfadfeld_anlegen(seite, "Edit4");
    Label4 = beschriftung_anlegen(seite, "Label4", {}, Edit4);
    raster->addWidget(Label3, 0, 0, 1, 2);
    raster->addWidget(Edit3, 1, 0, 1, 2);
    raster->addWidget(Label4, 2, 0, 1, 2);
    raster->addWidget(Edit4, 3, 0, 1, 2);

    DirectoryListBox2 = new Ordnerbaum(seite);
    DirectoryListBox2->setObjectName("DirectoryListBox2");
    Panel5 = beschriftung_anlegen(seite, "Panel5",
                                  u"Wählen Sie bei Bedarf ein anderes &Quellverzeichnis."_s,
                                  DirectoryListBox2);
    Panel5->setFrameShape(QFrame::StyledPanel);
    raster->addWidget(Panel5, 4, 0, 1, 2);

    m_dateien = new QFileSystemModel(this);
    m_dateien->setFilter(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    FileListBox1 = new QListView(seite);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setAccessibleName(u"Dateien des gewählten Verzeichnisses"_s);
    if (FileListBox1->model() != m_dateien)
        FileListBox1->setModel(m_dateien);
    FileListBox1->hide();
    raster->addWidget(DirectoryListBox2, 5, 0);
    raster->addWidget(FileListBox1, 5, 1);
    raster->setRowStretch(5, 1);

    auto *modi = new QVBoxLayout;
    RadioButton1 = new QRadioButton(u"Dateien &einzeln wiederherstellen."_s, seite);
    RadioButton2 =
        new QRadioButton(u"Alle Dateien eines Namens &gemeinsam wiederherstellen."_s, seite);
    RadioButton3 = new QRadioButton(u"Se&lektierte Dateien wiederherstellen"_s, seite);
    int nummer = 1;
    for (QRadioButton *modus : {RadioButton1, RadioButton2, RadioButton3}) {
        modus->setObjectName(u"RadioButton%1"_s.arg(nummer++));
        modus->setAccessibleName(ohne_kuerzel(modus->text()));
        modi->addWidget(modus);
    }
    raster->addLayout(modi, 6, 0, 1, 2);
    return seite;
}

void TBack5::verbinden()
{
    connect(&m_ansicht, &Sicherungsansicht::geaendert, this, &TBack5::spiegeln);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            m_ansicht.wiederherstellung_zeigen();
        else
            m_ansicht.sicherung_zeigen();
    });
    connect(Edit2, &QLineEdit::textEdited, &m_ansicht, &Sicherungsansicht::ziel_getippt);
    connect(Edit3, &QLineEdit::textEdited, &m_ansicht, &Sicherungsansicht::rueck_quelle_getippt);
    connect(Edit4, &QLineEdit::textEdited, &m_ansicht, &Sicherungsansicht::rueck_ziel_getippt);
    connect(Button4, &QPushButton::clicked, &m_ansicht, &Sicherungsansicht::datum_anfuegen);
    connect(CheckBox1, &QCheckBox::clicked, &m_ansicht,
            &Sicherungsansicht::auto_sicherung_schalten);

    connect(DirectoryListBox1, &Ordnerbaum::ordner_gewaehlt, &m_ansicht,
            &Sicherungsansicht::ziel_ordner_gewaehlt);
    connect(DirectoryListBox2, &Ordnerbaum::ordner_gewaehlt, &m_ansicht,
            &Sicherungsansicht::rueck_ordner_gewaehlt);
    const auto datei_gewaehlt = [this](const QModelIndex &index) {
        m_ansicht.datei_angeklickt(m_dateien->fileName(index));
    };
    connect(FileListBox1, &QListView::clicked, this, datei_gewaehlt);
    connect(FileListBox1, &QListView::activated, this, datei_gewaehlt);

    using M = Sicherungsansicht::Modus;
    connect(RadioButton1, &QRadioButton::clicked, this,
            [this] { m_ansicht.modus_waehlen(M::einzeln); });
    connect(RadioButton2, &QRadioButton::clicked, this,
            [this] { m_ansicht.modus_waehlen(M::namensgleich); });
    connect(RadioButton3, &QRadioButton::clicked, this,
            [this] { m_ansicht.modus_waehlen(M::selektiert); });

    connect(Button1, &QPushButton::clicked, this, &TBack5::knopf1_geklickt);
    connect(Button2, &QPushButton::clicked, this, [this] {
        m_ansicht.beenden();
        accept();
    });
}

void TBack5::oeffnen()
{
    m_ansicht.oeffnen();
    open();
}

void TBack5::spiegeln()
{
    const bool rueck = m_ansicht.seite() == Sicherungsansicht::Seite::wiederherstellung;
    setWindowTitle(m_ansicht.titel());
    if (m_gezeigte_seite != m_ansicht.seite()) {
        m_gezeigte_seite = m_ansicht.seite();
        const QSignalBlocker sperre(PageControl1);
        PageControl1->setCurrentIndex(rueck ? 1 : 0);
        // Back on the backup tab the tree starts at the program folder again, and the next
        // restore tab lists its folder afresh.
        if (!rueck) {
            DirectoryListBox1->ordner_zeigen(m_zustand.daten_pfad);
            m_gezeigter_ordner.clear();
        }
        farben_anwenden(rueck);
    }
    Button1->setText(rueck ? u"&Wiederherstellen"_s : u"Daten &sichern >>"_s);
    Button1->setAccessibleName(m_ansicht.knopf_text());
    Button4->setEnabled(m_ansicht.datum_frei());
    {
        const QSignalBlocker sperre(CheckBox1);
        CheckBox1->setChecked(m_ansicht.auto_sicherung());
    }
    text_setzen(Edit1, m_ansicht.quelle());
    text_setzen(Edit2, m_ansicht.ziel());
    text_setzen(Edit3, m_ansicht.rueck_quelle());
    text_setzen(Edit4, m_ansicht.rueck_ziel());
    Label3->setText(mit_kuerzel(m_ansicht.beschriftung_von(), u"von"_s));
    Label4->setText(mit_kuerzel(m_ansicht.beschriftung_nach(), u"nach"_s));
    Edit3->setAccessibleName(m_ansicht.beschriftung_von());
    Edit4->setAccessibleName(m_ansicht.beschriftung_nach());

    using M = Sicherungsansicht::Modus;
    RadioButton1->setChecked(m_ansicht.modus() == M::einzeln);
    RadioButton2->setChecked(m_ansicht.modus() == M::namensgleich);
    RadioButton3->setChecked(m_ansicht.modus() == M::selektiert);
    FileListBox1->setSelectionMode(m_ansicht.modus() == M::selektiert
                                       ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);

    FileListBox1->setVisible(m_ansicht.dateiliste_sichtbar());
    if (rueck && m_ansicht.rueck_ordner() != m_gezeigter_ordner) {
        m_gezeigter_ordner = m_ansicht.rueck_ordner();
        DirectoryListBox2->ordner_zeigen(m_gezeigter_ordner);
        dateiliste_zeigen(m_gezeigter_ordner);
    }
}

void TBack5::dateiliste_zeigen(const QString &ordner)
{
    // A folder that does not exist lists nothing, rather than the model's top level.
    if (!QFileInfo(ordner).isDir()) {
        FileListBox1->setModel(nullptr);
        return;
    }
    FileListBox1->setModel(m_dateien);
    const QString pfad = QDir::cleanPath(ordner);
    m_dateien->setRootPath(pfad);
    FileListBox1->setRootIndex(m_dateien->index(pfad));
}

void TBack5::farben_anwenden(bool wiederherstellung)
{
    // The restore tab wears the colour record's colours; the backup tab the style's.
    if (wiederherstellung) {
        flaeche_faerben(*this, m_zustand.farben.wert(frb::form_umr));
        flaeche_faerben(*Panel3, m_zustand.farben.wert(frb::D_bs_fa));
        return;
    }
    setPalette(QPalette());
    Panel3->setPalette(QPalette());
}

QStringList TBack5::markierte_dateien() const
{
    if (!FileListBox1->selectionModel())
        return {};
    QModelIndexList zeilen = FileListBox1->selectionModel()->selectedIndexes();
    std::sort(zeilen.begin(), zeilen.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList namen;
    for (const QModelIndex &zeile : zeilen)
        namen.append(m_dateien->fileName(zeile));
    return namen;
}

void TBack5::kopierschritt_zeigen(const Kopierschritt &schritt)
{
    const bool rueck = m_ansicht.seite() == Sicherungsansicht::Seite::wiederherstellung;
    (rueck ? Edit3 : Edit1)->setText(schritt.quelle);
    (rueck ? Edit4 : Edit2)->setText(schritt.ziel);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setRange(0, schritt.gesamt);
    ProgressBar1->setValue(schritt.kopiert);
    // Lets the screen show each file; the person's input waits until the copy is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TBack5::knopf1_geklickt()
{
    const auto zeigen = [this](const Kopierschritt &schritt) {
        kopierschritt_zeigen(schritt);
    };
    Button1->setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool fertig = m_ansicht.seite() == Sicherungsansicht::Seite::sicherung
                            ? m_ansicht.sichern(zeigen)
                            : m_ansicht.wiederherstellen(markierte_dateien(), zeigen);
    QGuiApplication::restoreOverrideCursor();
    Button1->setEnabled(true);
    if (fertig) {
        ProgressBar1->setValue(ProgressBar1->maximum());
        accept();
        return;
    }
    // The fields showed the copied files; they show the folders again.
    spiegeln();
}
