// The page in headless Chromium: every search gives the rows taalspoor-zoek gives, byte
// for byte; fast typing shows only the newest answer; the own list is kept across a
// reload; the page searches with the network off; nothing is said on the console.
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { answered, commandLine, openPage, ownList, ready, site, siteAndBrowser } from './browser.mjs';

const shared = siteAndBrowser();

// The page's answer as the user saves it: "Bewaren als tekst".
async function savedText(page, folder) {
  const file = join(folder, 'taalspoor.txt');
  rmSync(file, { force: true });
  await page.click('#save-button');
  for (let tries = 0; tries < 200 && !existsSync(file); ++tries) await new Promise((done) => setTimeout(done, 50));
  await new Promise((done) => setTimeout(done, 100));
  return readFileSync(file, 'utf8');
}

// Each row: the page's address and the same search at the command line. The page starts
// a search as the window does, with ij one square and the most common words first where
// the search has them: the command line asks that with --ij and --gangbaar.
// Two board positions: the lines of the board in the address separated by /, in the
// board file of the command line one a line.
const emptyLine = '.'.repeat(15);
const boardLines = (rows) => Array.from({ length: 15 }, (_, r) => rows[r] ?? emptyLine);
const midGame = boardLines({ 7: '...kaarTen.....', 8: '.........o.....', 9: '.........p.....' });
const boardFile = (lines) => ({ 'bord.txt': `${lines.join('\n')}\n` });
const boardAddress = (lines) => encodeURIComponent(lines.join('/'));

const searches = [
  ['modus=1&q=k.t', ['--alles', 'k.t']],
  ['modus=2&q=KAT&hoofdletters=1', ['--alles', '--modus', '2', '--hoofdletters', 'KAT']],
  ['modus=3&q=heid', ['--alles', '--modus', '3', 'heid']],
  ['modus=4&q=ver%5Cing', ['--alles', '--modus', '4', 'ver\\ing']],
  ['modus=5&q=eur', ['--alles', '--modus', '5', 'eur']],
  ['modus=6&q=eer.', ['--alles', '--modus', '6', 'eer.']],
  ['modus=7&q=k.t.%5Ca', ['--alles', '--modus', '7', 'k.t.\\a']],
  ['modus=8&q=k.t.%5Cae', ['--alles', '--modus', '8', 'k.t.\\ae']],
  ['modus=9&q=brd', ['--alles', '--modus', '9', 'brd']],
  ['modus=10&q=zwijg', ['--alles', '--modus', '10', 'zwijg']],
  ['modus=11&lengte=7', ['--alles', '--modus', '11', '--lengte', '7']],
  ['modus=1&q=k.t&y-lijst=1', ['--alles', '--y-lijst', 'k.t']],
  ['zoek=patroon&q=k*t', ['--patroon', 'k*t', '--ij', '--gangbaar']],
  ['zoek=patroon&q=k*t&gangbaar=0&ij=0', ['--patroon', 'k*t']],
  ['zoek=patroon&q=.1221.&tellingen=1&max=50', ['--patroon', '.1221.', '--ij', '--gangbaar', '--tellingen', '--max', '50']],
  ['zoek=patroon&q=*heid&lengte=7-9&zonder=r&gewone-woorden=1', ['--patroon', '*heid', '--lengte', '7-9', '--zonder', 'r', '--gewone-woorden', '--ij', '--gangbaar']],
  ['zoek=uit&q=aeinrst..', ['--uit', 'aeinrst..', '--ij', '--gangbaar']],
  ['zoek=anagrammen&q=taalspoor&woorden=2', ['--anagrammen', 'taalspoor', '--woorden', '2', '--ij']],
  ['zoek=anagrammen&q=heid&alle-woorden=1&max=40', ['--anagrammen', 'heid', '--alle-woorden', '--max', '40', '--ij']],
  ['zoek=verborgen&q=Zij+kwam+na+de+regen+thuis&achterstevoren=1', ['--verborgen', 'Zij kwam na de regen thuis', '--achterstevoren', '--ij', '--gangbaar']],
  ['zoek=delen&q=pa*ma&woorden=3&alle-woorden=1', ['--delen', 'pa*ma', '--woorden', '3', '--alle-woorden', '--ij', '--gangbaar']],
  ['zoek=weglatingen&q=s*t&waar=kop', ['--weglatingen', 's*t', '--waar', 'kop', '--ij', '--gangbaar']],
  ['zoek=lingo&begin=k&poging=kater%3D%2B--%2B%3F', ['--lingo', '--begin', 'k', '--poging', 'kater=+--+?']],
  ['zoek=lingo&spel=woordle&poging=tenor%3D-%3F---&poging=plein%3D--%3F--', ['--lingo', '--spel', 'woordle', '--poging', 'tenor=-?---', '--poging', 'plein=--?--']],
  [`zoek=bord&bord=${boardAddress(boardLines({}))}&rek=kaarten`, ['--bord', 'bord.txt', '--rek', 'kaarten'], boardFile(boardLines({}))],
  [`zoek=bord&bord=${boardAddress(midGame)}&rek=sterk%3Fo&spel=scrabble&max=120`, ['--bord', 'bord.txt', '--rek', 'sterk?o', '--spel', 'scrabble', '--max', '120'], boardFile(midGame)],
];

