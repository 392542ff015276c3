#pragma once

#include "shell/mannschaft.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

// The twenty name fields of a draw window, numbered 1..20, and the number of the draw each
// team's names come from. The readers and draws fill them; the window shows every change at
// once.
class Namensfelder : public QObject
{
    Q_OBJECT

public:
    static constexpr int anzahl = 20;

    QString text(int nr) const { return m_texte.at(nr - 1); }
    void setze(int nr, const QString &text);
    void leeren(int von, int bis);

    // None when the team's names were not drawn in this run or were emptied.
    std::optional<quint32> auslosung(Mannschaft mannschaft) const
    {
        return m_auslosungen.at(nummer(mannschaft) - 1);
    }
    void setze_auslosung(Mannschaft mannschaft, std::optional<quint32> nr);

signals:
    void geaendert(int nr, const QString &text);
    void auslosung_geaendert(Mannschaft mannschaft);

private:
    std::array<QString, anzahl> m_texte;
    std::array<std::optional<quint32>, 2> m_auslosungen;
};
