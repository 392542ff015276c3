'use strict';

// Every text from the program goes into the page through textContent, never as markup: a
// player's name is shown exactly as typed and can run nothing.
(function () {
    const abfrageAbstand = 2000;
    const erstePause = 1000;
    const laengstePause = 30000;

    let fassung = null;
    let pause = erstePause;
    let verbunden = false;
    let abfrageGeht = true;
    let abfrageTakt = null;

    function feld(id) {
        return document.getElementById(id);
    }

    function neu(tag, text, klasse) {
        const knoten = document.createElement(tag);
        if (text !== undefined && text !== null)
            knoten.textContent = String(text);
        if (klasse)
            knoten.className = klasse;
        return knoten;
    }

    function liste(wert) {
        return Array.isArray(wert) ? wert : [];
    }

    // A stopwatch that does not run says so: its last time would read like a score.
    function uhrZeigen(uhr) {
        const anzeige = feld('uhr');
        const laeuft = Boolean(uhr && uhr.laeuft === true);
        anzeige.textContent = !uhr ? '–' : laeuft && uhr.text ? String(uhr.text) : 'Stoppuhr steht';
        const farbe = laeuft && typeof uhr.farbe === 'string' && /^#[0-9a-f]{6}$/i.test(uhr.farbe)
            ? uhr.farbe : '';
        anzeige.style.backgroundColor = farbe;
        anzeige.classList.toggle('laeuft', farbe !== '');
        anzeige.classList.toggle('steht', Boolean(uhr) && !laeuft);
    }

    function mannschaftenZeigen(mannschaften) {
        const bereich = feld('mannschaften');
        bereich.replaceChildren();
        for (const mannschaft of liste(mannschaften)) {
            const kasten = neu('div', null, mannschaft.sieger ? 'mannschaft sieger' : 'mannschaft');
            kasten.append(neu('h2', mannschaft.name), neu('p', mannschaft.zeile));
            bereich.append(kasten);
        }
    }

    function ranglisteZeigen(rangliste) {
        const zeilen = document.createDocumentFragment();
        for (const eintrag of liste(rangliste)) {
            const zeile = document.createElement('tr');
            const name = neu('td', eintrag.name, 'name');
            name.append(neu('small', eintrag.mannschaft));
            zeile.append(neu('td', eintrag.platz, 'zahl'), name,
                neu('td', eintrag.spiele, 'zahl'), neu('td', eintrag.ges, 'zahl'));
            zeilen.append(zeile);
        }
        feld('rangliste').tBodies[0].replaceChildren(zeilen);
        feld('rangliste-bereich').hidden = liste(rangliste).length === 0;
    }

    function rundeZeigen(bereich, titel, runde) {
        if (!runde)
            return;
        const kasten = neu('div', null, 'runde');
        kasten.append(neu('h2', titel + ' (Runde ' + String(runde.nummer) + ')'));
        const tische = neu('ol');
        // The left name goes with the left score, as the result is typed; a played game is
        // greyed.
        for (const tisch of liste(runde.tische)) {
            const zeile = neu('li', null, tisch.ergebnis ? 'gespielt' : '');
            zeile.append(neu('span', 'Tisch ' + String(tisch.tisch) + ': ', 'tisch'),
                neu('span', String(tisch.links) + ' – ' + String(tisch.rechts)));
            if (tisch.ergebnis)
                zeile.append(neu('strong', '  ' + String(tisch.ergebnis)));
            tische.append(zeile);
        }
        kasten.append(tische);
        bereich.append(kasten);
    }

    function rundenZeigen(runden) {
        const bereich = feld('runden');
        bereich.replaceChildren();
        if (runden && typeof runden === 'object') {
            rundeZeigen(bereich, 'Jetzt', runden.aktuell);
            rundeZeigen(bereich, 'Als Nächstes', runden.naechste);
        }
        bereich.hidden = bereich.childElementCount === 0;
    }

    function zeigen(stand) {
        if (!stand || typeof stand !== 'object' || stand.fassung === fassung)
            return;
        fassung = stand.fassung;
        feld('datum').textContent = stand.datum ? String(stand.datum) : '';
        uhrZeigen(stand.uhr);
        mannschaftenZeigen(stand.mannschaften);
        rundenZeigen(stand.runden);
        ranglisteZeigen(stand.rangliste);
        const hinweis = feld('hinweis');
        hinweis.textContent = stand.plan ? '' : 'Zurzeit ist kein Spielplan geöffnet.';
        hinweis.hidden = Boolean(stand.plan);
        document.body.dataset.fassung = String(fassung);
    }

    function lageZeigen() {
        feld('verbindung').hidden = verbunden || abfrageGeht;
    }

    function abfragen() {
        fetch('/stand.json', { cache: 'no-store' })
            .then(function (antwort) {
                if (!antwort.ok)
                    throw new Error(String(antwort.status));
                return antwort.json();
            })
            .then(function (stand) {
                abfrageGeht = true;
                zeigen(stand);
            })
            .catch(function () {
                abfrageGeht = false;
            })
            .finally(lageZeigen);
    }

    function abfrageStarten() {
        if (abfrageTakt === null) {
            abfragen();
            abfrageTakt = setInterval(abfragen, abfrageAbstand);
        }
    }

    function abfrageBeenden() {
        if (abfrageTakt !== null) {
            clearInterval(abfrageTakt);
            abfrageTakt = null;
        }
    }

    function verbinden() {
        let kanal;
        try {
            kanal = new WebSocket((location.protocol === 'https:' ? 'wss://' : 'ws://') +
                location.host + '/live');
        } catch (fehler) {
            abfrageStarten();
            return;
        }
        kanal.onopen = function () {
            verbunden = true;
            pause = erstePause;
            abfrageBeenden();
            lageZeigen();
        };
        kanal.onmessage = function (nachricht) {
            try {
                zeigen(JSON.parse(nachricht.data));
            } catch (fehler) {
                // A broken message is skipped; the next one brings the whole state again.
            }
        };
        kanal.onclose = function () {
            const warVerbunden = verbunden;
            verbunden = false;
            if (warVerbunden)
                abfrageGeht = false;
            lageZeigen();
            abfrageStarten();
            setTimeout(verbinden, pause);
            pause = Math.min(pause * 2, laengstePause);
        };
    }

    if ('WebSocket' in window)
        verbinden();
    else
        abfrageStarten();
    abfragen();
}());
