// The command-line export read by an ipuz parser of another maker: for each
// puzzle, `wendolo --export` writes the ipuz without a display, the parser
// reads dimensions, cells, clues and answers as the staircase has them, and
// `wendolo --export X.pzl X.ipuz` gives back the same bytes. A broken ipuz
// and an unknown extension fail with a Dutch message and a non-zero status.
// Usage: node ipuz_lezen.mjs WENDOLO NPM_FOLDER
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync, existsSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import assert from 'node:assert/strict';

const [wendolo, npm] = process.argv.slice(2);
const { parseIpuz, parse } = await import(createRequire(resolve(npm, 'x.js')).resolve('@xwordly/xword-parser').replace(/\.js$/, '.mjs'));
const map = mkdtempSync(join(tmpdir(), 'wendolo-ipuz-'));
const env = { ...process.env };
delete env.DISPLAY;
delete env.WAYLAND_DISPLAY;

function wendoloExport(uit, inn) {
  return spawnSync(wendolo, ['--export', uit, inn], { env, encoding: 'utf8' });
}

const kop = '"Wendolo trappuzzel - versie 1.0"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n';
const leeg = '0,"",""\r\n';
// [search word, [start x, word, clue] per row]
const puzzels = {
  appel: ['Appel', [[240, 'Ananas', 'Vrucht'], [152, 'stoep', 'Rand'], [196, 'kiPPen', 'Eieren'], null, [218, 'plein', 'Ruim']]],
  twintig: ['ABCDEFGHIJKLMNOPQRST', [...Array(17).fill(null), [20, 'ABCDEFGHIJRKLMNOPQRST', 'Een'],
    [240, 'SABCDEFGHIJ', 'twee'], [218, 'ATZ', 'drie']]],
};

for (const [naam, [zoekwoord, rijen]] of Object.entries(puzzels)) {
  const pzl = Buffer.from(kop + `"${zoekwoord}"\r\n` + rijen.map((r) => (r ? `${r[0]},"${r[1]}","${r[2]}"\r\n` : leeg)).join(''), 'latin1');
  writeFileSync(join(map, `${naam}.pzl`), pzl);
  const r = wendoloExport(join(map, `${naam}.ipuz`), join(map, `${naam}.pzl`));
  assert.equal(r.status, 0, `${naam}: export failed: ${r.stderr}`);
  const tekst = readFileSync(join(map, `${naam}.ipuz`), 'utf8');
  const ipuz = parseIpuz(tekst);
  assert.ok(parse(tekst, { filename: `${naam}.ipuz` }).grid, `${naam}: the unified reader failed`);

  // Every row's boxes as offsets from the search-word column (0).
  const spannes = rijen.map((r) => (r ? [(r[0] - 240) / 22, (r[0] - 240) / 22 + r[1].length - 1] : [0, 0]));
  const links = Math.min(...spannes.map((s) => s[0]));
  const rechts = Math.max(...spannes.map((s) => s[1]));
  assert.deepEqual(ipuz.dimensions, { width: rechts - links + 1, height: zoekwoord.length }, naam);
  rijen.forEach((rij, i) => {
    for (let x = 0; x < rechts - links + 1; x++) {
      const o = x + links;
      const cel = ipuz.puzzle[i][x];
      const waar = `${naam} row ${i + 1} box ${x}`;
      if (o < spannes[i][0] || o > spannes[i][1]) {
        assert.equal(cel.type, 'null', waar);
        continue;
      }
      const letter = o === 0 ? zoekwoord[i] : rij[1][o - spannes[i][0]];
      assert.equal(cel.solution, letter.toUpperCase(), waar);
      if (rij && o === spannes[i][0]) assert.equal(cel.number, i + 1, waar);
      if (o === 0) assert.equal(cel.style?.highlight, true, waar);
      const onder = spannes[i + 1];
      if (o !== 0 && onder && o >= onder[0] && o <= onder[1] && rijen[i + 1]) assert.equal(cel.style?.barred, 'B', waar);
    }
  });
  const horizontaal = rijen.flatMap((r, i) => (r ? [{ number: i + 1, text: r[2] }] : []));
  assert.deepEqual(ipuz.clues.Across.map((c) => ({ number: c.number, text: c.text })), horizontaal, naam);
  const antwoorden = JSON.parse(tekst).clues;
  assert.deepEqual(antwoorden.Across.map((c) => c.answer), rijen.filter((r) => r).map((r) => r[1].toUpperCase()), naam);
  assert.deepEqual(antwoorden.Down.map((c) => c.answer), [zoekwoord.toUpperCase()], naam);

  const terug = wendoloExport(join(map, `${naam}-terug.pzl`), join(map, `${naam}.ipuz`));
  assert.equal(terug.status, 0, `${naam}: import failed: ${terug.stderr}`);
  assert.ok(readFileSync(join(map, `${naam}-terug.pzl`)).equals(pzl), `${naam}: the round trip changed the bytes`);
}

writeFileSync(join(map, 'rommel.ipuz'), '{"kind": ["http://ipuz.org/sudoku#1"]}');
for (const [uit, inn, status, tekst] of [
  ['rommel.pzl', 'rommel.ipuz', 1, 'geen kruiswoordpuzzel'],
  ['appel.xyz', 'appel.pzl', 2, 'onbekende soort uitvoer'],
  ['weg.ipuz', 'weg.pzl', 1, 'geen leesbare puzzel'],
]) {
  const r = wendoloExport(join(map, uit), join(map, inn));
  assert.equal(r.status, status, `${uit}: ${r.stderr}`);
  assert.match(r.stderr, new RegExp(tekst), uit);
  assert.ok(!existsSync(join(map, uit)), `${uit} was written`);
}
console.log(`read by the independent parser, round trips exact: ${Object.keys(puzzels).join(', ')}`);