test('every search gives the rows of taalspoor-zoek, byte for byte', async () => {
  const downloads = mkdtempSync(join(tmpdir(), 'taalspoor-downloads-'));
  const page = await openPage(shared.browser);
  const cdp = await shared.browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, browserContextId: page.browserContext().id });
  await page.evaluateOnNewDocument((bytes) => localStorage.setItem('taalspoor.mijnlijst', bytes), ownList);
  for (const [address, args, files] of searches) {
    await page.goto(`${shared.origin}/?${address}`);
    await ready(page);
    await answered(page);
    const expected = commandLine(args, files).out;
    assert.equal(await savedText(page, downloads), expected, address);
    // The list shows the same rows, the word first.
    const shown = await page.$$eval('#results li', (items) => items.slice(0, 30).map((li) => li.dataset.text ?? li.querySelector('.word').textContent));
    // The Lingo helper's advice and count stand above the list.
    const lines = expected.split('\n').filter((line) => !/^(advies|mogelijk): /.test(line)).slice(0, shown.length)
      .map((line) => (line.startsWith('   ===') ? line : line.split('\t')));
    shown.forEach((text, k) => {
      const line = lines[k];
      const whole = address.startsWith('zoek=anagrammen') ? line.join(' · ') : address.startsWith('zoek=bord') ? line.join('\t') : line[0];
      const words = Array.isArray(line) ? whole : line;
      assert.equal(text, words, `${address}: row ${k}`);
    });
  }
  const refused = commandLine(['--patroon', 'k[at']);
  await page.goto(`${shared.origin}/?zoek=patroon&q=k%5Bat`);
  await ready(page);
  await answered(page);
  assert.equal(await page.$eval('#error-line', (line) => line.textContent), refused.err.trim());
  // An option the search does not take is refused as the command line refuses it.
  const foreign = commandLine(['--uit', 'kat', '--zonder', 'k']);
  await page.goto(`${shared.origin}/?zoek=uit&q=kat&zonder=k`);
  await ready(page);
  await page.waitForFunction(() => !document.querySelector('#error-line').hidden, { timeout: 30_000 });
  assert.equal(`taalspoor-zoek: ${await page.$eval('#error-line', (line) => line.textContent)}`, foreign.err.split('\n')[0]);
  assert.deepEqual(page.errors, []);
  rmSync(downloads, { recursive: true, force: true });
});

// The rows of the list as far as they load by scrolling, at least `least` of them.
async function scrolledRows(page, least) {
  for (let tries = 0; tries < 40 && (await page.$$eval('#results li', (items) => items.length)) < least; ++tries) {
    await page.$eval('#more-rows', (sentinel) => sentinel.scrollIntoView());
    await new Promise((done) => setTimeout(done, 100));
  }
  return page.$$eval('#results li', (items) => items.map((li) => ({ separator: li.classList.contains('separator'), text: li.textContent })));
}

