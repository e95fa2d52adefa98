// The one small interface the page's tests drive a browser through, and
// the engine it drives: COINWELL_ENGINE=chromium (the default), firefox or
// webkit, each from Debian's own package.
//
//   launch({ viewport: { width, height, scale }, touch, cpuSlowdown }) -> browser
//                                  (cpuSlowdown: Chromium's CPU n times slower)
//   browser.newTab(), browser.close()
//   tab.goto(url), reload(), back(), close()
//   tab.evaluate(fn, ...args)      fn runs in the page; its result is JSON
//   tab.waitFor(fn, ...args)       until fn returns a truthy value, which it
//                                  returns; a timeout names fn
//   tab.click(selector)            a real pointer click on the element's centre
//   tab.press(key)                 'Enter', 'Shift+F10', 'Control+c', ' '...
//   tab.type(text)                 real key presses, one character each
//   tab.longPress(selector, fn, ...args)  a touch held until fn holds (not
//                                  in WebKit, whose WebDriver sends the mouse)
//   tab.setViewport(width, height) the page's inner size
//   tab.screenshot()               PNG bytes of the viewport
//   tab.printPdf({ paper, landscape })  the page printed to PDF on 'A4' or
//                                  'Letter' paper, as bytes; null in WebKit,
//                                  whose WebDriver has no printing
//   tab.errors()                   the page's console errors and uncaught
//                                  exceptions so far, as text (in WebKit
//                                  only those after each load: see
//                                  webdriver.mjs)

export const engines = ['chromium', 'firefox', 'webkit'];
export const engine = process.env.COINWELL_ENGINE || 'chromium';
if (!engines.includes(engine)) throw new Error(`COINWELL_ENGINE=${engine}: one of ${engines.join(', ')}`);

export const defaultViewport = { width: 1024, height: 768 };

// Only the engine's own implementation is loaded.
export async function launch(options = {}) {
  const settings = { ...options, viewport: { ...defaultViewport, ...options.viewport } };
  if (engine === 'webkit') return (await import('./webdriver.mjs')).launchWebKit(settings);
  return (await import('./puppeteer.mjs')).launchPuppeteer(engine, settings);
}
