// How fast the page is in headless Chromium on this machine: the first load from
// localhost (bytes over the wire and the time until the first search can run), and, for
// a few searches typed into the field, the time from the end of the pause in typing to
// the first rows in the list (the median of several runs).
//   node web/tests/speed.mjs [SITE_FOLDER]
import { answered, openPage, ready, startBrowser } from './browser.mjs';
import { serve } from '../serve.mjs';

const folder = process.argv[2] || process.env.TAALSPOOR_SITE || new URL('../../build-web/site', import.meta.url).pathname;
const server = await serve(folder, 0);
const origin = `http://localhost:${server.address().port}`;
const browser = await startBrowser();

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function firstLoad() {
  const page = await openPage(browser);
  server.bytesSent = 0;
  const started = Date.now();
  await page.goto(`${origin}/`);
  await ready(page);
  const readyAfter = Date.now() - started;
  // The service worker fetches the site once more to keep it: count that too.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await new Promise((done) => setTimeout(done, 1000));
  await page.close();
  return { bytes: server.bytesSent, readyAfter };
}

async function firstRows(choice, typed, runs = 7) {
  const page = await openPage(browser);
  await page.goto(`${origin}/?${choice}`);
  await ready(page);
  const times = [];
  for (let run = 0; run < runs; ++run) {
    await page.click('#query-field', { clickCount: 3 });
    // Another text each time, the same search: a blank is passed over.
    await page.keyboard.type(run % 2 ? `${typed} ` : typed);
    await answered(page);
    times.push(await page.evaluate(() => performance.getEntriesByName('eerste rijen').at(-1).duration));
  }
  await page.close();
  return median(times);
}

// Each visit in a context of its own, as a first visit: the median of five.
const loads = [];
for (let visit = 0; visit < 5; ++visit) loads.push(await firstLoad());
const load = { bytes: loads[0].bytes, readyAfter: median(loads.map((l) => l.readyAfter)) };
console.log(`eerste bezoek: ${(load.bytes / 1e6).toFixed(2)} MB verstuurd (met wat de service worker bewaart), zoeken kan na ${load.readyAfter} ms`);
for (const [choice, typed, name] of [
  ['modus=1', 'k.t', 'zoekwijze 1 k.t'],
  ['modus=3', 'heid', 'zoekwijze 3 heid (alle pagina\'s)'],
  ['zoek=patroon', '*heid', '--patroon *heid'],
  ['zoek=uit', 'aeinrst', '--uit aeinrst'],
  ['zoek=anagrammen', 'taalspoor', '--anagrammen taalspoor'],
]) {
  console.log(`${name}: eerste rijen na ${(await firstRows(choice, typed)).toFixed(1)} ms`);
}
await browser.close();
browser.removeProfile();
server.close();
