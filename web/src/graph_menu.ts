// The graph's menu: items with their keys, checkable ones, captioned
// groups, opened over the graph and worked with the arrow keys.
export interface MenuEntry {
  text: string;
  shortcut?: string; // as shown
  keys?: string;     // for aria-keyshortcuts, where it differs from what is shown
  role?: 'menuitem' | 'menuitemcheckbox' | 'menuitemradio';
  enabled?: () => boolean;
  checked?: () => boolean;
  act: () => void;
}

export class GraphMenu {
  readonly element = document.createElement('div');
  readonly button = document.createElement('button');
  private readonly entries: { element: HTMLButtonElement; entry: MenuEntry }[] = [];
  private returnFocus: HTMLElement | undefined;

  constructor(label: string) {
    this.element.className = 'graph-menu';
    this.element.setAttribute('role', 'menu');
    this.element.setAttribute('aria-label', label);
    this.element.hidden = true;
    this.button.type = 'button';
    this.button.className = 'menu-button';
    this.button.textContent = '☰';
    this.button.setAttribute('aria-label', label);
    this.button.setAttribute('aria-haspopup', 'menu');
    this.button.setAttribute('aria-expanded', 'false');
    this.element.addEventListener('keydown', (event) => this.key(event));
    this.element.addEventListener('focusout', (event) => {
      if (!this.element.contains(event.relatedTarget as Node | null)) this.close(false);
    });
  }

  add(entry: MenuEntry, into: HTMLElement = this.element): HTMLButtonElement {
    const element = document.createElement('button');
    element.type = 'button';
    element.setAttribute('role', entry.role ?? 'menuitem');
    element.tabIndex = -1;
    const label = document.createElement('span');
    label.textContent = entry.text;
    const key = document.createElement('kbd');
    key.textContent = entry.shortcut ?? '';
    element.append(label, key);
    const keys = entry.keys ?? entry.shortcut?.replace('Ctrl', 'Control');
    if (keys) element.setAttribute('aria-keyshortcuts', keys);
    element.addEventListener('click', () => {
      if (element.getAttribute('aria-disabled') === 'true') return;
      this.close();
      entry.act();
    });
    into.append(element);
    this.entries.push({ element, entry });
    return element;
  }

  separator(): void {
    this.element.append(Object.assign(document.createElement('div'), { className: 'separator', role: 'separator' }));
  }

  // The desktop's submenus, here a group of their own under a caption.
  group(caption: string, entries: MenuEntry[]): void {
    const group = Object.assign(document.createElement('div'), { className: 'menu-group', role: 'group' });
    group.setAttribute('aria-label', caption);
    const heading = Object.assign(document.createElement('div'), { className: 'menu-caption', textContent: caption });
    heading.setAttribute('aria-hidden', 'true');
    this.element.append(heading, group);
    for (const entry of entries) this.add(entry, group);
  }

  update(): void {
    for (const { element, entry } of this.entries) {
      element.setAttribute('aria-disabled', String(!(entry.enabled?.() ?? true)));
      if (entry.checked) element.setAttribute('aria-checked', String(entry.checked()));
    }
  }

  // Opens at (x, y) of `from`, or at its middle, kept within the stage.
  open(host: HTMLElement, from: HTMLElement, x?: number, y?: number): void {
    if (!this.element.isConnected) host.parentElement?.append(this.element);
    this.update();
    this.returnFocus = from;
    const stage = host.parentElement!.getBoundingClientRect();
    const anchor = from.getBoundingClientRect();
    const left = anchor.left - stage.left + (x ?? anchor.width / 2);
    const top = anchor.top - stage.top + (y ?? anchor.height / 2);
    this.element.hidden = false;
    const width = this.element.offsetWidth;
    const height = this.element.offsetHeight;
    this.element.style.left = `${Math.max(0, Math.min(left, stage.width - width))}px`;
    this.element.style.top = `${Math.max(0, Math.min(top, stage.height - height))}px`;
    this.button.setAttribute('aria-expanded', 'true');
    this.entries[0].element.focus();
  }

  close(refocus = true): void {
    if (this.element.hidden) return;
    this.element.hidden = true;
    this.button.setAttribute('aria-expanded', 'false');
    if (refocus) this.returnFocus?.focus();
  }

  private key(event: KeyboardEvent): void {
    const elements = this.entries.map((item) => item.element);
    const at = elements.indexOf(document.activeElement as HTMLButtonElement);
    const move = (step: number) => elements[(at + step + elements.length) % elements.length].focus();
    if (event.key === 'ArrowDown') move(1);
    else if (event.key === 'ArrowUp') move(-1);
    else if (event.key === 'Home') elements[0].focus();
    else if (event.key === 'End') elements[elements.length - 1].focus();
    else if (event.key === 'Escape' || event.key === 'Tab') this.close();
    else return;
    event.preventDefault();
    event.stopPropagation();
  }
}
