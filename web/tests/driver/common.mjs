// What both implementations of the driver share.

export const waitTimeout = Number(process.env.COINWELL_WAIT_MS || 20_000);

const kNavigating = /context was destroyed|navigat|detached|no such (window|frame)|unload/i;

// Polls evaluate(fn, ...args) (or evaluate(...call)) until it gives a
// truthy value, which it returns; the error on timeout names what was
// awaited and what it gave last.
export async function pollUntil(evaluate, fn, args, call = [fn, ...args]) {
  const until = Date.now() + waitTimeout;
  let last;
  for (;;) {
    try {
      last = await evaluate(...call);
    } catch (error) {
      // A click that reloads the page destroys the document a call ran in
      // while it runs: the call is made again in the next one.
      if (!kNavigating.test(String(error?.message)) || Date.now() > until) throw error;
      last = undefined;
    }
    if (last) return last;
    if (Date.now() > until) {
      throw new Error(`waited ${waitTimeout} ms for ${String(fn).replace(/\s+/g, ' ')}` +
        `${args.length ? ` with ${JSON.stringify(args)}` : ''}; last ${JSON.stringify(last)}`);
    }
    await new Promise((next) => setTimeout(next, 25));
  }
}

// 'Control+Shift+F10' -> { modifiers: ['Control', 'Shift'], key: 'F10' };
// '+' and 'Control++' name the plus key itself.
export function parseKey(combination) {
  const parts = /^((?:(?:Control|Shift|Alt|Meta)\+)*)(.+)$/.exec(combination);
  return { modifiers: parts[1].split('+').filter(Boolean), key: parts[2] };
}

// Runs fn's source in the page, so that an element it finds counts as true:
// engines differ in what they make of an element sent back.
async function settle(source, args) {
  const value = await (0, eval)(`(${source})`)(...args);
  return value instanceof Node ? true : value;
}

// waitFor(fn, ...args) of a tab whose evaluate is `evaluate`.
export async function waitInPage(evaluate, fn, args) {
  try {
    return await pollUntil((source, list) => evaluate(settle, source, list), fn, args, [String(fn), args]);
  } catch (error) {
    const where = await evaluate(() => `${location.href} (${document.readyState})`).catch((e) => String(e));
    error.message += `; the page: ${where}`;
    throw error;
  }
}

// Waits until the element is there and a click at its middle reaches it, as
// a user's would: the page laid out for a new window size, and a long menu
// scrolled as a finger would scroll it to bring an item in (bookworm's
// WebKitGTK driver does not scroll within a menu itself).
export function shown(evaluate, selector) {
  return waitInPage(evaluate, (s) => {
    const element = document.querySelector(s);
    if (!element) return false;
    const box = element.getBoundingClientRect();
    if (box.width === 0 || box.height === 0) return false;
    if (element.contains(document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2))) return true;
    for (let list = element.parentElement; list; list = list.parentElement) {
      if (list.scrollHeight > list.clientHeight && /auto|scroll/.test(getComputedStyle(list).overflowY)) {
        const view = list.getBoundingClientRect();
        list.scrollTop += box.top + box.height / 2 - (view.top + view.height / 2);
        break;
      }
    }
    return false;
  }, [selector]);
}
