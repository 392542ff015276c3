#include "help/hilfe_sitemap.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype tiefste_ebene = 32;

QString attribut(const QString &attribute, const QString &name)
{
    static const QRegularExpression muster(
        uR"re((\w+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"_s);
    for (auto treffer = muster.globalMatch(attribute); treffer.hasNext();) {
        const auto t = treffer.next();
        if (t.captured(1).compare(name, Qt::CaseInsensitive) == 0)
            return t.hasCaptured(2) ? t.captured(2)
                                    : (t.hasCaptured(3) ? t.captured(3) : t.captured(4));
    }
    return {};
}

QString entschluesselt(const QString &text)
{
    return text.contains(u'&') ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

} // namespace

QString hilfe_seitenpfad(const QString &verweis)
{
    QString pfad = verweis.section(u'#', 0, 0).trimmed();
    pfad.replace(u'\\', u'/');
    while (pfad.startsWith(u"./"_s))
        pfad.remove(0, 2);
    if (pfad.isEmpty())
        return {};
    return pfad.startsWith(u'/') ? pfad : u'/' + pfad;
}

std::vector<HilfeEintrag> sitemap_lesen(const QByteArray &html)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(html);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(html);

    std::vector<HilfeEintrag> wurzel;
    // The lists being filled, outermost first; a nested <UL> belongs to the last entry.
    std::vector<std::vector<HilfeEintrag> *> ebenen{&wurzel};
    // For each open <UL>: whether it opened a level of its own. The outermost list is the
    // root, and lists nested too deep or before any entry add to the level they stand in.
    std::vector<bool> listen;
    HilfeEintrag *eintrag = nullptr;
    bool im_objekt = false;

    static const QRegularExpression marke(uR"(<\s*(/?)\s*(\w+)([^>]*)>)"_s);
    for (auto treffer = marke.globalMatch(text); treffer.hasNext();) {
        const auto t = treffer.next();
        const bool schliessend = !t.captured(1).isEmpty();
        const QString name = t.captured(2).toLower();
        if (name == u"ul") {
            if (schliessend) {
                if (!listen.empty() && listen.back())
                    ebenen.pop_back();
                if (!listen.empty())
                    listen.pop_back();
            } else {
                const bool eigene_ebene =
                    !listen.empty() && ebenen.size() < tiefste_ebene && !ebenen.back()->empty();
                if (eigene_ebene)
                    ebenen.push_back(&ebenen.back()->back().kinder);
                listen.push_back(eigene_ebene);
            }
            eintrag = nullptr;
        } else if (name == u"object") {
            const QString typ = attribut(t.captured(3), u"type"_s);
            im_objekt = !schliessend && typ.compare(u"text/sitemap", Qt::CaseInsensitive) == 0;
            if (im_objekt) {
                ebenen.back()->push_back({});
                eintrag = &ebenen.back()->back();
            }
        } else if (name == u"param" && im_objekt && eintrag) {
            const QString art = attribut(t.captured(3), u"name"_s);
            const QString wert = entschluesselt(attribut(t.captured(3), u"value"_s));
            if (art.compare(u"Name", Qt::CaseInsensitive) == 0 && eintrag->name.isEmpty())
                eintrag->name = wert;
            else if (art.compare(u"Local", Qt::CaseInsensitive) == 0 && eintrag->seite.isEmpty())
                eintrag->seite = hilfe_seitenpfad(wert);
        }
    }
    return wurzel;
}
