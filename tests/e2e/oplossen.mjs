// The page to solve on, in Debian's Chromium driven through the DevTools
// protocol: every answer typed with real key events, Controleren, one wrong
// letter, a reload, Oplossing tonen, Wissen; the phone width, the dark theme
// and print; the clue that holds markup. Screenshots go into WENDOLO_E2E_OUT.
//
// node oplossen.mjs PAGE.html JSON, JSON: {"rijen": [[position, answer], ...],
// "zoekwoord": "...", "omschrijving": [row, clue with markup]}.
import { mkdtempSync, mkdirSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

// puppeteer-core lives in the build tree (tests/e2e/puppeteer.sh), not beside this file.
const puppeteer = createRequire(join(process.env.WENDOLO_NODE, 'package.json'))('puppeteer-core');
const UIT = process.env.WENDOLO_E2E_OUT || join(process.cwd(), 'e2e');
const [pagina, gegevens] = process.argv.slice(2);
const { rijen, zoekwoord, omschrijving } = JSON.parse(gegevens);
const antwoorden = rijen.map(([, woord]) => woord.toUpperCase());

function verwacht(voorwaarde, melding) {
  if (!voorwaarde) throw new Error(melding);
}

const problemen = [];
const profiel = mkdtempSync(join(tmpdir(), 'wendolo-chromium-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: profiel,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--force-device-scale-factor=1'],
});
try {
  const page = await browser.newPage();
  page.on('pageerror', (e) => problemen.push(`script error: ${e.message}`));
  page.on('console', (m) => { if (m.type() === 'error') problemen.push(`console: ${m.text()}`); });
  page.on('request', (r) => { if (!/^(file|data|about):/.test(r.url())) problemen.push(`fetched: ${r.url()}`); });
  page.on('dialog', (d) => d.accept());
  await page.setViewport({ width: 1000, height: 760 });
  await page.goto(pathToFileURL(pagina).href);

  const waarden = () => page.$$eval('.rij', (rs) => rs.map((r) => [...r.querySelectorAll('.hok')].map((h) => h.value).join('')));
  const actief = () => page.evaluate(() => document.activeElement.getAttribute('aria-label'));
  const melding = () => page.$eval('#melding', (m) => m.textContent);
  const gemarkeerd = () => page.$$eval('.hok.fout[aria-invalid="true"]', (hs) => hs.map((h) => h.getAttribute('aria-label')));
  const hok = (rij, letter) => `.rij:nth-of-type(${rij}) .hok:nth-of-type(${letter})`;
  const klik = async (knop) => { await page.click(`#${knop}`); await new Promise((r) => setTimeout(r, 100)); };

  // The page as built: a row per answer, a box per letter, labels, no answer in its text.
  const vorm = await page.$$eval('.rij', (rs) => rs.map((r) => r.querySelectorAll('.hok').length));
  verwacht(JSON.stringify(vorm) === JSON.stringify(antwoorden.map((a) => a.length)), `rows of ${vorm}`);
  const html = await page.content();
  for (const woord of [...antwoorden, zoekwoord.toUpperCase()])
    verwacht(!html.toUpperCase().includes(woord), `the answer ${woord} can be read in the page`);
  verwacht(await page.$eval(hok(3, 2), (h) => h.getAttribute('aria-label')) === `rij 3, letter 2 van ${antwoorden[2].length}`,
           'the box has no label like "rij 3, letter 2 van 5"');

  // Every answer typed, lower case, with a digit, a space and a dot that are
  // not letters; Tab to the next word.
  await page.click(hok(1, 1));
  for (const [i, woord] of antwoorden.entries()) {
    const getypt = woord.toLowerCase();
    await page.keyboard.type(i === 0 ? `${getypt.slice(0, 2)}1 .${getypt.slice(2)}` : getypt, { delay: 15 });
    if (i < antwoorden.length - 1) {
      verwacht(await page.$eval(`#o${i + 1}`, (li) => li.classList.contains('actief')), `clue ${i + 1} is not highlighted`);
      await page.keyboard.press('Tab');
    }
  }
  verwacht(JSON.stringify(await waarden()) === JSON.stringify(antwoorden), `typed ${await waarden()}`);
  verwacht((await melding()).includes(`Het zoekwoord is ${zoekwoord.toUpperCase()}`), `no solved message: ${await melding()}`);
  await klik('controleren');
  verwacht((await gemarkeerd()).length === 0, `marked after the right answers: ${await gemarkeerd()}`);

  // Up to the nearest box of the row above, Home, Shift+Tab to the word before.
  const n = antwoorden.length;
  const [p1, p2] = [rijen[n - 1][0], rijen[n - 2][0]];
  await page.click(hok(n, antwoorden[n - 1].length));
  await page.keyboard.press('ArrowUp');
  const boven = Math.min(Math.max(antwoorden[n - 1].length - p1 + p2, 1), antwoorden[n - 2].length);
  verwacht(await actief() === `rij ${n - 1}, letter ${boven} van ${antwoorden[n - 2].length}`, `ArrowUp went to ${await actief()}`);
  await page.keyboard.press('Home');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  verwacht((await actief()).startsWith(`rij ${n - 2}, letter 1 `), `Shift+Tab went to ${await actief()}`);

  // One wrong letter in row 2, box 3, after Backspace took out boxes 4 and 3.
  const fout = antwoorden[1][2] === 'Q' ? 'x' : 'q';
  await page.click(hok(2, 3));
  await page.keyboard.type(fout);
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  verwacht((await waarden())[1] === antwoorden[1].slice(0, 2) + antwoorden[1].slice(4), `Backspace left ${(await waarden())[1]}`);
  await page.keyboard.type(fout + antwoorden[1][3]);
  verwacht(!(await melding()).includes('zoekwoord'), 'the solved message stays with a wrong letter');
  await klik('controleren');
  verwacht(JSON.stringify(await gemarkeerd()) === JSON.stringify([`rij 2, letter 3 van ${antwoorden[1].length}`]),
           `marked: ${await gemarkeerd()}`);

  // A reload keeps the letters, the wrong one too.
  const voor = await waarden();
  await page.reload();
  verwacht(JSON.stringify(await waarden()) === JSON.stringify(voor), `after the reload: ${await waarden()}`);

  // The clue with markup and quotes is text, and ran nothing.
  const [rij, tekst] = omschrijving;
  const li = await page.$eval(`#o${rij}`, (l) => l.textContent);
  verwacht(li === `${rij}. ${tekst}`, `clue ${rij} shows as ${JSON.stringify(li)}`);
  verwacht(await page.evaluate(() => document.scripts.length === 1 && window.geraakt === undefined), 'a clue ran script');

  // Oplossing tonen fills every box and says so.
  await klik('tonen');
  verwacht(JSON.stringify(await waarden()) === JSON.stringify(antwoorden), `shown: ${await waarden()}`);
  verwacht((await melding()).includes(`Het zoekwoord is ${zoekwoord.toUpperCase()}`), `after showing: ${await melding()}`);
  verwacht((await gemarkeerd()).length === 0, 'marks stay after showing the solution');

  mkdirSync(UIT, { recursive: true });
  await page.click(hok(3, 1));
  await page.screenshot({ path: join(UIT, 'oplossen-desktop.png'), fullPage: true });

  // Dark theme: a dark page around the board in its own colours.
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  const achtergrond = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
  verwacht(/^rgb\((\d+), (\d+), (\d+)\)$/.exec(achtergrond).slice(1).every((c) => Number(c) < 64), `dark background ${achtergrond}`);
  await page.screenshot({ path: join(UIT, 'oplossen-donker.png'), fullPage: true });
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'light' }]);

  // A phone: nothing wider than 360 pixels, the boxes no smaller than on the board.
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
  const maat = await page.evaluate(() => ({
    breed: Math.max(document.documentElement.scrollWidth, document.body.scrollWidth), venster: window.innerWidth,
    hok: document.querySelector('.hok').getBoundingClientRect().width }));
  verwacht(maat.venster === 360 && maat.breed <= maat.venster, `at 360 px the page is ${maat.breed} px wide`);
  verwacht(maat.hok >= 22, `a box is ${maat.hok} px wide on a phone`);
  await page.screenshot({ path: join(UIT, 'oplossen-telefoon.png'), fullPage: true });

  // Print: no buttons, the letters the solver typed, not the shown ones.
  await page.setViewport({ width: 800, height: 1000 });
  await page.emulateMediaType('print');
  const druk = await page.evaluate(() => ({
    knoppen: [...document.querySelectorAll('button')].filter((b) => b.getClientRects().length).length,
    getoond: [...document.querySelectorAll('.hok.getoond')].map((h) => getComputedStyle(h).color),
    getypt: [...document.querySelectorAll('.hok:not(.getoond)')].filter((h) => h.value).map((h) => getComputedStyle(h).color) }));
  verwacht(druk.knoppen === 0, `${druk.knoppen} buttons in print`);
  verwacht(druk.getoond.length === 1 && druk.getoond.every((c) => c === 'rgba(0, 0, 0, 0)'), `shown letters print as ${druk.getoond}`);
  verwacht(druk.getypt.length > 0 && druk.getypt.every((c) => c === 'rgb(0, 0, 0)'), `typed letters print as ${druk.getypt}`);
  await page.screenshot({ path: join(UIT, 'oplossen-print.png'), fullPage: true });
  await page.pdf({ path: join(UIT, 'oplossen-print.pdf'), format: 'A4', printBackground: true });
  await page.emulateMediaType(null);

  // Wissen empties every box, for good.
  await klik('wissen');
  await page.reload();
  verwacht((await waarden()).every((w) => w === ''), `after Wissen and a reload: ${await waarden()}`);

  verwacht(problemen.length === 0, problemen.join('\n'));
  console.log('the page was solved in Chromium:', (await browser.version()));
} finally {
  await browser.close();
  rmSync(profiel, { recursive: true, force: true });
}
