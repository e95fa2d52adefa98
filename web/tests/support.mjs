// What every browser test shares: the built site served on 127.0.0.1 by a
// small static server, Debian's Chromium driven through playwright-core, and
// the page's questions answered.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { readCatalogue } from '../scripts/catalogue.mjs';

// The Japanese of a text as the shared catalogue has it.
const catalogue = readCatalogue(new URL('../../translations/coinwell_ja.ts', import.meta.url).pathname);
export const ja = (context, source) => catalogue[context][source];

export const siteDir = resolve(process.env.COINWELL_SITE_DIR ?? new URL('../../build/web/site', import.meta.url).pathname);

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.wav': 'audio/wav', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
};

export function serve(dir = siteDir) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    let file = join(dir, path);
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const body = readFileSync(file);
      response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream', 'cache-control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((closed) => { server.closeAllConnections(); server.close(closed); }),
  })));
}

// A fresh profile each time: nothing kept from another run, and no
// network but the test's own server.
export async function launch(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'coinwell-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1024, height: 768 },
    ...options,
  });
  return { context, close: async () => { await context.close(); rmSync(profile, { recursive: true, force: true }); } };
}

// The question that is open: its title, prompt and entry.
export async function question(page) {
  const dialog = page.locator('dialog.question[open]');
  await dialog.waitFor();
  return {
    title: await dialog.locator('.box-title').textContent(),
    prompt: await dialog.locator('label').textContent(),
    entry: await dialog.locator('input').inputValue(),
  };
}

// Answers the open question; waits until that question has gone.
export async function answer(page, text) {
  const dialog = page.locator('dialog.question[open]');
  await dialog.waitFor();
  const handle = await dialog.elementHandle();
  await dialog.locator('input').fill(text);
  await dialog.locator('button[value="ok"]').click();
  await page.waitForFunction((d) => !d.isConnected, handle);
}

export async function openPage(context, url, settings = ['100', '100']) {
  const page = context.pages()[0] ?? await context.newPage();
  await page.goto(url);
  for (const entry of settings) await answer(page, entry);
  return page;
}

export const value = (page, name) => page.locator(`[data-control="${name}"]`);
