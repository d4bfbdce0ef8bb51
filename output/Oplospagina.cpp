// The web page to solve a puzzle on, written in one piece: the board as
// positioned input boxes, the clues, the style sheet and the script.
#include "output/Oplospagina.h"

#include "model/Algemeen.h"
#include "output/Pagina.h"
#include "storage/Puzzelbestand.h"

#include <QCryptographicHash>
#include <QList>
#include <QStringList>
#include <algorithm>

using namespace Algemeen;

namespace {

// Lengths in the style sheet are board pixels times --s, the scale: 1px on a
// wide screen, so the board has the design's size; on a narrow one the
// board fills the width, up to 1.6 times as large for a finger to hit; on
// paper 1.3 times, for a pen.
const char* const Stijl = R"CSS(
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;padding:16px;background:#f3f3f7;color:#1d1d22;font:16px/1.45 "Liberation Sans",Arial,Helvetica,sans-serif}
main{max-width:60rem;margin:0 auto}
h1{font-size:1.5rem;line-height:1.2;margin:0 0 .4rem;color:#440000;overflow-wrap:anywhere}
h2{font-size:1.1rem;margin:0 0 .4rem}
.uitleg{margin:0 0 1rem;color:#50505a}
.puzzel{container-type:inline-size;display:flex;flex-wrap:wrap;gap:1rem 2rem;align-items:flex-start}
.bordvak{flex:none;max-width:100%}
.bord{--max:1px;--s:min(var(--max),calc((100vw - 50px)/var(--w)));position:relative;flex:none;
 width:calc(var(--w)*var(--s) + 2px);height:calc(var(--h)*var(--s) + 2px);background:var(--veld);
 border:1px solid #000;color:#000;font:bold calc(13*var(--s))/1 "Liberation Sans",Arial,Helvetica,sans-serif;
 -webkit-print-color-adjust:exact;print-color-adjust:exact}
@supports (container-type:inline-size){.bord{--s:min(var(--max),calc((100cqw - 2px)/var(--w)))}}
@media (max-width:640px){.bord{--max:1.6px}}
.nr{position:absolute;left:calc(var(--x)*var(--s));top:calc(var(--y)*var(--s));width:calc(20*var(--s));
 height:calc(22*var(--s));line-height:calc(22*var(--s));text-align:right;pointer-events:none}
.hok{position:absolute;z-index:1;left:calc(var(--x)*var(--s));top:calc(var(--y)*var(--s));
 width:calc(22*var(--s) + 1px);height:calc(21*var(--s) + 1px);margin:0;padding:0;border:1px solid #000;
 border-radius:0;background:var(--woord);color:#000;font:inherit;line-height:1;text-align:center;
 caret-color:transparent;outline:none;-webkit-appearance:none;appearance:none;cursor:pointer}
.hok.kolom{background:var(--kolom)}
.hok::selection{background:transparent}
.rij.actief .hok{box-shadow:inset 0 0 0 2px #5b8be0}
.hok:focus{z-index:2;background:#ffe17a;box-shadow:inset 0 0 0 2px #1a4fa8}
.hok.fout{background:#ffb4b4;color:#9a0000;text-decoration:line-through}
.hok.getoond{color:#1f4fbf}
.huidig{width:0;min-width:100%;min-height:1.45em;margin:.5rem 0 0;overflow-wrap:anywhere}
.omschrijvingen{flex:1 1 16rem;min-width:0}
.omschrijvingen ol{list-style:none;margin:0;padding:0}
.omschrijvingen li{display:grid;grid-template-columns:2.2em 1fr;padding:.1rem .4rem;border-radius:4px;
 overflow-wrap:anywhere;cursor:pointer}
.omschrijvingen li.actief{background:#dbe5fb}
.num{font-weight:bold}
.knoppen{display:flex;flex-wrap:wrap;gap:.5rem;margin:1.2rem 0 .5rem}
button{font:inherit;min-height:44px;padding:.5rem 1rem;border:1px solid #8a8fa3;border-radius:6px;
 background:#fff;color:inherit;cursor:pointer}
button:focus-visible{outline:3px solid #1a4fa8;outline-offset:2px}
#melding{min-height:1.45em;margin:.5rem 0;font-weight:bold}
body.klaar #melding{color:#17652a}
.zoekregel{display:none}
@media (forced-colors:active){.hok:focus{outline:3px solid Highlight}}
@media (prefers-color-scheme:dark){
 body{background:#18191c;color:#e4e4e8}
 h1{color:#f2c4b0}
 .uitleg{color:#b4b4bc}
 .bord{box-shadow:0 0 0 1px #6a6f80}
 .omschrijvingen li.actief{background:#33405e}
 button{background:#2a2c33;border-color:#6a6f80}
 button:focus-visible{outline-color:#8fb3ff}
 body.klaar #melding{color:#7fd68f}
}
@page{margin:15mm}
@media print{
 body{background:#fff;color:#000;padding:0}
 h1{color:#000}
 .uitleg,.huidig,.knoppen,#melding,noscript{display:none!important}
 .bord{--max:1.3px;box-shadow:none}
 .bordvak{break-inside:avoid}
 .hok{background:var(--woord)!important;box-shadow:none!important;color:#000!important;text-decoration:none!important}
 .hok.kolom{background:var(--kolom)!important}
 .hok.getoond{color:transparent!important}
 .omschrijvingen li.actief{background:none}
 .zoekregel{display:block;margin-top:1.5rem}
}
)CSS";

// The script reads everything from the page: the rows are the board's .rij
// elements, their boxes the inputs in them, the answers the board's data-a.
const char* const Script = R"JS(
(function () {
'use strict';
var bord = document.getElementById('bord');
if (!bord) return;
var id = bord.getAttribute('data-id') || '';
var rijDelen = Array.prototype.slice.call(bord.querySelectorAll('.rij'));
var rijen = rijDelen.map(function (r) { return Array.prototype.slice.call(r.querySelectorAll('.hok')); });
var lis = rijDelen.map(function (r, i) { return document.getElementById('o' + (i + 1)); });
var melding = document.getElementById('melding');
var huidig = document.getElementById('huidig');
var sleutel = 'wendolo-oplossen-' + id;
var letter = /^\p{L}$/u;
var antwoorden = ontcijfer(bord.getAttribute('data-a') || '').split('\n').map(function (w) { return Array.from(w); });
// What box k of row r takes: a letter, or what stands there when it is no
// letter (a hyphen, an apostrophe), which could not be typed in otherwise.
function past(c, r, k) { return letter.test(c) || c === (antwoorden[r] || [])[k]; }
var getoond = rijen.map(function (r) { return r.map(function () { return false; }); });
var rij = 0, pos = 0, klaar = false;

function ontcijfer(tekst) {
  var x = (parseInt(id.slice(0, 8), 16) >>> 0) || 1;
  var b;
  try { b = atob(tekst); } catch (e) { return ''; }
  var u = new Uint8Array(b.length);
  for (var i = 0; i < b.length; i++) {
    x ^= x << 13; x ^= x >>> 17; x ^= x << 5;
    u[i] = b.charCodeAt(i) ^ (x & 255);
  }
  return new TextDecoder().decode(u);
}
function antwoord(r, k) { return (antwoorden[r] || [])[k] || ''; }
function hoofd(c) { var u = c.toUpperCase(); return Array.from(u).length === 1 ? u : c; }
function zet(r, k, c, toon) {
  var h = rijen[r][k];
  h.value = c;
  getoond[r][k] = !!toon && c !== '';
  h.classList.toggle('getoond', getoond[r][k]);
  h.classList.remove('fout');
  h.removeAttribute('aria-invalid');
}
function allesGoed() {
  return rijen.every(function (hs, r) { return hs.every(function (h, k) { return h.value === antwoord(r, k); }); });
}
function zoekwoord() {
  return rijen.map(function (hs, r) {
    for (var k = 0; k < hs.length; k++) if (hs[k].classList.contains('kolom')) return antwoord(r, k);
    return '';
  }).join('');
}
function bewaar() {
  try {
    localStorage.setItem(sleutel, JSON.stringify({
      l: rijen.map(function (hs) { return hs.map(function (h) { return h.value; }); }), t: getoond }));
  } catch (e) { /* no storage for this page: progress lasts until it is closed */ }
}
function laad() {
  var d = null;
  try { d = JSON.parse(localStorage.getItem(sleutel) || 'null'); } catch (e) { return; }
  if (!d || !Array.isArray(d.l)) return;
  rijen.forEach(function (hs, r) {
    hs.forEach(function (h, k) {
      var c = Array.isArray(d.l[r]) ? d.l[r][k] : '';
      if (typeof c !== 'string' || (c !== '' && !past(c, r, k))) c = '';
      zet(r, k, c ? hoofd(c) : '', !!(d.t && Array.isArray(d.t[r]) && d.t[r][k]));
    });
  });
}
function meld(tekst) { melding.textContent = tekst; }
function werkBij() {
  bewaar();
  var goed = allesGoed();
  if (goed) {
    var getoondIets = getoond.some(function (r) { return r.indexOf(true) >= 0; });
    meld((getoondIets ? 'Dit is de oplossing. ' : 'Gefeliciteerd, alles is goed! ') +
         'Het zoekwoord is ' + zoekwoord() + '.');
  } else if (klaar) {
    meld('');
  }
  klaar = goed;
  document.body.classList.toggle('klaar', goed);
}
function kies(r, k, focus) {
  rij = r; pos = k;
  rijen.forEach(function (hs, i) {
    hs.forEach(function (h, j) { h.tabIndex = i === r && j === k ? 0 : -1; });
    rijDelen[i].classList.toggle('actief', i === r);
    if (lis[i]) {
      lis[i].classList.toggle('actief', i === r);
      if (i === r) lis[i].setAttribute('aria-current', 'true'); else lis[i].removeAttribute('aria-current');
    }
  });
  huidig.textContent = lis[r] ? lis[r].textContent : '';
  if (focus) rijen[r][k].focus();
}
function eersteLeeg(r) {
  for (var k = 0; k < rijen[r].length; k++) if (!rijen[r][k].value) return k;
  return 0;
}
function dichtstbij(r, h) {
  var beste = 0, afstand = Infinity;
  rijen[r].forEach(function (d, k) {
    var a = Math.abs(d.offsetLeft - h.offsetLeft);
    if (a < afstand) { afstand = a; beste = k; }
  });
  return beste;
}
function toets(e, r, k) {
  if (e.ctrlKey || e.metaKey || e.altKey || e.isComposing) return;
  var n = rijen[r].length;
  switch (e.key) {
  case 'ArrowLeft': if (k > 0) kies(r, k - 1, true); break;
  case 'ArrowRight': if (k < n - 1) kies(r, k + 1, true); break;
  case 'ArrowUp': if (r > 0) kies(r - 1, dichtstbij(r - 1, rijen[r][k]), true); break;
  case 'ArrowDown': if (r < rijen.length - 1) kies(r + 1, dichtstbij(r + 1, rijen[r][k]), true); break;
  case 'Home': kies(r, 0, true); break;
  case 'End': kies(r, n - 1, true); break;
  case 'Tab':
    var d = e.shiftKey ? r - 1 : r + 1;
    if (d < 0 || d >= rijen.length) return;  // out of the board, to the buttons or before it
    kies(d, eersteLeeg(d), true);
    break;
  case 'Backspace':
    if (rijen[r][k].value) zet(r, k, '');
    else if (k > 0) { kies(r, k - 1, true); zet(r, k - 1, ''); }
    werkBij();
    break;
  case 'Delete': zet(r, k, ''); werkBij(); break;
  default:
    if (Array.from(e.key).length !== 1) return;  // Enter, Escape, and keys a keyboard app leaves to input
    if (past(e.key, r, k)) {
      zet(r, k, hoofd(e.key));
      if (k < n - 1) kies(r, k + 1, true);
      werkBij();
    }
  }
  e.preventDefault();
}
// Text that arrives without a key of its own (a phone's keyboard, dictation):
// its last letter is the box's, anything else is dropped.
function invoer(r, k) {
  var h = rijen[r][k];
  var letters = Array.from(h.value).filter(function (c) { return past(c, r, k); });
  var c = letters.length ? hoofd(letters[letters.length - 1]) : '';
  zet(r, k, c);
  if (c && k < rijen[r].length - 1) kies(r, k + 1, true);
  werkBij();
}
rijen.forEach(function (hs, r) {
  hs.forEach(function (h, k) {
    h.addEventListener('focus', function () { kies(r, k, false); h.select(); });
    h.addEventListener('keydown', function (e) { toets(e, r, k); });
    h.addEventListener('input', function () { invoer(r, k); });
  });
  if (lis[r]) lis[r].addEventListener('click', function () { kies(r, eersteLeeg(r), true); });
});
document.getElementById('controleren').addEventListener('click', function () {
  var fout = 0, leeg = 0;
  rijen.forEach(function (hs, r) {
    hs.forEach(function (h, k) {
      var mis = h.value !== '' && h.value !== antwoord(r, k);
      if (!h.value) leeg++;
      if (mis) fout++;
      h.classList.toggle('fout', mis);
      if (mis) h.setAttribute('aria-invalid', 'true'); else h.removeAttribute('aria-invalid');
    });
  });
  if (fout === 0 && leeg === 0) werkBij();
  else if (fout > 0)
    meld(fout === 1 ? '1 letter is fout; die is gemarkeerd.' : fout + ' letters zijn fout; die zijn gemarkeerd.');
  else meld('Alles wat is ingevuld klopt. Nog ' + leeg + (leeg === 1 ? ' vakje' : ' vakjes') + ' leeg.');
});
document.getElementById('tonen').addEventListener('click', function () {
  if (!window.confirm('De hele oplossing tonen?')) return;
  rijen.forEach(function (hs, r) {
    hs.forEach(function (h, k) { if (h.value !== antwoord(r, k)) zet(r, k, antwoord(r, k), true); });
  });
  werkBij();
});
document.getElementById('wissen').addEventListener('click', function () {
  if (!window.confirm('Alle ingevulde letters wissen?')) return;
  rijen.forEach(function (hs, r) { hs.forEach(function (h, k) { zet(r, k, ''); }); });
  werkBij();
  meld('');
  try { localStorage.removeItem(sleutel); } catch (e) { /* nothing was kept */ }
});
if (rijen.length) {
  laad();
  kies(0, 0, false);
  klaar = allesGoed();
  if (klaar) werkBij();
}
})();
)JS";

// Text as it may stand in an element or in a quoted attribute: the five
// markup characters as references, control characters left out.
QString Ontsnapt(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size() + 16);
    for (QChar c : tekst) {
        switch (c.unicode()) {
        case u'&': uit += QStringLiteral("&amp;"); break;
        case u'<': uit += QStringLiteral("&lt;"); break;
        case u'>': uit += QStringLiteral("&gt;"); break;
        case u'"': uit += QStringLiteral("&quot;"); break;
        case u'\'': uit += QStringLiteral("&#39;"); break;
        default:
            if (c.category() != QChar::Other_Control)
                uit += c;
        }
    }
    return uit;
}

QString Css(const Kleur& k)
{
    const auto deel = [](int v) { return QStringLiteral("%1").arg(std::clamp(v, 0, 255), 2, 16, QLatin1Char('0')); };
    return u'#' + deel(k.Rood) + deel(k.Groen) + deel(k.Blauw);
}

struct Hok {
    int x;  // left edge on the design's board
    bool kolom;
    QChar antwoord;
};

struct Rij {
    int nummerX = 0;  // 0: no row number, as on the board for an empty row
    int links = 0;    // where the row begins, its number included
    QList<Hok> hokken;
};

// Row i as the board draws it: its word's boxes, or for a row without a
// word the column box alone, whose letter is the search word's.
Rij MaakRij(const Puzzel& p, int i)
{
    Rij r;
    const QString woord = Hoofdletters(p.PuzzelWoord[i]);
    const int positie = LetterPositieVan(p.BeginX[i]);
    if (woord.isEmpty() || positie < 1 || positie > woord.size()) {
        r.hokken << Hok{KolomX, true, Hoofdletter(p.ZoekWoord[i - 1])};
        r.links = KolomX;
        return r;
    }
    // The number, right-aligned in 20 pixels, ends where the board's " 1 "
    // and " 10 " do; the row begins where the board starts drawing them.
    r.nummerX = p.BeginX[i] - 26;
    r.links = p.BeginX[i] - (i <= 9 ? RijNummerDxKort : RijNummerDxLang);
    for (int k = 0; k < woord.size(); ++k)
        r.hokken << Hok{p.BeginX[i] + HokBreedte * k, k + 1 == positie, woord[k]};
    return r;
}

} // namespace

QByteArray OplosKlutsen(QByteArray bytes, quint32 zaad)
{
    quint32 x = zaad ? zaad : 1;
    for (char& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = char(quint8(b) ^ quint8(x & 0xFF));
    }
    return bytes;
}

QByteArray Oplospagina(const Puzzel& p, const QString& kop)
{
    const int n = std::min<int>(int(p.ZoekWoord.size()), MaxRijen);
    QList<Rij> rijen;
    for (int i = 1; i <= n; ++i)
        rijen << MaakRij(p, i);

    // The board cut to what the rows use, with the design's 15 pixels above
    // the first row and below the last, and 8 beside the outermost parts.
    int links = KolomX, rechts = KolomX + HokBreedte + 1;
    for (const Rij& r : rijen) {
        links = std::min(links, r.links);
        rechts = std::max(rechts, r.hokken.back().x + HokBreedte + 1);
    }
    const int x0 = links - 8;
    const int breedte = rechts + 8 - x0;
    const int hoogte = (n ? RijY(n) + HokHoogte + 1 : 0) + EersteRijY;

    const QString id = QString::fromLatin1(
        QCryptographicHash::hash(PuzzelBytes(p), QCryptographicHash::Sha256).toHex().left(16));
    QStringList woorden;
    for (const Rij& r : rijen) {
        QString w;
        for (const Hok& h : r.hokken)
            w += h.antwoord;
        woorden << w;
    }
    const QByteArray antwoorden = OplosKlutsen(woorden.join(u'\n').toUtf8(), id.left(8).toUInt(nullptr, 16)).toBase64();

    const QByteArray script = QByteArray(Script);
    const QString scriptHash = QString::fromLatin1(
        QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64());
    const QString titel = Ontsnapt(kop.trimmed().isEmpty() ? QStringLiteral("Trappuzzel") : kop);

    QString h;
    h += QStringLiteral("<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                        "<meta name=\"color-scheme\" content=\"light dark\">\n");
    // Nothing may be fetched, and only this page's own script may run.
    h += QStringLiteral("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                        "style-src 'unsafe-inline'; script-src 'sha256-%1'; base-uri 'none'; form-action 'none'\">\n")
             .arg(scriptHash);
    h += QStringLiteral("<meta name=\"generator\" content=\"Wendolo\">\n<title>%1</title>\n<style>").arg(titel);
    h += QString::fromUtf8(Stijl);
    h += QStringLiteral("</style>\n</head>\n<body>\n<main>\n<h1>%1</h1>\n").arg(titel);
    h += QStringLiteral("<p class=\"uitleg\">Klik op een vakje en typ het woord. Met de pijltjestoetsen ga je naar een "
                        "ander vakje, met Tab naar het volgende woord. De gekleurde kolom vormt het zoekwoord.</p>\n");
    h += QStringLiteral("<noscript><p>Om de puzzel hier in te vullen is JavaScript nodig; afdrukken kan ook zonder."
                        "</p></noscript>\n");
    h += QStringLiteral("<div class=\"puzzel\">\n<div class=\"bordvak\">\n");
    h += QStringLiteral("<div class=\"bord\" id=\"bord\" role=\"group\" aria-label=\"Puzzel\" "
                        "style=\"--w:%1;--h:%2;--veld:%3;--kolom:%4;--woord:%5\" data-id=\"%6\" data-a=\"%7\">\n")
             .arg(breedte)
             .arg(hoogte)
             .arg(Css(p.KleurVeld), Css(p.KleurZoekWoord), Css(p.KleurPuzzelWoord), id, QString::fromLatin1(antwoorden));
    for (int i = 1; i <= n; ++i) {
        const Rij& r = rijen[i - 1];
        const int y = RijY(i);
        h += QStringLiteral("<div class=\"rij\" role=\"group\" aria-labelledby=\"o%1\">\n").arg(i);
        if (r.nummerX)
            h += QStringLiteral("<span class=\"nr\" aria-hidden=\"true\" style=\"--x:%1;--y:%2\">%3</span>\n")
                     .arg(r.nummerX - x0)
                     .arg(y)
                     .arg(i);
        for (int k = 0; k < r.hokken.size(); ++k) {
            const Hok& hok = r.hokken[k];
            h += QStringLiteral("<input class=\"hok%1\" style=\"--x:%2;--y:%3\" aria-label=\"rij %4, letter %5 van %6\" "
                                "aria-describedby=\"o%4%7\" tabindex=\"-1\" autocomplete=\"off\" autocapitalize=\"characters\" "
                                "autocorrect=\"off\" spellcheck=\"false\" enterkeyhint=\"next\">\n")
                     .arg(hok.kolom ? QStringLiteral(" kolom") : QString())
                     .arg(hok.x - x0)
                     .arg(y)
                     .arg(i)
                     .arg(k + 1)
                     .arg(r.hokken.size())
                     .arg(hok.kolom ? QStringLiteral(" kolomuitleg") : QString());
        }
        h += QStringLiteral("</div>\n");
    }
    h += QStringLiteral("</div>\n<span id=\"kolomuitleg\" hidden>vakje van het zoekwoord</span>\n"
                        "<p class=\"huidig\" id=\"huidig\" aria-hidden=\"true\"></p>\n</div>\n");
    h += QStringLiteral("<section class=\"omschrijvingen\" aria-labelledby=\"kop-omschrijvingen\">\n"
                        "<h2 id=\"kop-omschrijvingen\">Omschrijvingen</h2>\n<ol>\n");
    for (int i = 1; i <= n; ++i) {
        const QString tekst = p.Omschrijving[i].trimmed().isEmpty() ? QStringLiteral("(geen omschrijving)")
                                                                    : Ontsnapt(p.Omschrijving[i]);
        h += QStringLiteral("<li id=\"o%1\"><span class=\"num\">%1.</span> %2</li>\n").arg(i).arg(tekst);
    }
    h += QStringLiteral("</ol>\n</section>\n</div>\n");
    h += QStringLiteral("<div class=\"knoppen\">\n<button type=\"button\" id=\"controleren\">Controleren</button>\n"
                        "<button type=\"button\" id=\"tonen\">Oplossing tonen</button>\n"
                        "<button type=\"button\" id=\"wissen\">Wissen</button>\n</div>\n"
                        "<p id=\"melding\" role=\"status\" aria-live=\"polite\"></p>\n");
    h += QStringLiteral("<p class=\"zoekregel\">%1</p>\n").arg(AntwoordRegel());
    h += QStringLiteral("</main>\n<script>");
    h += QString::fromUtf8(script);
    h += QStringLiteral("</script>\n</body>\n</html>\n");
    return h.toUtf8();
}
