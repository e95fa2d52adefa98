// The graph area's options, remembered in the browser under the core's
// names: "coinwell.showCoinsReady" and so on. Switches stored as 'true' and
// 'false' by earlier editions of the page are read as 1 and 0, so that a
// teacher's choice survives.
import type { CoreModule, Session } from './core';

const key = (name: string) => `coinwell.${name}`;

export function restoreOptions(core: CoreModule, session: Session): void {
  core.options().forEach((name, index) => {
    let stored: string | null = null;
    try {
      stored = window.localStorage.getItem(key(name));
    } catch {
      return; // storage refused: the defaults
    }
    const value = stored === 'true' ? 1 : stored === 'false' ? 0 : Number(stored ?? NaN);
    // The core keeps its default for a value it does not offer.
    if (Number.isInteger(value)) session.restoreOption(index, value);
  });
}

export function storeOptions(core: CoreModule, session: Session): void {
  core.options().forEach((name, index) => {
    try {
      window.localStorage.setItem(key(name), String(session.option(index)));
    } catch {
      // private mode: remembered for this page only
    }
  });
}
