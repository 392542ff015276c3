#pragma once

#include <QObject>
#include <QString>
#include <array>

// The twenty name fields of a draw window, numbered 1..20. The readers and draws fill them;
// the window shows every change at once.
class Namensfelder : public QObject
{
    Q_OBJECT

public:
    static constexpr int anzahl = 20;

    QString text(int nr) const { return m_texte.at(nr - 1); }
    void setze(int nr, const QString &text);
    void leeren(int von, int bis);

signals:
    void geaendert(int nr, const QString &text);

private:
    std::array<QString, anzahl> m_texte;
};
