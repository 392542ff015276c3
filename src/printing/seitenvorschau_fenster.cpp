#include "printing/seitenvorschau_fenster.h"

#include <QPainter>
#include <QPrinter>
#include <QPushButton>

SeitenvorschauFenster::SeitenvorschauFenster(const Seitenvorschau &vorschau, Plattform &plattform,
                                             QWidget *eltern)
    : VorschauLeisteFenster(plattform, eltern)
    , m_vorschau(vorschau)
{
    setObjectName("Seitenvorschau");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_vorschau.titel);
    m_drucker->setDocName(m_vorschau.titel);

    vorschau_aufbauen();
    connect(Button7, &QPushButton::clicked, this, [this] {
        if (m_vorschau.als_pdf_speichern)
            m_vorschau.als_pdf_speichern();
    });
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
    eine_seite();
}

bool SeitenvorschauFenster::ausgeben(QPrinter &drucker)
{
    QPainter maler;
    if (!m_vorschau.zeichnen || !maler.begin(&drucker))
        return false;
    const QRectF ziel(0, 0, drucker.width(), drucker.height());
    for (int seite = 0; seite < m_vorschau.seiten; ++seite) {
        if (seite > 0 && !drucker.newPage())
            return false;
        m_vorschau.zeichnen(maler, seite, ziel);
    }
    return maler.end();
}
