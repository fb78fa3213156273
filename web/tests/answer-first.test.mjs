// The page as a new user meets it: on a phone the answer follows the query field; on a
// slow connection what is typed before the engine is ready is kept and asked when it is,
// with a bar that fills meanwhile; a running search says so; a refused option of a link
// names the control as the page shows it; a count at a bound of work says "minstens";
// a copy says "Gekopieerd". Nothing is said on the console.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { answered, commandLine, openPage, ready, siteAndBrowser } from './browser.mjs';

const shared = siteAndBrowser();

// axe-core, from npm, run inside the page: the WCAG 2.1 A and AA rules.
const axe = readFileSync(new URL('./node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
async function violations(page) {
  await page.addScriptTag({ content: axe });
  const result = await page.evaluate(() => window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }));
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

test('on a phone the first row follows the query field, in view without scrolling', async () => {
  const page = await openPage(shared.browser, { width: 390, height: 844 });
  await page.goto(`${shared.origin}/`);
  await ready(page);
  await page.type('#query-field', 'k.t');
  await page.waitForFunction(() => document.querySelectorAll('#results li').length > 0, { timeout: 30_000 });
  const row = await page.$eval('#results li', (li) => li.getBoundingClientRect().toJSON());
  assert.ok(row.bottom <= 844, `first row at ${row.top}..${row.bottom}`);
  assert.equal(await page.evaluate(() => window.scrollY), 0);
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 390, 'nothing wider than the phone');
  // The options are one line that says what is set, and open on a tap.
  assert.equal(await page.$eval('#options-fold', (fold) => fold.open), false);
  await page.click('#options-summary');
  await page.click('#options input[type=checkbox]');
  assert.match(await page.$eval('#options-summary', (summary) => summary.textContent), /^Opties: \S/);
  // The help is one line, and more on a tap.
  const oneLine = await page.$eval('#search-help', (help) => help.getBoundingClientRect().height);
  await page.click('#help-more');
  assert.ok((await page.$eval('#search-help', (help) => help.getBoundingClientRect().height)) > oneLine * 1.5);
  assert.deepEqual(page.errors, []);
});

test('what is typed while the page loads on a slow connection is kept and answered', async () => {
  const page = await openPage(shared.browser);
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  // About 4 s for the engine and the word list.
  await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 100, downloadThroughput: 600_000, uploadThroughput: 600_000 });
  await page.goto(`${shared.origin}/`, { waitUntil: 'domcontentloaded' });
  // The choice of search is there before the engine.
  await page.waitForFunction(() => document.querySelectorAll('#search-choice option').length > 10, { timeout: 30_000 });
  assert.equal(await page.$eval('body', (body) => body.dataset.ready ?? null), null, 'typed before the engine is ready');
  assert.equal(await page.$eval('#loading', (bar) => bar.hidden), false);
  await page.type('#query-field', 'k.t', { delay: 30 });
  await ready(page);
  await page.waitForFunction(() => document.querySelector('#results').textContent.includes('kat'), { timeout: 30_000 });
  assert.equal(await page.$eval('#query-field', (field) => field.value), 'k.t');
  assert.equal(await page.$eval('#loading', (bar) => bar.hidden), true);
  assert.deepEqual(page.errors, []);
});

