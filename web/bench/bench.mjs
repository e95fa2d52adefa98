// Measures the browser edition, and asserts nothing: a cold load on
// localhost to the first question, a Start click at 1000 guests x 1000
// experiments from the click to the painted frame, and the site's size
// gzipped.
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { answer, launch, serve, siteDir, value } from '../tests/support.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const server = await serve();

const loads = [];
for (let n = 0; n < 5; n++) {
  const fresh = await launch();
  const page = fresh.context.pages()[0];
  await page.goto(server.url);
  await page.locator('dialog[open]').waitFor();
  loads.push(await page.evaluate(() => performance.getEntriesByName('coinwell-question')[0].startTime));
  await fresh.close();
}

const browser = await launch({ viewport: { width: 1024, height: 768 } });
const page = browser.context.pages()[0];
await page.goto(server.url + '?seed=1');
await answer(page, '1000');
await answer(page, '1000');
const clicks = [];
for (let n = 0; n < 15; n++) {
  clicks.push(await page.evaluate(() => new Promise((done) => {
    const start = document.querySelector('[data-control="startButton"]');
    const began = performance.now();
    start.click();
    const handled = performance.now() - began; // the run and the canvas drawn
    // The frame that shows the run is painted right after this callback.
    requestAnimationFrame(() => setTimeout(() => done({ handled, painted: performance.now() - began }), 0));
  })));
  await value(page, 'initButton').click();
  await answer(page, '1000');
  await answer(page, '1000');
}
await browser.close();
await server.close();

let raw = 0;
let gzipped = 0;
const files = [];
const walk = (dir) => {
  for (const name of readdirSync(dir)) {
    const path = join(dir, name);
    if (statSync(path).isDirectory()) walk(path);
    else {
      const bytes = readFileSync(path);
      const packed = gzipSync(bytes, { level: 9 }).length;
      raw += bytes.length;
      gzipped += packed;
      files.push(`${relative(siteDir, path)} ${bytes.length} -> ${packed}`);
    }
  }
};
walk(siteDir);

console.log(`cold load to the first question: median ${median(loads).toFixed(1)} ms (${loads.map((t) => t.toFixed(0)).join(', ')})`);
const handled = clicks.map((c) => c.handled);
const painted = clicks.map((c) => c.painted);
console.log(`Start at 1000 x 1000 (${clicks.length} runs): click handled (run + canvas) median ${median(handled).toFixed(1)} ms, ` +
  `max ${Math.max(...handled).toFixed(1)}; to the painted frame median ${median(painted).toFixed(1)} ms, ` +
  `min ${Math.min(...painted).toFixed(1)}, max ${Math.max(...painted).toFixed(1)}`);
console.log(`site: ${(raw / 1024).toFixed(1)} kB, gzipped ${(gzipped / 1024).toFixed(1)} kB`);
for (const line of files) console.log(`  ${line}`);
