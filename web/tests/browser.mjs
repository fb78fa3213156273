// What the browser tests share: the built site served on localhost, Debian's Chromium
// driven by puppeteer-core (nothing downloaded), and taalspoor-zoek in a folder of its
// own for the answers the page must equal.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serve } from '../serve.mjs';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const site = process.env.TAALSPOOR_SITE || join(repo, 'build-web/site');
const taalspoorZoek = process.env.TAALSPOOR_ZOEK || join(repo, 'build-release/taalspoor-zoek');

// The own list both the page and taalspoor-zoek search, as Mijnlijst.txt holds it.
export const ownList = 'kaart\r\nkzzt\r\nheidzzz\r\n';

export async function startSite() {
  const server = await serve(site, 0);
  return { server, origin: `http://localhost:${server.address().port}` };
}

// The site served and a browser for one file of tests: started before its first test
// and ended after its last; `origin` and `browser` are there once it has started.
export function siteAndBrowser() {
  const shared = {};
  before(async () => {
    Object.assign(shared, await startSite());
    shared.browser = await startBrowser();
  });
  after(async () => {
    await shared.browser.close();
    shared.browser.removeProfile();
    shared.server.close();
  });
  return shared;
}

export async function startBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'taalspoor-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  browser.removeProfile = () => rmSync(profile, { recursive: true, force: true });
  return browser;
}

// A page in a context of its own (its own storage and service worker, as another
// visitor's), that records every error it shows on its console.
export async function openPage(browser, { width = 1280, height = 800 } = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height });
  page.errors = [];
  page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
  page.on('pageerror', (error) => page.errors.push(error.message));
  return page;
}

export async function ready(page) {
  await page.waitForSelector('body[data-ready]', { timeout: 30_000 });
}

// Waits for the answer to the question now in the address to be on the page.
export async function answered(page) {
  await page.waitForFunction(
    () => document.querySelector('#results').dataset.query === window.location.search.slice(1)
      || !document.querySelector('#error-line').hidden,
    { timeout: 30_000 },
  );
}

// What taalspoor-zoek prints, run in a folder with the shipped data and the own list.
// `files`: more files for the folder by name (a board for --bord).
export function commandLine(args, files = {}) {
  const folder = mkdtempSync(join(tmpdir(), 'taalspoor-zoek-'));
  try {
    for (const name of ['nlwrdiso.v3', 'tellingen.txt', 'ij-uitzonderingen.txt'])
      symlinkSync(join(repo, 'data', name), join(folder, name));
    writeFileSync(join(folder, 'Mijnlijst.txt'), ownList, 'latin1');
    for (const [name, text] of Object.entries(files)) writeFileSync(join(folder, name), text);
    try {
      return { out: execFileSync(taalspoorZoek, args, { cwd: folder, encoding: 'utf8', maxBuffer: 1 << 28 }), err: '' };
    } catch (failed) {
      return { out: failed.stdout, err: failed.stderr, status: failed.status };
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}
