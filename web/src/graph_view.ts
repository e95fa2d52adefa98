// The graph area: the graph painted on a canvas at the screen's pixel
// ratio, its description for screen readers, and its menu (right click,
// long press, Shift+F10, the Menu key or the menu button).
import type { CoreScene, Session } from './core';
import { askInteger } from './dialogs';
import { cssFont, paintCanvas, sceneSvg, type Font } from './graph_scene';
import { pageText, tr } from './texts';

const GM = 'coinwell::graph::GraphMenu';
const kExactKey = 'coinwell.showExactDistribution';
const kReadyKey = 'coinwell.showCoinsReady';
const kReadyPercentKey = 'coinwell.coinsReadyPercent';
const kReadyPercents = [90, 95, 99];
const kDefaultReadyPercent = 95;
const kCaptionPoints = 9;
const kInnerWidth = 533; // inside the two-pixel sunken border
const kInnerHeight = 381;

function stored(key: string): string | null {
  try {
    return window.localStorage.getItem(key);
  } catch {
    return null;
  }
}

function store(key: string, value: string): void {
  try {
    window.localStorage.setItem(key, value);
  } catch {
    // private mode: remembered for this page only
  }
}

// A share the menu does not offer falls back on the default.
function storedReadyPercent(): number {
  const percent = Number(stored(kReadyPercentKey));
  return kReadyPercents.includes(percent) ? percent : kDefaultReadyPercent;
}

interface Item { element: HTMLButtonElement; needsResult: boolean }

export class GraphView {
  readonly element = document.createElement('div');
  readonly menuButton = document.createElement('button');
  onChange: () => void = () => {};
  private readonly canvas = document.createElement('canvas');
  private readonly description = document.createElement('p');
  private readonly menu = document.createElement('div');
  private readonly items: Item[] = [];
  private exactShown = stored(kExactKey) === 'true';
  private exactItem!: HTMLButtonElement;
  private readyShown = stored(kReadyKey) === 'true';
  private readyPercent = storedReadyPercent();
  private readyItem!: HTMLButtonElement;
  private readonly shareItems = new Map<number, HTMLButtonElement>();
  private longPress: number | undefined;

