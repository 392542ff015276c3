#include "grid/spalteninfo.h"

#include "grid/zahltext.h"

void TColInfo::Assign(const TColInfo &quelle)
{
    Titel = quelle.Titel;
    TitAlign = quelle.TitAlign;
    DatAlign = quelle.DatAlign;
    TitColor = quelle.TitColor;
    DatColor = quelle.DatColor;
    Width = quelle.Width;
    Typ = quelle.Typ;
    Dez = quelle.Dez;
    TitFont = quelle.TitFont;
    DatFont = quelle.DatFont;
}

QString schrift_zu_text(const Schrift &schrift)
{
    QString stile;
    if (schrift.font.bold())
        stile += u'B';
    if (schrift.font.italic())
        stile += u'I';
    if (schrift.font.underline())
        stile += u'U';
    if (schrift.font.strikeOut())
        stile += u'S';
    return schrift.font.family() + u'*' + QString::number(schrift.font.pointSize()) + u'*' +
           QString::number(schrift.Color) + u'*' + stile + u'*';
}

void text_zu_schrift(const QString &text, Schrift &schrift)
{
    QString rest = text;
    rest.replace(u';', u'*');
    auto [name, nach_name] = CutToken(u'*', rest);
    if (!name.isEmpty())
        schrift.font.setFamily(name);
    auto [groesse, nach_groesse] = CutToken(u'*', nach_name);
    if (!groesse.isEmpty()) {
        // A size no font can have is left out rather than handed to the font.
        const qint32 punkte = StrToIntNorm(groesse);
        if (punkte > 0 && punkte <= 1000)
            schrift.font.setPointSize(punkte);
    }
    auto [farbe, nach_farbe] = CutToken(u'*', nach_groesse);
    if (!farbe.isEmpty())
        schrift.Color = StrToIntNorm(farbe);
    const QString stile = CutToken(u'*', nach_farbe).first;
    schrift.font.setBold(stile.contains(u'B'));
    schrift.font.setItalic(stile.contains(u'I'));
    schrift.font.setUnderline(stile.contains(u'U'));
    schrift.font.setStrikeOut(stile.contains(u'S'));
}

QString spalteninfo_lesen(TColInfo &info, const QString &param, QChar trenner,
                          const Schrift &grundschrift)
{
    const QStringList felder = param.split(trenner);
    for (int i = 0; i < felder.size() && i < 10; ++i) {
        const QString &feld = felder[i];
        if (feld.isEmpty())
            continue;
        switch (i) {
        case 0:
            info.Titel = feld;
            break;
        case 1:
        case 4:
        case 6:
        case 7: {
            bool ok = false;
            const qint32 wert = feld.trimmed().toInt(&ok, 10);
            if (!ok)
                return kein_integer(feld);
            (i == 1   ? info.TitAlign
             : i == 4 ? info.Width
             : i == 6 ? info.Dez
                      : info.DatAlign) = wert;
            break;
        }
        case 3:
        case 9: {
            const std::optional<TColor> farbe = farbe_lesen(feld);
            if (!farbe)
                return kein_integer(feld);
            (i == 3 ? info.TitColor : info.DatColor) = *farbe;
            break;
        }
        case 5:
            info.Typ = feld.front();
            break;
        default: {
            Schrift schrift = grundschrift;
            text_zu_schrift(feld, schrift);
            (i == 2 ? info.TitFont : info.DatFont) = schrift;
            break;
        }
        }
    }
    return {};
}