test('a mode\'s page breaks carry no label; the own list\'s words come under one', async () => {
  const bare = await openPage(shared.browser);
  await bare.goto(`${shared.origin}/?modus=5&q=heid`);
  await ready(bare);
  await answered(bare);
  const plain = await scrolledRows(bare, 1100);
  const breaks = plain.filter((row) => row.separator);
  assert.ok(breaks.length >= 2, `${plain.length} rows`);
  assert.ok(breaks.every((row) => row.text === ''), JSON.stringify(breaks));

  const withOwn = await openPage(shared.browser);
  await withOwn.evaluateOnNewDocument((bytes) => localStorage.setItem('taalspoor.mijnlijst', bytes), ownList);
  await withOwn.goto(`${shared.origin}/?modus=5&q=heid`);
  await ready(withOwn);
  await answered(withOwn);
  const rows = await scrolledRows(withOwn, 1100);
  rows.forEach((row, k) => {
    if (row.separator) assert.equal(row.text, 'uit uw extra lijst', `row ${k}`);
    if (row.separator) assert.equal(rows[k + 1]?.text.startsWith('heidzzz'), true, `row ${k + 1}`);
  });
  assert.deepEqual(bare.errors, []);
  assert.deepEqual(withOwn.errors, []);
});

test('typing fast shows only the newest answer', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=anagrammen&q=&woorden=6`);
  await ready(page);
  await page.evaluate(() => {
    window.shownAnswers = [];
    new MutationObserver(() => window.shownAnswers.push(document.querySelector('#results').dataset.query))
      .observe(document.querySelector('#results'), { attributes: true, attributeFilter: ['data-query'] });
  });
  // Seconds of work, pasted at once, then a newer question typed before it is done:
  // the older one is stopped and never shown.
  await page.$eval('#query-field', (field, text) => {
    field.value = text;
    field.dispatchEvent(new Event('input', { bubbles: true }));
  }, 'hetkruiswoordraadselisvandaagweermoeilijk');
  await new Promise((done) => setTimeout(done, 400));
  await page.click('#query-field', { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.type('#query-field', 'taalspoor', { delay: 20 });
  await answered(page);
  await new Promise((done) => setTimeout(done, 3000));
  const shown = await page.evaluate(() => window.shownAnswers);
  // A loaded machine may pause longer than the 150 ms between two keystrokes, and then
  // the beginning typed so far is answered too; the last answer is always the newest.
  const typed = (address) => 'taalspoor'.startsWith(new URLSearchParams(address).get('q'));
  assert.ok(shown.every(typed), `shown: ${shown.join(', ')}`);
  assert.equal(shown.at(-1), 'zoek=anagrammen&q=taalspoor&woorden=6');
  assert.match(await page.$eval('#results', (list) => list.textContent), /spoor · taal/);
  assert.deepEqual(page.errors, []);
});

test('a word of the own list is found, and still there after a reload', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=patroon&q=zwykr*`);
  await ready(page);
  await answered(page);
  assert.equal(await page.$$eval('#results li', (items) => items.length), 0);
  await page.click('#own-list summary');
  await page.type('#own-word', 'zwykrabbel');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#results').textContent.includes('zwykrabbel'), { timeout: 30_000 });
  await page.type('#own-word', 'kat');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#own-message').textContent.includes('Standaardlijst'));
  await page.reload();
  await ready(page);
  await answered(page);
  assert.deepEqual(await page.$$eval('#results .word', (words) => words.map((w) => w.textContent)), ['zwykrabbel']);
  assert.deepEqual(await page.$$eval('#own-words span', (words) => words.map((w) => w.textContent)), ['zwykrabbel']);
  assert.deepEqual(page.errors, []);
});

test('after the first visit the page searches with the network off', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?modus=1&q=k.t`);
  await ready(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30_000 });
  await page.setOfflineMode(true);
  await page.goto(`${shared.origin}/?zoek=uit&q=kt.`);
  await ready(page);
  await answered(page);
  assert.ok((await page.$$eval('#results li', (items) => items.length)) > 10);
  await page.setOfflineMode(false);
  assert.deepEqual(page.errors, []);
});

test('screenshots at a desktop\'s and a phone\'s width, light and dark', async () => {
  const folder = join(site, '..', 'screenshots');
  mkdirSync(folder, { recursive: true });
  const shots = [['web_desktop', { width: 1280, height: 860 }, 'light'], ['web_telefoon', { width: 390, height: 844 }, 'light'],
    ['web_desktop_donker', { width: 1280, height: 860 }, 'dark'], ['web_telefoon_donker', { width: 390, height: 844 }, 'dark']];
  for (const [name, size, scheme] of shots) {
    const page = await openPage(shared.browser, size);
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
    await page.goto(`${shared.origin}/?zoek=anagrammen&q=kruiswoordraadsel`);
    await ready(page);
    await answered(page);
    await page.screenshot({ path: join(folder, `${name}.png`) });
    assert.deepEqual(page.errors, []);
  }
});
