// Chromium through the DevTools protocol and Firefox ESR through WebDriver
// BiDi (which Firefox answers itself), both by puppeteer-core, headless,
// each with a fresh profile: nothing kept from another run, and no network
// but the test's own server.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { parseKey, shown, waitInPage } from './common.mjs';

const programs = {
  chromium: {
    browser: 'chrome',
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  },
  firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', args: [] },
};

export async function launchPuppeteer(engine, { viewport, touch = false, cpuSlowdown }) {
  if (cpuSlowdown && engine !== 'chromium') throw new Error(`${engine} cannot slow its CPU down`);
  const profile = mkdtempSync(join(tmpdir(), `coinwell-${engine}-`));
  const shape = { width: viewport.width, height: viewport.height, deviceScaleFactor: viewport.scale ?? 1,
    hasTouch: touch, isMobile: touch };
  const browser = await puppeteer.launch({ ...programs[engine], headless: true, userDataDir: profile,
    defaultViewport: shape, protocolTimeout: 120_000 });
  return {
    async newTab() {
      const page = await browser.newPage();
      if (cpuSlowdown) await page.emulateCPUThrottling(cpuSlowdown);
      return makeTab(page, shape);
    },
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

function makeTab(page, shape) {
  const errors = [];
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(String(error?.message ?? error)));
  const evaluate = (fn, ...args) => page.evaluate(fn, ...args);
  return {
    errors: async () => [...errors],
    goto: (url) => page.goto(url, { waitUntil: 'load' }),
    reload: () => page.reload({ waitUntil: 'load' }),
    back: () => page.goBack(),
    close: () => page.close(),
    evaluate,
    waitFor: (fn, ...args) => waitInPage(evaluate, fn, args),
    async click(selector) {
      await shown(evaluate, selector);
      await page.click(selector);
    },
    async press(combination) {
      const { modifiers, key } = parseKey(combination);
      for (const modifier of modifiers) await page.keyboard.down(modifier);
      await page.keyboard.press(key);
      for (const modifier of modifiers.reverse()) await page.keyboard.up(modifier);
    },
    type: (text) => page.keyboard.type(text),
    async longPress(selector, until, ...args) {
      await shown(evaluate, selector);
      const box = await (await page.$(selector)).boundingBox();
      const touch = await page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height / 2);
      await waitInPage(evaluate, until, args);
      await touch.end();
    },
    setViewport: (width, height) => page.setViewport({ ...shape, width, height }),
    async screenshot() { return Buffer.from(await page.screenshot({ type: 'png' })); },
    async printPdf({ paper, landscape }) { return Buffer.from(await page.pdf({ format: paper, landscape })); },
  };
}