  // unit: the scale of the window's design pixels on the page.
  constructor(private readonly session: Session, private readonly axisNumbers: string[], name: string,
    private readonly unit: () => number) {
    this.element.className = 'graph';
    this.element.tabIndex = 0;
    this.element.setAttribute('role', 'img');
    this.element.setAttribute('aria-label', name);
    this.description.id = 'graph-description';
    this.description.className = 'visually-hidden';
    this.element.setAttribute('aria-describedby', this.description.id);
    this.element.append(this.canvas, this.description);

    this.menuButton.type = 'button';
    this.menuButton.className = 'menu-button';
    this.menuButton.textContent = '☰';
    this.menuButton.setAttribute('aria-label', pageText('Graph menu'));
    this.menuButton.setAttribute('aria-haspopup', 'menu');
    this.menuButton.setAttribute('aria-expanded', 'false');
    this.menuButton.addEventListener('click', () => this.openMenu(this.menuButton));
    this.makeMenu();

    this.element.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.openMenu(this.element, event.offsetX, event.offsetY);
    });
    this.element.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse') return;
      const { offsetX, offsetY } = event;
      this.longPress = window.setTimeout(() => this.openMenu(this.element, offsetX, offsetY), 500);
    });
    for (const type of ['pointerup', 'pointercancel', 'pointerleave']) {
      this.element.addEventListener(type, () => window.clearTimeout(this.longPress));
    }
    this.element.addEventListener('keydown', (event) => {
      if ((event.shiftKey && event.key === 'F10') || event.key === 'ContextMenu') {
        event.preventDefault();
        this.openMenu(this.element);
      }
    });
    window.addEventListener('resize', () => this.paint());
    window.addEventListener('beforeprint', () => this.fillPrintSheet());
  }

  // The shortcuts of the menu, anywhere in the window.
  onKey(event: KeyboardEvent): void {
    const target = event.target as HTMLElement | null;
    if (target?.closest('[role="menu"]')) return;
    const ctrl = event.ctrlKey || event.metaKey;
    const key = event.key.toLowerCase();
    const has = this.session.hasResult();
    if (ctrl && key === 'c' && has && !window.getSelection()?.toString()) {
      event.preventDefault();
      void this.copyGraph();
    } else if (ctrl && key === 's') {
      event.preventDefault();
      if (has) void this.saveImage('png');
    } else if (ctrl && key === 'p') {
      event.preventDefault();
      if (has) this.print();
    } else if (!ctrl && !event.altKey && key === 't' && target?.tagName !== 'INPUT') {
      event.preventDefault();
      this.setExact(!this.exactShown);
    } else if (!ctrl && !event.altKey && key === 'k' && target?.tagName !== 'INPUT') {
      event.preventDefault();
      this.setReady(!this.readyShown);
    }
  }

  // The share of meetings whose coins to have ready are marked, or 0 while
  // they are not.
  readyPercentShown(): number {
    return this.readyShown ? this.readyPercent : 0;
  }

  describe(text: string): void {
    this.description.textContent = text;
    this.element.title = text;
  }

  // The area's font face and text colour, read from its style once: a read
  // after the page has changed makes the browser work its style out there
  // and then.
  private looks: { family: string; colour: string } | undefined;

  private style(): { family: string; colour: string } {
    if (!this.looks) {
      const style = getComputedStyle(this.element);
      this.looks = { family: style.fontFamily, colour: style.color };
    }
    return this.looks;
  }

  private font(scale: number): Font {
    return { family: this.style().family, pixels: ((kCaptionPoints * 96) / 72) * scale };
  }

  private readonly measuring = document.createElement('canvas').getContext('2d')!;

  // The texts measured in the page's font; the core places them.
  private scene(width: number, height: number, font: Font): CoreScene {
    const g = this.measuring;
    g.font = cssFont(font);
    const metrics = g.measureText('Mg');
    const ascent = metrics.fontBoundingBoxAscent || font.pixels * 0.88;
    const lineHeight = ascent + (metrics.fontBoundingBoxDescent || font.pixels * 0.12);
    const measured = (text: string) => ({ text, width: g.measureText(text).width });
    const has = this.session.hasResult();
    const ready = this.readyShown
      ? this.session.coinsToHaveReady().find((coins) => coins.percent === this.readyPercent) : undefined;
    return this.session.graph(width, height, {
      verticalCaption: measured(tr('coinwell::graph::GraphView', '（Vertical axis : Number of experiments）')),
      horizontalCaption: measured(tr('coinwell::graph::GraphView', '（Horizontal axis : Shortage）')),
      exactMean: measured(has ? tr('coinwell::graph', 'exact mean %1', this.session.exactMean(2)) : ''),
      numbers: this.axisNumbers.map((number) => g.measureText(number).width),
      lineHeight,
      ascent,
      ready: measured(ready ? tr('coinwell::graph', '%1 coins: enough in %2% of meetings', ready.run, ready.percent) : ''),
      exactReady: measured(ready ? tr('coinwell::graph', 'exact: %1 coins', ready.exact) : ''),
    }, this.exactShown, this.readyShown, this.readyPercent);
  }

  paint(): void {
    const scale = this.unit();
    const width = kInnerWidth * scale;
    const height = kInnerHeight * scale;
    const font = this.font(scale);
    if (this.canvas.style.width !== `${width}px` || this.canvas.style.height !== `${height}px`) {
      this.canvas.style.width = `${width}px`;
      this.canvas.style.height = `${height}px`;
    }
    paintCanvas(this.canvas, this.scene(width, height, font), { width, height }, font, window.devicePixelRatio || 1,
      this.style().colour);
    this.canvas.dataset.bars = String(this.session.hasResult() ? this.session.bins().filter((c) => c > 0).length : 0);
    this.canvas.dataset.exact = String(this.exactShown && this.session.hasResult());
    this.canvas.dataset.ready = String(this.readyShown && this.session.hasResult());
    this.updateItems();
  }

  // The graph on white, `width` pixels wide (twice its designed size unless
  // asked), its texts scaled with it, for files, print and the clipboard.
  private exportScene(width = 2 * kInnerWidth): { scene: CoreScene; size: { width: number; height: number }; font: Font } {
    const scale = width / kInnerWidth;
    const font = this.font(scale);
    const size = { width, height: Math.round(kInnerHeight * scale) };
    return { scene: this.scene(size.width, size.height, font), size, font };
  }

  private pngBlob(width?: number): Promise<Blob> {
    const { scene, size, font } = this.exportScene(width);
    const canvas = document.createElement('canvas');
    paintCanvas(canvas, scene, size, font, 1, '#000000', '#ffffff');
    return new Promise((resolve, reject) => canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('png'))), 'image/png'));
  }

  private baseName(): string {
    return `coinwell-${this.session.guests()}x${this.session.experiments()}`;
  }

  private async copyGraph(): Promise<void> {
    try {
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': this.pngBlob() })]);
    } catch {
      // the browser refused the clipboard; nothing changes
    }
  }

  private download(name: string, blob: Blob): void {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
  }

  // Asks for the width first, as the desktop does; Cancel saves nothing.
  private async saveImage(kind: 'png' | 'svg'): Promise<void> {
    const width = await askInteger(tr(GM, 'Width of the image in pixels:'), tr(GM, 'Save graph as image'),
      2 * kInnerWidth, 100, 10000);
    if (width === undefined) return;
    if (kind === 'png') {
      this.download(`${this.baseName()}.png`, await this.pngBlob(width));
    } else {
      const { scene, size, font } = this.exportScene(width);
      const svg = sceneSvg(scene, size, font, tr('coinwell::MainWindow', 'Frequency-distribution graph'));
      this.download(`${this.baseName()}.svg`, new Blob([svg], { type: 'image/svg+xml' }));
    }
  }

  private saveCsv(): void {
    this.download(`${this.baseName()}.csv`, new Blob([this.session.csv()], { type: 'text/csv' }));
  }

  private fillPrintSheet(): void {
    const sheet = document.getElementById('print-sheet');
    if (!sheet) return;
    sheet.replaceChildren();
    if (!this.session.hasResult()) return;
    const { scene, size, font } = this.exportScene();
    const image = document.createElement('img');
    image.alt = tr('coinwell::MainWindow', 'Frequency-distribution graph');
    image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(sceneSvg(scene, size, font, image.alt))}`;
    const caption = document.createElement('p');
    const s = this.session;
    let line = tr('coinwell::report', '%1 guests, %2 experiments, average shortage %3, exact mean %4',
      s.guests(), s.experiments(), s.average(), s.exactMean(2));
    if (s.seeded()) line += tr('coinwell::report', ', seed %1', s.seed());
    caption.textContent = `${line}, ${new Date().toLocaleString(document.documentElement.lang)}`;
    sheet.append(image, caption);
  }

  private print(): void {
    this.fillPrintSheet();
    window.print();
  }

  private setExact(shown: boolean): void {
    this.exactShown = shown;
    store(kExactKey, String(shown));
    this.paint();
  }

  // The description names the coins too, so the window hears of it.
  private setReady(shown: boolean, percent = this.readyPercent): void {
    this.readyShown = shown;
    this.readyPercent = percent;
    store(kReadyKey, String(shown));
    store(kReadyPercentKey, String(percent));
    this.paint();
    this.onChange();
  }

  private makeMenu(): void {
    this.menu.className = 'graph-menu';
    this.menu.setAttribute('role', 'menu');
    this.menu.setAttribute('aria-label', pageText('Graph menu'));
    this.menu.hidden = true;
    const add = (text: string, shortcut: string, needsResult: boolean, act: () => void,
      role: 'menuitem' | 'menuitemcheckbox' | 'menuitemradio' = 'menuitem') => {
      const element = document.createElement('button');
      element.type = 'button';
      element.setAttribute('role', role);
      element.tabIndex = -1;
      const label = document.createElement('span');
      label.textContent = text;
      const key = document.createElement('kbd');
      key.textContent = shortcut;
      element.append(label, key);
      if (shortcut) element.setAttribute('aria-keyshortcuts', shortcut.replace('Ctrl', 'Control'));
      element.addEventListener('click', () => {
        if (element.getAttribute('aria-disabled') === 'true') return;
        this.closeMenu();
        act();
      });
      this.menu.append(element);
      this.items.push({ element, needsResult });
      return element;
    };
    add(tr(GM, 'Copy graph'), 'Ctrl+C', true, () => void this.copyGraph());
    add(pageText('Save graph as PNG...'), 'Ctrl+S', true, () => void this.saveImage('png'));
    add(pageText('Save graph as SVG...'), '', true, () => void this.saveImage('svg'));
    add(tr(GM, 'Save results as CSV...'), '', true, () => this.saveCsv());
    add(tr(GM, 'Print...'), 'Ctrl+P', true, () => this.print());
    this.menu.append(Object.assign(document.createElement('div'), { className: 'separator', role: 'separator' }));
    this.exactItem = add(tr(GM, 'Show the exact distribution'), 'T', false, () => this.setExact(!this.exactShown),
      'menuitemcheckbox');
    this.readyItem = add(tr(GM, 'Show the coins to have ready'), 'K', false, () => this.setReady(!this.readyShown),
      'menuitemcheckbox');
    // The desktop's submenu of shares, here a group of its own under its
    // caption. Choosing a share, as there, leaves the coins shown or not.
    const caption = tr(GM, 'Share of meetings covered');
    const shares = Object.assign(document.createElement('div'), { className: 'menu-group', role: 'group' });
    shares.setAttribute('aria-label', caption);
    const heading = Object.assign(document.createElement('div'), { className: 'menu-caption', textContent: caption });
    heading.setAttribute('aria-hidden', 'true');
    this.menu.append(heading);
    for (const percent of kReadyPercents) {
      const item = add(tr(GM, '%1% of meetings', percent), '', false, () => this.setReady(this.readyShown, percent),
        'menuitemradio');
      shares.append(item);
      this.shareItems.set(percent, item);
    }
    this.menu.append(shares);
    this.menu.addEventListener('keydown', (event) => this.menuKey(event));
    this.menu.addEventListener('focusout', (event) => {
      if (!this.menu.contains(event.relatedTarget as Node | null)) this.closeMenu(false);
    });
  }

  private updateItems(): void {
    const has = this.session.hasResult();
    for (const item of this.items) item.element.setAttribute('aria-disabled', String(item.needsResult && !has));
    this.exactItem.setAttribute('aria-checked', String(this.exactShown));
    this.readyItem.setAttribute('aria-checked', String(this.readyShown));
    for (const [percent, item] of this.shareItems) item.setAttribute('aria-checked', String(percent === this.readyPercent));
  }

  private returnFocus: HTMLElement | undefined;

  private openMenu(from: HTMLElement, x?: number, y?: number): void {
    if (!this.menu.isConnected) this.element.parentElement?.append(this.menu);
    this.updateItems();
    this.returnFocus = from;
    const stage = this.element.parentElement!.getBoundingClientRect();
    const anchor = from.getBoundingClientRect();
    const left = anchor.left - stage.left + (x ?? anchor.width / 2);
    const top = anchor.top - stage.top + (y ?? anchor.height / 2);
    this.menu.hidden = false;
    const width = this.menu.offsetWidth;
    const height = this.menu.offsetHeight;
    this.menu.style.left = `${Math.max(0, Math.min(left, stage.width - width))}px`;
    this.menu.style.top = `${Math.max(0, Math.min(top, stage.height - height))}px`;
    this.menuButton.setAttribute('aria-expanded', 'true');
    this.items[0].element.focus();
  }

  private closeMenu(refocus = true): void {
    if (this.menu.hidden) return;
    this.menu.hidden = true;
    this.menuButton.setAttribute('aria-expanded', 'false');
    if (refocus) this.returnFocus?.focus();
  }

  private menuKey(event: KeyboardEvent): void {
    const elements = this.items.map((item) => item.element);
    const at = elements.indexOf(document.activeElement as HTMLButtonElement);
    const move = (step: number) => elements[(at + step + elements.length) % elements.length].focus();
    if (event.key === 'ArrowDown') move(1);
    else if (event.key === 'ArrowUp') move(-1);
    else if (event.key === 'Home') elements[0].focus();
    else if (event.key === 'End') elements[elements.length - 1].focus();
    else if (event.key === 'Escape' || event.key === 'Tab') this.closeMenu();
    else return;
    event.preventDefault();
    event.stopPropagation();
  }
}
