#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class Plattform;
class QFrame;
class QHBoxLayout;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

// A window with a print preview over a bar of buttons: one or two pages on screen, printing,
// saving as PDF, another printer and closing. What is drawn, the PDF and closing are the
// window's own; it may also put fields into the bar before the buttons.
class VorschauLeisteFenster : public QWidget
{
    Q_OBJECT

public:
    ~VorschauLeisteFenster() override;

    QPrinter &drucker() { return *m_drucker; }

    QPrintPreviewWidget *NicePreview1 = nullptr;
    QFrame *Panel1 = nullptr;       // the bottom bar
    QPushButton *Button1 = nullptr; // "Zwei Seiten"
    QPushButton *Button4 = nullptr; // "Eine Seite"
    QPushButton *Button2 = nullptr; // "Drucken"
    QPushButton *Button7 = nullptr; // "Als PDF speichern"
    QPushButton *Button6 = nullptr; // "Anderen Drucker wählen"
    QPushButton *Button3 = nullptr; // "Beenden"

protected:
    VorschauLeisteFenster(Plattform &plattform, QWidget *eltern);

    // Builds the preview and the bar; `felder` puts its fields into the bar (on Panel1) before
    // the buttons. Called from the window's constructor, once its own members are set.
    void vorschau_aufbauen(const std::function<void(QHBoxLayout &leiste)> &felder = {});
    // Every page onto the printer or the preview's device; false when it cannot be drawn on.
    virtual bool ausgeben(QPrinter &drucker) = 0;
    void eine_seite();

    Plattform &m_plattform;
    std::unique_ptr<QPrinter> m_drucker;

private:
    void zwei_seiten();
    void drucken();
    void drucker_waehlen();
};
