// The command table's keys, in Qt's portable notation ("Ctrl+C", "Right",
// "Esc", "+"), in the browser's terms: matched against a KeyboardEvent,
// named for aria-keyshortcuts and shown in the menu.
const kBrowserNames: Record<string, string> = {
  Right: 'ArrowRight', Left: 'ArrowLeft', Up: 'ArrowUp', Down: 'ArrowDown', Esc: 'Escape', Space: ' ',
};

function parse(key: string): { ctrl: boolean; name: string } {
  const ctrl = key.startsWith('Ctrl+') && key.length > 5;
  return { ctrl, name: ctrl ? key.slice(5) : key };
}

export const withCtrl = (key: string) => parse(key).ctrl;

// Ctrl is Command on a Mac; letters match in either case.
export function matches(event: KeyboardEvent, key: string): boolean {
  const { ctrl, name } = parse(key);
  return (event.ctrlKey || event.metaKey) === ctrl && !event.altKey &&
    event.key.toLowerCase() === (kBrowserNames[name] ?? name).toLowerCase();
}

// The keys as aria-keyshortcuts names them, but the plus key: a plus sign
// there joins a modifier to its key.
export function ariaShortcuts(keys: string[]): string {
  return keys.filter((key) => parse(key).name !== '+').map((key) => {
    const { ctrl, name } = parse(key);
    return (ctrl ? 'Control+' : '') + (name === 'Space' ? 'Space' : kBrowserNames[name] ?? name);
  }).join(' ');
}

export const shownKey = (key: string) => (key === 'Right' ? '→' : key);
