// The word games on the page: a board typed on the grid, the rack as an option, the moves
// as taalspoor-zoek gives them, a move chosen and laid (its tiles off the rack), and the
// board kept in the browser and in the address. Nothing is said on the console.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { answered, commandLine, openPage, ready, site, siteAndBrowser } from './browser.mjs';

const shared = siteAndBrowser();

const boardParam = (page) => page.evaluate(() => new URL(location.href).searchParams.get('bord'));

test('a board typed, its moves, a move laid, and the board kept', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=bord`);
  await ready(page);
  assert.equal(await page.$eval('#word-board', (board) => board.hidden), false);
  assert.equal(await page.$$eval('#word-grid .square', (squares) => squares.length), 225);
  // Wordfeud's premium squares, named for who cannot tell the colours apart.
  assert.equal(await page.$eval('#word-grid [data-row="0"][data-column="4"]', (square) => square.textContent), 'TW');
  // Typing puts tiles from the centre to the right; Shift+letter a blank.
  await page.focus('#word-grid');
  await page.keyboard.type('kaar');
  await page.keyboard.down('Shift');
  await page.keyboard.press('KeyT');
  await page.keyboard.up('Shift');
  await page.keyboard.type('en');
  assert.equal((await boardParam(page)).split('/')[7], '.......kaarTen.');
  await page.type('#options input[name="rek"]', 'sterk?o');
  await page.waitForFunction(() => new URL(location.href).searchParams.get('rek') === 'sterk?o');
  await answered(page);
  const lines = (await boardParam(page)).split('/');
  const expected = commandLine(['--bord', 'bord.txt', '--rek', 'sterk?o'], { 'bord.txt': `${lines.join('\n')}\n` }).out.split('\n').filter(Boolean);
  const shown = await page.$$eval('#results li.move', (items) => items.map((li) => li.dataset.text));
  assert.deepEqual(shown, expected);
  assert.match(await page.$eval('#notes', (notes) => notes.textContent), /ongezien \(90\): a 5, /);
  const shots = join(site, '..', 'screenshots');
  mkdirSync(shots, { recursive: true });
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: join(shots, 'web_bord.png') });

  // The best move shown on the board as new tiles, then laid: the rack keeps the rest.
  const [, , word, rest] = expected[0].split('\t');
  await page.click('#results li.move');
  const fresh = await page.$$eval('#word-grid .laid.new', (tiles) => tiles.length);
  assert.ok(fresh > 0 && fresh <= 7, `${fresh} new tiles`);
  await page.click('#lay-button');
  await page.waitForFunction((left) => (new URL(location.href).searchParams.get('rek') ?? '') === left, {}, rest);
  assert.equal(await page.$$eval('#word-grid .laid.new', (tiles) => tiles.length), 0);
  const laid = await boardParam(page);
  assert.ok(laid.replaceAll('/', '').replace(/\./g, '').length === 7 + fresh, laid);
  assert.ok(laid.toLowerCase().replaceAll('/', '').includes(word.toLowerCase()) || /^[A-O]/.test(expected[0].split('\t')[1]));

  // Saved as a board file, as taalspoor-zoek --bord reads it; an opened file replaces the board.
  const downloads = mkdtempSync(join(tmpdir(), 'taalspoor-bord-'));
  const cdp = await shared.browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, browserContextId: page.browserContext().id });
  await page.click('#board-save');
  const saved = join(downloads, 'bord.txt');
  for (let tries = 0; tries < 200 && !existsSync(saved); ++tries) await new Promise((done) => setTimeout(done, 50));
  await new Promise((done) => setTimeout(done, 100));
  assert.equal(readFileSync(saved, 'utf8'), `${laid.split('/').join('\n')}\n`);
  const other = join(downloads, 'ander.txt');
  writeFileSync(other, `${'.'.repeat(15)}\r\n`.repeat(7) + `${'.'.repeat(7)}zee${'.'.repeat(5)}  \r\n` + `${'.'.repeat(15)}\r\n`.repeat(7));
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('label.file-button:has(#board-open)')]);
  await chooser.accept([other]);
  await page.waitForFunction(() => new URL(location.href).searchParams.get('bord')?.split('/')[7] === '.......zee.....');
  await page.goto(`${shared.origin}/?zoek=bord&bord=${encodeURIComponent(laid)}&rek=${encodeURIComponent(rest)}`);
  await ready(page);
  rmSync(downloads, { recursive: true, force: true });

  // A new visit without an address finds the board and rack where they were.
  await page.goto(`${shared.origin}/?zoek=bord`);
  await ready(page);
  await page.waitForFunction((board) => new URL(location.href).searchParams.get('bord') === board, {}, laid);
  assert.equal(await page.$eval('#options input[name="rek"]', (field) => field.value), rest);
  assert.deepEqual(page.errors, []);
});