test('a running search is shown as running, and its count at a bound says "minstens"', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=anagrammen&q=taal&woorden=6`);
  await ready(page);
  await answered(page);
  await page.evaluate(() => {
    window.busy = [];
    new MutationObserver(() => window.busy.push([document.querySelector('#results').getAttribute('aria-busy'),
      document.querySelector('#count-line').textContent]))
      .observe(document.querySelector('#results'), { attributes: true, attributeFilter: ['aria-busy'] });
  });
  await page.click('#query-field', { clickCount: 3 });
  await page.type('#query-field', 'johannesvermeerdelft');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => window.busy.some(([busy]) => busy === 'true'), { timeout: 30_000 });
  assert.ok((await page.evaluate(() => window.busy)).some(([busy, line]) => busy === 'true' && line === 'zoeken…'));
  await answered(page);
  assert.equal(await page.$eval('#results', (list) => list.getAttribute('aria-busy')), null);

  await page.goto(`${shared.origin}/?zoek=patroon&q=*1*2*3*4*5*6*7*8*9*1`);
  await ready(page);
  await answered(page);
  assert.match(await page.$eval('#count-line', (line) => line.textContent), /^minstens \d/);
  assert.deepEqual(page.errors, []);
});

test('a link: its refused option named as the page names it, and a query without a search', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=patroon&q=k.t&lengte=abc`);
  await ready(page);
  await answered(page);
  assert.equal(await page.$eval('#error-line', (line) => line.textContent), 'Lengte: verwacht een getal, niet "abc"');
  assert.doesNotMatch(await page.$eval('#count-line', (line) => line.textContent), /geladen/);

  await page.goto(`${shared.origin}/?q=k.t`);
  await ready(page);
  await page.waitForFunction(() => document.querySelector('#results').textContent.includes('kat'), { timeout: 30_000 });
  assert.equal(await page.$eval('#search-choice', (choice) => choice.value), 'zoek:patroon');
  assert.deepEqual(page.errors, []);
});

