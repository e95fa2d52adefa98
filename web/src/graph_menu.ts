// The graph's menu, made from the core's command table: items with their
// keys, checkable ones, the submenus as captioned groups, opened over the
// graph and worked with the arrow keys. The session says which items are on
// and which are checked.
import type { CommandRow, Session } from './core';
import { ariaShortcuts, shownKey } from './keys';
import { translate } from './texts';

const kRoles = ['menuitem', 'menuitemcheckbox', 'menuitemradio'];

export class GraphMenu {
  readonly element = document.createElement('div');
  readonly button = document.createElement('button');
  private readonly items: { element: HTMLButtonElement; row: CommandRow }[] = [];
  private returnFocus: HTMLElement | undefined;

  // captions: the groups' by their part; run: what an item chosen does.
  constructor(label: string, rows: CommandRow[], captions: string[], private readonly session: Session,
    run: (row: CommandRow) => void) {
    Object.assign(this.element, { className: 'graph-menu', role: 'menu', ariaLabel: label, hidden: true });
    Object.assign(this.button, { type: 'button', className: 'menu-button', ariaLabel: label,
      ariaHasPopup: 'menu', ariaExpanded: 'false' });
    this.element.addEventListener('keydown', (event) => this.key(event));
    this.element.addEventListener('focusout', (event) => {
      if (!this.element.contains(event.relatedTarget as Node | null)) this.close(false);
    });
    let part = 0;
    let group: HTMLElement | undefined;
    for (const row of rows) {
      if (row.separatorBefore) {
        this.element.append(Object.assign(document.createElement('div'), { className: 'separator', role: 'separator' }));
      }
      if (row.part !== part) {
        part = row.part;
        group = part ? this.group(captions[part]) : undefined;
      }
      this.add(row, group ?? this.element, run);
    }
  }

  private add(row: CommandRow, into: HTMLElement, run: (row: CommandRow) => void): void {
    const element = Object.assign(document.createElement('button'), { type: 'button', role: kRoles[row.check], tabIndex: -1 });
    element.append(Object.assign(document.createElement('span'), { textContent: translate(row.label) }),
      Object.assign(document.createElement('kbd'), { textContent: shownKey(row.keys[0] ?? '') }));
    const shortcuts = ariaShortcuts(row.keys);
    if (shortcuts) element.setAttribute('aria-keyshortcuts', shortcuts);
    element.addEventListener('click', () => {
      if (element.getAttribute('aria-disabled') === 'true') return;
      this.close();
      run(row);
    });
    into.append(element);
    this.items.push({ element, row });
  }

  // The desktop's submenus, here a group of their own under a caption.
  private group(caption: string): HTMLElement {
    const group = Object.assign(document.createElement('div'), { className: 'menu-group', role: 'group', ariaLabel: caption });
    const heading = Object.assign(document.createElement('div'),
      { className: 'menu-caption', textContent: caption, ariaHidden: 'true' });
    this.element.append(heading, group);
    return group;
  }

  update(): void {
    for (const { element, row } of this.items) {
      element.setAttribute('aria-disabled', String(!this.session.enabled(row.command)));
      if (row.check) element.setAttribute('aria-checked', String(this.session.checked(row.command)));
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
    this.items[0].element.focus();
  }

  close(refocus = true): void {
    if (this.element.hidden) return;
    this.element.hidden = true;
    this.button.setAttribute('aria-expanded', 'false');
    if (refocus) this.returnFocus?.focus();
  }

  private key(event: KeyboardEvent): void {
    const elements = this.items.map((item) => item.element);
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
