// Measures the browser edition, and asserts nothing: a cold load on
// localhost to the first question, a Start click at 1000 guests x 1000
// experiments from the click to the end of the frame that shows it, a
// replay's frame at 1000 guests, the square-root law's exact curves, the
// running average's 100,000 experiments of 1000 guests and a run of 1000 x
// 1000 at 50 and 40 % paying with a coin in the core, and the site's size
// gzipped.
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { serve, siteDir } from '../scripts/serve.mjs';
import { answer, control, engine, launch } from '../tests/support.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const server = await serve();

// Cold loads, each in a fresh browser, to the first question.
async function coldLoads(options) {
  const loads = [];
  for (let n = 0; n < 5; n++) {
    const fresh = await launch(options);
    const page = await fresh.newTab();
    await page.goto(server.url);
    await page.waitFor(() => document.querySelector('dialog[open]'));
    loads.push(await page.evaluate(() => performance.getEntriesByName('coinwell-question')[0].startTime));
    await fresh.close();
  }
  return loads;
}

// A real click (input from the driver's protocol, not a script's click())
// on Start, `times` times, on a page seeded and asked 1000 x 1000. Times,
// in the page's clock:
// - handler: the page's click handling, the run, the canvas and the DOM;
// - frame: the main thread's work on the frame that shows it (style,
//   layout, paint, commit), from its animation-frame callback to the task
//   after it;
// - latency: the click event's timeStamp to the end of that frame's work,
//   with the dispatch of the click and the wait for the frame to begin in
//   it (the frame begins at the display's next beat).
async function startClicks(page, times) {
  await page.goto(server.url + '?seed=1');
  await answer(page, '1000');
  await answer(page, '1000');
  const clicks = [];
  for (let n = 0; n < times; n++) {
    await page.evaluate(() => {
      window.measured = new Promise((done) => {
        let began = 0;
        window.addEventListener('click', () => { began = performance.now(); }, { capture: true, once: true });
        const start = document.querySelector('[data-control="startButton"]');
        // Listened after the page's own listener, so it runs when that has ended.
        start.addEventListener('click', (event) => {
          const handled = performance.now();
          requestAnimationFrame(() => {
            const frameBegan = performance.now();
            const after = new MessageChannel();
            after.port1.onmessage = () => {
              const frameEnded = performance.now();
              done({ handler: handled - began, frame: frameEnded - frameBegan, latency: frameEnded - event.timeStamp,
                waited: frameBegan - handled });
            };
            after.port2.postMessage(0);
          });
        }, { once: true });
      });
    });
    await page.click(control('startButton'));
    clicks.push(await page.evaluate(() => window.measured));
    await page.click(control('initButton'));
    await answer(page, '1000');
    await answer(page, '1000');
  }
  return clicks;
}

const loads = await coldLoads();
const browser = await launch({ viewport: { width: 1024, height: 768 } });
const page = await browser.newTab();
const clicks = await startClicks(page, 15);

// A replay's frame at 1000 guests, the whole meeting shown: M repaints it
// (mirrored or not), the scene from the core and its painting, up to the
// canvas's pixels being there to read.
await page.press('w');
await page.press('End');
const replayFrames = await page.evaluate(() => {
  const canvas = document.querySelector('.graph canvas');
  const times = [];
  for (let n = 0; n < 41; n++) {
    const began = performance.now();
    document.dispatchEvent(new KeyboardEvent('keydown', { key: 'm', bubbles: true }));
    canvas.getContext('2d').getImageData(0, 0, 1, 1);
    times.push(performance.now() - began);
  }
  return times;
});
await browser.close();