// One search, one answer: chosen from the menu after another search it starts with its
// own defaults, as a link to it does.
test('a search chosen from the menu gives what its link gives', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=anagrammen&q=Mark+Rutte`);
  await ready(page);
  await answered(page);
  const byLink = await page.$eval('#count-line', (line) => line.textContent);
  await page.goto(`${shared.origin}/?zoek=patroon&q=k.t`);
  await ready(page);
  await answered(page);
  await page.click('#options-summary').catch(() => {});
  const plain = await page.$('#options input[name="gewone-woorden"]');
  if (plain && await plain.evaluate((box) => !box.checked)) await plain.click();
  await page.select('#search-choice', 'zoek:anagrammen');
  await page.click('#query-field', { clickCount: 3 });
  await page.type('#query-field', 'Mark Rutte');
  await page.keyboard.press('Enter');
  await answered(page);
  assert.equal(await page.$eval('#count-line', (line) => line.textContent), byLink);
  assert.equal(new URL(page.url()).search, '?zoek=anagrammen&q=Mark+Rutte');
  assert.deepEqual(page.errors, []);
});

test('a copy says "Gekopieerd", for the eye and for a screen reader', async () => {
  const page = await openPage(shared.browser);
  await page.browserContext().overridePermissions(shared.origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  await page.goto(`${shared.origin}/?zoek=patroon&q=k.t`);
  await ready(page);
  await answered(page);
  await page.click('#copy-button');
  await page.waitForFunction(() => document.querySelector('#copied').textContent === 'Gekopieerd', { timeout: 10_000 });
  assert.equal(await page.$eval('#copied', (note) => note.getAttribute('role')), 'status');
  assert.match(await page.evaluate(() => navigator.clipboard.readText()), /^kat\n/);
  // The search's help is tied to the field.
  assert.equal(await page.$eval('#query-field', (field) => field.getAttribute('aria-describedby')), 'search-help');
  assert.deepEqual(page.errors, []);
});

test('axe-core finds no WCAG A or AA violation, light and dark, on a phone and a desktop', async () => {
  const states = [
    ['?zoek=patroon&q=k.t', { width: 1280, height: 860 }, 'light'],
    ['?zoek=patroon&q=k.t', { width: 390, height: 844 }, 'dark'],
    ['?zoek=anagrammen&q=kruiswoordraadsel', { width: 390, height: 844 }, 'light'],
    ['?modus=5&q=heid', { width: 1280, height: 860 }, 'dark'],
    ['?zoek=verborgen&q=Zij+kwam+na+de+regen+thuis', { width: 1280, height: 860 }, 'light'],
    ['?zoek=patroon&q=k.t&lengte=abc', { width: 390, height: 844 }, 'light'],
    ['?zoek=lingo&begin=k', { width: 1280, height: 860 }, 'dark'],
    [`?zoek=bord&bord=${encodeURIComponent([...Array(7).fill('.'.repeat(15)), '.....kaarTen...', ...Array(7).fill('.'.repeat(15))].join('/'))}&rek=sterk%3Fo`,
      { width: 390, height: 844 }, 'dark'],
  ];
  for (const [address, size, scheme] of states) {
    const page = await openPage(shared.browser, size);
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
    await page.goto(`${shared.origin}/${address}`);
    await ready(page);
    await answered(page);
    assert.deepEqual(await violations(page), [], `${address} ${scheme} ${size.width}`);
    // The options opened on a phone, too.
    if (size.width < 500) {
      await page.click('#options-summary');
      assert.deepEqual(await violations(page), [], `${address} ${scheme}, options open`);
    }
    assert.deepEqual(page.errors, []);
  }
});

test('Lingo is a board: a guess typed and confirmed with Enter, its signs set by keyboard or by a click', async () => {
  const page = await openPage(shared.browser);
  await page.goto(`${shared.origin}/?zoek=lingo&begin=k`);
  await ready(page);
  await answered(page);
  assert.equal(await page.$eval('#query-field', (field) => field.closest('.query').hidden), true, 'no query field');
  assert.deepEqual(await page.$$eval('#options select[name="spel"] option', (options) => options.map((o) => o.value)), ['lingo', 'woordle']);
  // Lingo gives the first letter: every row starts with it; five rows of five tiles.
  assert.equal(await page.$$eval('#lingo-grid .lingo-row', (rows) => rows.length), 5);
  await page.focus('#lingo-guess');
  await page.keyboard.type('kater');
  // Typed is not yet played: no guess in the address until Enter.
  assert.equal(new URL(page.url()).searchParams.getAll('poging').length, 0);
  await page.keyboard.type('+--+?');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => new URL(location.href).searchParams.get('poging') === 'kater=+--+?');
  await answered(page);
  const expected = commandLine(['--lingo', '--begin', 'k', '--poging', 'kater=+--+?']).out.split('\n');
  assert.equal(await page.$eval('#heading', (heading) => heading.children[0].textContent), expected[0]);
  assert.equal(await page.$eval('#heading', (heading) => heading.children[1].textContent), expected[1]);
  // Each tile is a button with its letter and, for a screen reader, its meaning.
  const tiles = await page.$$eval('#lingo-grid .lingo-row:first-child .tile', (buttons) => buttons.map((b) => [b.tagName, b.getAttribute('aria-label')]));
  assert.deepEqual(tiles.map(([tag]) => tag), ['BUTTON', 'BUTTON', 'BUTTON', 'BUTTON', 'BUTTON']);
  assert.deepEqual(tiles.map(([, name]) => name), ['k, goede plaats', 'a, niet in het woord', 't, niet in het woord', 'e, goede plaats', 'r, elders in het woord']);
  // A click cycles the sign (- ? + -), and + ? - on a focused tile sets it: each asks again.
  await page.click('#lingo-grid .tile[data-row="0"][data-column="1"]');
  await page.waitForFunction(() => new URL(location.href).searchParams.get('poging') === 'kater=+?-+?');
  await page.focus('#lingo-grid .tile[data-row="0"][data-column="2"]');
  await page.keyboard.type('+');
  await page.waitForFunction(() => new URL(location.href).searchParams.get('poging') === 'kater=+?++?');
  await answered(page);
  const again = commandLine(['--lingo', '--begin', 'k', '--poging', 'kater=+?++?']).out.split('\n');
  assert.equal(await page.$eval('#heading', (heading) => heading.children[1].textContent), again[1]);
  // A link opens the board as it was shared.
  await page.goto(`${shared.origin}/?zoek=lingo&spel=woordle&poging=tenor%3D-%3F---`);
  await ready(page);
  await answered(page);
  assert.equal(await page.$$eval('#lingo-grid .lingo-row', (rows) => rows.length), 6, 'Woordle has six tries');
  assert.equal(await page.$eval('#lingo-grid .tile[data-row="0"][data-column="1"]', (tile) => tile.getAttribute('aria-label')), 'e, elders in het woord');
  assert.deepEqual(page.errors, []);
});
