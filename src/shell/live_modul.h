#pragma once

#include <QtPlugin>
#include <functional>
#include <optional>

class Plattform;
class QByteArray;
class QString;
class Tischannahme;
class QWidget;
struct Zustand;

// The module "vorlix_live" (Qt WebSockets and Qt Network): the live page's server and its
// window "Live-Seite".
class LiveModul
{
public:
    virtual ~LiveModul() = default;
    // The window "Live-Seite", built at the first call as a child of the main window, shown and
    // raised. It and its server end with the main window.
    virtual QWidget *fenster_zeigen(Zustand &zustand, Plattform &plattform,
                                    QWidget *hauptfenster) = 0;
    // The match day's snapshot as it stands now; every connected phone gets it at once.
    virtual void stand_senden(const QByteArray &dokument) = 0;
    // Who answers the slips' pages for the plan shown; set once, before the window is built.
    virtual void tische_anbinden(Tischannahme *annahme) = 0;
    // The page's address for the slips while it takes results from the tables, else empty.
    virtual QString tischseite() const = 0;
    // Called whenever the page is switched on or off or a phone comes or goes: the number of
    // phones while the page is on, nothing while it is off.
    virtual void bei_aenderung(std::function<void(std::optional<int> telefone)> melden) = 0;
};

#define LiveModul_iid "vorlix.LiveModul/3"
Q_DECLARE_INTERFACE(LiveModul, LiveModul_iid)

inline constexpr const char *live_modul_name = "vorlix_live";