// The square-root law's exact curves for every number of guests, made by a
// fresh Session's first view of it, and a view once they are made; the core
// loaded on its own.
const core = await serve({ dir: new URL('../../build/web/cmake/wasm', import.meta.url).pathname });
const alone = await launch();
const corePage = await alone.newTab();
await corePage.goto(core.url + 'coinwell_core.js');
const curves = await corePage.evaluate(async () => {
  const made = await (await import('/coinwell_core.js')).default();
  const setter = { text: (message) => message.source, width: (text) => 7 * text.length, lineHeight: 16, ascent: 13,
    digitWidth: 7 };
  const squareRoot = made.commands().find((row) => row.name === 'squareRoot').command;
  const first = [];
  const again = [];
  for (let n = 0; n < 15; n++) {
    const session = new made.Session('1');
    session.trigger(squareRoot);
    let began = performance.now();
    session.picture(1066, 762, setter);
    first.push(performance.now() - began);
    began = performance.now();
    session.picture(1066, 762, setter);
    again.push(performance.now() - began);
    session.delete();
  }
  // The running average: its experiments and points when L is pressed, and
  // a frame's picture half way.
  const runningAverage = made.commands().find((row) => row.name === 'runningAverage').command;
  const running = [];
  const frames = [];
  for (let n = 0; n < 9; n++) {
    const session = new made.Session('1');
    session.setGuests(1000);
    let began = performance.now();
    session.trigger(runningAverage);
    running.push(performance.now() - began);
    session.advance(3);
    began = performance.now();
    session.picture(1066, 762, setter);
    frames.push(performance.now() - began);
    session.delete();
  }
  // A run of 1000 x 1000, the fair coin's and with 40 % paying with a coin.
  const coinShare = made.commands().find((row) => row.name === 'coinShare').command;
  const runs = { 50: [], 40: [] };
  for (const share of [50, 40]) {
    const session = new made.Session('1');
    session.setGuests(1000);
    session.setExperiments(1000);
    session.answer(coinShare, share);
    // Ten runs a time, the page's clock being coarse.
    for (let n = 0; n < 15; n++) {
      const began = performance.now();
      for (let run = 0; run < 10; run++) session.run();
      runs[share].push((performance.now() - began) / 10);
    }
    session.delete();
  }
  return { first, again, running, frames, runs };
});
await alone.close();
await core.close();

// A school's cheapest device: Chromium's CPU four times slower, as a
// low-end Chromebook's.
let slowed;
if (engine === 'chromium') {
  const slow = await launch({ viewport: { width: 1024, height: 768 }, cpuSlowdown: 4 });
  slowed = { loads: await coldLoads({ cpuSlowdown: 4 }), clicks: await startClicks(await slow.newTab(), 9) };
  await slow.close();
}
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

console.log(`${engine}:`);
console.log(`cold load to the first question: median ${median(loads).toFixed(1)} ms (${loads.map((t) => t.toFixed(0)).join(', ')})`);
function reportClicks(clicks) {
  const figures = (key) => {
    const list = clicks.map((c) => c[key]);
    return `median ${median(list).toFixed(1)} ms (min ${Math.min(...list).toFixed(1)}, max ${Math.max(...list).toFixed(1)})`;
  };
  const work = clicks.map((c) => c.handler + c.frame);
  console.log(`Start at 1000 x 1000 (${clicks.length} clicks): click handled ${figures('handler')}; ` +
    `the frame that shows it ${figures('frame')}; the two together median ${median(work).toFixed(1)} ms, ` +
    `max ${Math.max(...work).toFixed(1)}; from the click's timeStamp to that frame's end ${figures('latency')}, ` +
    `of which waiting for the frame to begin ${figures('waited')}`);
}
reportClicks(clicks);
const spread = (list) => `median ${median(list).toFixed(2)} ms (min ${Math.min(...list).toFixed(2)}, max ${Math.max(...list).toFixed(2)})`;
console.log(`replay frame at 1000 guests, scene and painting (${replayFrames.length} frames): ${spread(replayFrames)}`);
console.log(`square-root law: the exact curves and the view, first time ${spread(curves.first)}; ` +
  `the view again ${spread(curves.again)}`);
console.log(`running average: 100,000 experiments of 1000 guests and their points ${spread(curves.running)}; ` +
  `a frame's picture half way ${spread(curves.frames)}`);
console.log(`a run of 1000 x 1000 in the core: the fair coin ${spread(curves.runs[50])}; ` +
  `40 % paying with a coin ${spread(curves.runs[40])}`);
if (slowed) {
  console.log(`${engine} with its CPU four times slower:`);
  console.log(`cold load to the first question: median ${median(slowed.loads).toFixed(1)} ms (${slowed.loads.map((t) => t.toFixed(0)).join(', ')})`);
  reportClicks(slowed.clicks);
}
console.log(`site: ${(raw / 1024).toFixed(1)} kB, gzipped ${(gzipped / 1024).toFixed(1)} kB`);
for (const line of files) console.log(`  ${line}`);
