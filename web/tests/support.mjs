// What every browser test shares: the built site served on 127.0.0.1 by a
// small static server, the browser of COINWELL_ENGINE (driver/), and the
// page's questions answered.
import { createServer } from 'node:http';
import { readFileSync, statSync } from 'node:fs';
import { extname, join, normalize, resolve } from 'node:path';
import { readCatalogue } from '../scripts/catalogue.mjs';

export { engine, launch } from './driver/index.mjs';

// The Japanese of a text as the shared catalogue has it: a plural text's
// one form.
const catalogue = readCatalogue(new URL('../../translations/coinwell_ja.ts', import.meta.url).pathname);
export const ja = (context, source) => [catalogue[context][source]].flat()[0];

export const siteDir = resolve(process.env.COINWELL_SITE_DIR ?? new URL('../../build/web/site', import.meta.url).pathname);

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.wav': 'audio/wav', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
};

// `withheld` maps a file's extension to how the server fails it: 'missing'
// answers 404, 'never sent' never answers.
export function serve(dir = siteDir, withheld = {}) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    let file = join(dir, path);
    if (withheld[extname(file)] === 'never sent') return;
    try {
      if (withheld[extname(file)] === 'missing') throw new Error('withheld');
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

// The question that is open: its title, prompt and entry.
export async function question(tab) {
  await tab.waitFor(() => document.querySelector('dialog.question[open]'));
  return tab.evaluate(() => {
    const dialog = document.querySelector('dialog.question[open]');
    return {
      title: dialog.querySelector('.box-title').textContent,
      prompt: dialog.querySelector('label').textContent,
      entry: dialog.querySelector('input').value,
    };
  });
}

// Types `text` over the open question's entry, as a person would.
export async function fill(tab, text) {
  await tab.waitFor(() => document.querySelector('dialog.question[open] input'));
  await tab.click('dialog.question[open] input');
  await tab.evaluate(() => document.querySelector('dialog.question[open] input').select());
  await tab.press('Backspace');
  if (text) await tab.type(text);
}

let answered = 0;
// Answers the open question; waits until that question has gone.
export async function answer(tab, text) {
  const mark = String(++answered);
  await tab.waitFor((m) => {
    const dialog = document.querySelector('dialog.question[open]');
    if (dialog) dialog.dataset.answered = m;
    return dialog;
  }, mark);
  await fill(tab, text);
  await tab.click('dialog.question[open] button[value="ok"]');
  await tab.waitFor((m) => !document.querySelector(`dialog[data-answered="${m}"]`), mark);
}

export const control = (name) => `[data-control="${name}"]`;
// A control's text, or one of its attributes.
export const value = (tab, name, attribute) => tab.evaluate((selector, attribute) => {
  const element = document.querySelector(selector);
  return attribute ? element.getAttribute(attribute) : element.textContent;
}, control(name), attribute ?? null);
export const text = (tab, selector) => tab.evaluate((s) => document.querySelector(s)?.textContent ?? null, selector);
export const disabled = (tab, name) => tab.evaluate((s) => document.querySelector(s).disabled, control(name));
export const focused = (tab) => tab.evaluate(() => document.activeElement.dataset.control ?? null);
export const focus = (tab, name) => tab.evaluate((s) => document.querySelector(s).focus(), control(name));
export const count = (tab, selector) => tab.evaluate((s) => document.querySelectorAll(s).length, selector);
// The graph canvas's pixels within a few steps of a colour.
export const pixels = (tab, [r, g, b]) => tab.evaluate((r, g, b) => {
  const c = document.querySelector('.graph canvas');
  const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let found = 0;
  for (let i = 0; i < data.length; i += 4) {
    if (Math.abs(data[i] - r) < 8 && Math.abs(data[i + 1] - g) < 8 && Math.abs(data[i + 2] - b) < 8) found++;
  }
  return found;
}, r, g, b);

// Marks the element of the role whose text is `name` (a button by its
// label, a menu item by its words without the key) so that it can be
// clicked by a selector; the selector of the mark.
let marked = 0;
export async function byRole(tab, roles, name) {
  const mark = `[data-test-mark="${++marked}"]`;
  await tab.waitFor((roles, name, mark) => {
    const candidates = [...document.querySelectorAll(roles.map((role) => role === 'button'
      ? 'button:not([role])' : `[role="${role}"]`).join(','))];
    const found = candidates.find((element) => {
      const words = element.getAttribute('aria-label') ??
        (element.querySelector('span') ?? element).textContent;
      return words.trim() === name && element.getClientRects().length > 0;
    });
    if (found) found.dataset.testMark = mark.match(/"(\d+)"/)[1];
    return Boolean(found);
  }, roles, name, mark);
  return mark;
}

// What the page hands the browser to save, seen in the page where every
// engine can: the link it clicks, with its file's name and bytes. Where
// the browser then puts the file is the browser's own business.
export function watchDownloads() {
  if (window.downloads) return;
  window.downloads = [];
  const click = HTMLElement.prototype.click;
  HTMLElement.prototype.click = function () {
    if (!(this instanceof HTMLAnchorElement && this.download)) return click.call(this);
    const saved = { name: this.download };
    window.downloads.push(saved);
    fetch(this.href).then((response) => response.arrayBuffer()).then((buffer) => {
      let bytes = '';
      for (const byte of new Uint8Array(buffer)) bytes += String.fromCharCode(byte);
      saved.base64 = btoa(bytes);
    });
    return undefined;
  };
}

