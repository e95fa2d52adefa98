// The graph area: one of three views painted on a canvas at the screen's
// pixel ratio (the histogram of the run, one meeting replayed, the
// square-root law), its description for screen readers, and its menu
// (right click, long press, Shift+F10, the Menu key or the menu button).
import type { CoreDrawing, CoreScene, Session } from './core';
import { askInteger } from './dialogs';
import { drawingSvg, paintDrawingCanvas } from './drawing_paint';
import { moveFocus } from './focus';
import { GraphMenu, type MenuEntry } from './graph_menu';
import { paintCanvas, sceneSvg } from './graph_scene';
import { ReplayPlayer, type ReplayAction } from './replay_player';
import { squareRootView } from './square_root_view';
import { cssFont, svgDocument, type Font, type TextLook } from './surface';
import { pageText, tr } from './texts';

const GM = 'coinwell::graph::GraphMenu';
const kExactKey = 'coinwell.showExactDistribution';
const kReadyKey = 'coinwell.showCoinsReady';
const kReadyPercentKey = 'coinwell.coinsReadyPercent';
const kCoverageKey = 'coinwell.showCoverageCurve';
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

type View = 'histogram' | 'replay' | 'squareRoot';
type Look = TextLook & { digitWidth: number };
// What a view paints: the histogram's scene, or another view's drawing.
type Picture = { scene: CoreScene } | { drawing: CoreDrawing };

// The replay's keys, as the menu shows them and as KeyboardEvent.key names them.
const kReplayKeys: [ReplayAction, string, string, string[]][] = [
  ['pause', 'Pause or play on', 'Space', [' ']],
  ['step', 'Next guest', '→', ['ArrowRight']],
  ['faster', 'Faster', '+', ['+', '=', 'ArrowUp']],
  ['slower', 'Slower', '-', ['-', 'ArrowDown']],
  ['finish', 'Whole meeting', 'End', ['End']],
  ['mirror', 'Mirror at the coins to have ready', 'M', ['m', 'M']],
];
const kAriaKeys: Record<string, string> = { Space: 'Space', '→': 'ArrowRight', '+': 'ArrowUp', '-': 'ArrowDown' };

export class GraphView {
  readonly element = document.createElement('div');
  private readonly menu = new GraphMenu(pageText('Graph menu'));
  readonly menuButton = this.menu.button;
  onChange: () => void = () => {};
  // The number of guests given so far, 0 before it is.
  guestsGiven: () => number = () => 0;
  private readonly canvas = document.createElement('canvas');
  private readonly description = document.createElement('p');
  private readonly spoken = document.createElement('p');
  private exactShown = stored(kExactKey) === 'true';
  private readyShown = stored(kReadyKey) === 'true';
  private readyPercent = storedReadyPercent();
  private coverageShown = stored(kCoverageKey) === 'true';
  private view: View = 'histogram';
  private player: ReplayPlayer | undefined;
  private histogramText = '';
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
    this.spoken.className = 'visually-hidden';
    this.spoken.setAttribute('aria-live', 'polite');
    this.element.setAttribute('aria-describedby', this.description.id);
    this.element.append(this.canvas, this.description, this.spoken);
    this.menuButton.addEventListener('click', () => this.menu.open(this.element, this.menuButton));
    this.makeMenu();

    this.element.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.menu.open(this.element, this.element, event.offsetX, event.offsetY);
    });
    this.element.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse') return;
      const { offsetX, offsetY } = event;
      this.longPress = window.setTimeout(() => this.menu.open(this.element, this.element, offsetX, offsetY), 500);
    });
    for (const type of ['pointerup', 'pointercancel', 'pointerleave']) {
      this.element.addEventListener(type, () => window.clearTimeout(this.longPress));
    }
    this.element.addEventListener('keydown', (event) => {
      if ((event.shiftKey && event.key === 'F10') || event.key === 'ContextMenu') {
        event.preventDefault();
        this.menu.open(this.element, this.element);
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
    const shown = this.hasPicture();
    if (ctrl && key === 'c' && shown && !window.getSelection()?.toString()) {
      event.preventDefault();
      void this.copyGraph();
      return;
    } else if (ctrl && key === 's') {
      event.preventDefault();
      if (shown) void this.saveImage('png');
      return;
    } else if (ctrl && key === 'p') {
      event.preventDefault();
      if (shown) this.print();
      return;
    }
    if (ctrl || event.altKey || target?.tagName === 'INPUT') return;
    const plain: Record<string, () => void> = {
      t: () => this.setExact(!this.exactShown),
      k: () => this.setReady(!this.readyShown),
      c: () => this.setCoverage(!this.coverageShown),
      w: () => (this.view === 'replay' ? this.showHistogram() : this.startReplay()),
      g: () => this.show(this.view === 'squareRoot' ? 'histogram' : 'squareRoot'),
      escape: () => this.showHistogram(),
    };
    const replayAction = this.player && kReplayKeys.find(([, , , keys]) => keys.includes(event.key))?.[0];
    // Space presses a focused button; the replay takes it only from the graph.
    if (replayAction === 'pause' && target !== this.element) return;
    if (replayAction) {
      event.preventDefault();
      this.player!.act(replayAction);
    } else if (plain[key] && (key !== 'escape' || this.view !== 'histogram')) {
      event.preventDefault();
      plain[key]();
    }
  }

  // The share of meetings whose coins to have ready are marked, or 0 while
  // they are not.
  readyPercentShown(): number {
    return this.readyShown ? this.readyPercent : 0;
  }

  coverageCurveShown(): boolean {
    return this.coverageShown;
  }

  // The histogram's description; the other views tell their own.
  describe(text: string): void {
    this.histogramText = text;
    if (this.view === 'histogram') this.tell(text);
  }

  // Back to the histogram, the replay's meeting done with: also what Start,
  // Init and leaving the window do.
  showHistogram(): void {
    this.show('histogram');
  }

  private tell(text: string): void {
    this.description.textContent = text;
    this.element.title = text;
  }

  private show(view: View): void {
    if (view !== 'replay') {
      this.player?.end();
      this.player = undefined;
      this.spoken.textContent = '';
    }
    this.view = view;
    this.paint();
    if (view === 'histogram') this.tell(this.histogramText);
  }

  private startReplay(): void {
    const guests = this.guestsGiven();
    if (guests <= 0) return;
    this.show('histogram');
    this.player = new ReplayPlayer(this.session.meeting(guests), () => this.readyPercent, () => this.paint(),
      (text, aloud) => {
        if (aloud) this.spoken.textContent = text;
        this.tell(text);
      });
    this.view = 'replay';
    this.tell(this.player.told());
    // Space then plays and pauses here rather than pressing a button.
    moveFocus(this.element);
    this.player.play();
    this.paint();
  }

  // Something to copy, save or print: a run's histogram, or another view.
  private hasPicture(): boolean {
    return this.view !== 'histogram' || this.session.hasResult();
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

  private look(font: Font, colour: string): Look {
    const g = this.measuring;
    g.font = cssFont(font);
    const metrics = g.measureText('Mg');
    const ascent = metrics.fontBoundingBoxAscent || font.pixels * 0.88;
    const lineHeight = ascent + (metrics.fontBoundingBoxDescent || font.pixels * 0.12);
    return { font, colour, ascent, lineHeight, digitWidth: g.measureText('0').width };
  }

  private measure(look: Look): (text: string) => number {
    const g = this.measuring;
    g.font = cssFont(look.font);
    return (text) => g.measureText(text).width;
  }

  // The view shown, its texts measured in the page's font; the core places them.
  private picture(width: number, height: number, look: Look): Picture {
    const chart = { lineHeight: look.lineHeight, digitWidth: look.digitWidth };
    if (this.view === 'replay' && this.player) {
      return { drawing: this.player.drawing(width, height, {
        ...chart, verticalCaption: tr('coinwell::graph', 'Coin balance'), horizontalCaption: tr('coinwell::graph', 'Guests in order') }) };
    }
    if (this.view === 'squareRoot') {
      const law = squareRootView(this.session, width, height, chart, this.readyPercent);
      this.tell(law.told);
      return { drawing: law.drawing };
    }
    const measured = this.measure(look);
    const text = (text: string) => ({ text, width: measured(text) });
    const has = this.session.hasResult();
    const ready = this.readyShown
      ? this.session.coinsToHaveReady().find((coins) => coins.percent === this.readyPercent) : undefined;
    return { scene: this.session.graph(width, height, {
      verticalCaption: text(tr('coinwell::graph::GraphView', '（Vertical axis : Number of experiments）')),
      horizontalCaption: text(tr('coinwell::graph::GraphView', '（Horizontal axis : Shortage）')),
      exactMean: text(has ? tr('coinwell::graph', 'exact mean %1', this.session.exactMean(2)) : ''),
      numbers: this.axisNumbers.map(measured),
      lineHeight: look.lineHeight,
      ascent: look.ascent,
      ready: text(!ready ? '' : ready.run === 1 ? tr('coinwell::graph', '1 coin: enough in %1% of meetings', ready.percent)
        : tr('coinwell::graph', '%1 coins: enough in %2% of meetings', ready.run, ready.percent)),
      exactReady: text(!ready ? '' : ready.exact === 1 ? tr('coinwell::graph', 'exact: 1 coin')
        : tr('coinwell::graph', 'exact: %1 coins', ready.exact)),
      coverageTop: tr(GM, '%1% of meetings', 100),
      digitWidth: look.digitWidth,
    }, this.exactShown, this.readyShown, this.readyPercent, this.coverageShown) };
  }

  private paintOn(canvas: HTMLCanvasElement, picture: Picture, size: { width: number; height: number }, look: Look,
    ratio: number, ground?: string): void {
    if ('scene' in picture) paintCanvas(canvas, picture.scene, size, look, ratio, ground);
    else paintDrawingCanvas(canvas, picture.drawing, size, look, ratio, ground);
  }

  paint(): void {
    const scale = this.unit();
    const width = kInnerWidth * scale;
    const height = kInnerHeight * scale;
    const look = this.look(this.font(scale), this.style().colour);
    if (this.canvas.style.width !== `${width}px` || this.canvas.style.height !== `${height}px`) {
      this.canvas.style.width = `${width}px`;
      this.canvas.style.height = `${height}px`;
    }
    this.paintOn(this.canvas, this.picture(width, height, look), { width, height }, look, window.devicePixelRatio || 1);
    const has = this.session.hasResult();
    const data = this.canvas.dataset;
    data.view = this.view;
    data.bars = String(has && this.view === 'histogram' ? this.session.bins().filter((c) => c > 0).length : 0);
    data.exact = String(this.exactShown && has);
    data.ready = String(this.readyShown && has);
    data.coverage = String(this.coverageShown && has);
    this.menu.update();
  }

  // The view on white, `width` pixels wide (twice its designed size unless
  // asked), its texts scaled with it, for files, print and the clipboard.
  private exportPicture(width = 2 * kInnerWidth): { picture: Picture; size: { width: number; height: number }; look: Look } {
    const scale = width / kInnerWidth;
    const look = this.look(this.font(scale), '#000000');
    const size = { width, height: Math.round(kInnerHeight * scale) };
    return { picture: this.picture(size.width, size.height, look), size, look };
  }

  private pngBlob(width?: number): Promise<Blob> {
    const { picture, size, look } = this.exportPicture(width);
    const canvas = document.createElement('canvas');
    this.paintOn(canvas, picture, size, look, 1, '#ffffff');
    return new Promise((resolve, reject) => canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('png'))), 'image/png'));
  }

  private svg(width?: number): string {
    const { picture, size, look } = this.exportPicture(width);
    const title = tr('coinwell::MainWindow', 'Frequency-distribution graph');
    return 'scene' in picture ? sceneSvg(picture.scene, size, look, title, this.measure(look))
      : svgDocument(size, title, drawingSvg(picture.drawing, look, this.measure(look)));
  }

  private baseName(): string {
    if (this.view === 'replay') return `coinwell-replay-${this.player?.guests()}`;
    if (this.view === 'squareRoot') return 'coinwell-square-root';
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
    if (kind === 'png') this.download(`${this.baseName()}.png`, await this.pngBlob(width));
    else this.download(`${this.baseName()}.svg`, new Blob([this.svg(width)], { type: 'image/svg+xml' }));
  }

  private saveCsv(): void {
    this.download(`${this.baseName()}.csv`, new Blob([this.session.csv()], { type: 'text/csv' }));
  }

  private fillPrintSheet(): void {
    const sheet = document.getElementById('print-sheet');
    if (!sheet) return;
    sheet.replaceChildren();
    if (!this.hasPicture()) return;
    const image = document.createElement('img');
    image.alt = tr('coinwell::MainWindow', 'Frequency-distribution graph');
    image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(this.svg())}`;
    const caption = document.createElement('p');
    const s = this.session;
    let line = this.description.textContent ?? '';
    if (this.view === 'histogram') {
      line = tr('coinwell::report', '%1 guests, %2 experiments, average shortage %3, exact mean %4',
        s.guests(), s.experiments(), s.average(), s.exactMean(2));
      if (s.seeded()) line += tr('coinwell::report', ', seed %1', s.seed());
      else if (s.refusedSeed()) line += pageText(', the time of day instead of the seed "%1"', s.refusedSeed());
    }
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
    this.show('histogram');
  }

  private setCoverage(shown: boolean): void {
    this.coverageShown = shown;
    store(kCoverageKey, String(shown));
    this.show('histogram');
    this.onChange();
  }

  // The description names the coins too, so the window hears of it. A
  // share chosen keeps the view, whose curves or mirror it moves.
  private setReady(shown: boolean, percent = this.readyPercent, view: View = 'histogram'): void {
    this.readyShown = shown;
    this.readyPercent = percent;
    store(kReadyKey, String(shown));
    store(kReadyPercentKey, String(percent));
    this.show(view);
    this.onChange();
  }

  private makeMenu(): void {
    const menu = this.menu;
    const has = () => this.session.hasResult();
    const shown = () => this.hasPicture();
    const checkbox = (entry: MenuEntry): MenuEntry => ({ role: 'menuitemcheckbox', ...entry });
    menu.add({ text: tr(GM, 'Copy graph'), shortcut: 'Ctrl+C', enabled: shown, act: () => void this.copyGraph() });
    menu.add({ text: pageText('Save graph as PNG...'), shortcut: 'Ctrl+S', enabled: shown, act: () => void this.saveImage('png') });
    menu.add({ text: pageText('Save graph as SVG...'), enabled: shown, act: () => void this.saveImage('svg') });
    menu.add({ text: tr(GM, 'Save results as CSV...'), enabled: has, act: () => this.saveCsv() });
    menu.add({ text: tr(GM, 'Print...'), shortcut: 'Ctrl+P', enabled: shown, act: () => this.print() });
    menu.separator();
    menu.add(checkbox({ text: tr(GM, 'Show the exact distribution'), shortcut: 'T', checked: () => this.exactShown,
      act: () => this.setExact(!this.exactShown) }));
    menu.add(checkbox({ text: tr(GM, 'Show the coins to have ready'), shortcut: 'K', checked: () => this.readyShown,
      act: () => this.setReady(!this.readyShown) }));
    menu.add(checkbox({ text: tr(GM, 'Show the coverage curve'), shortcut: 'C', checked: () => this.coverageShown,
      act: () => this.setCoverage(!this.coverageShown) }));
    // Choosing a share, as on the desktop, leaves the coins shown or not.
    menu.group(tr(GM, 'Share of meetings covered'), kReadyPercents.map((percent) => ({
      text: tr(GM, '%1% of meetings', percent), role: 'menuitemradio', checked: () => percent === this.readyPercent,
      act: () => this.setReady(this.readyShown, percent, this.view),
    })));
    menu.separator();
    menu.add(checkbox({ text: tr(GM, 'Show the square-root law'), shortcut: 'G', checked: () => this.view === 'squareRoot',
      act: () => this.show(this.view === 'squareRoot' ? 'histogram' : 'squareRoot') }));
    menu.add(checkbox({ text: tr(GM, 'Replay one meeting'), shortcut: 'W', checked: () => this.view === 'replay',
      enabled: () => this.guestsGiven() > 0, act: () => (this.view === 'replay' ? this.showHistogram() : this.startReplay()) }));
    const replaying = () => this.view === 'replay';
    menu.group(tr(GM, 'Replay'), [
      ...kReplayKeys.map(([action, text, shortcut]): MenuEntry => ({
        text: tr(GM, text), shortcut, keys: kAriaKeys[shortcut], enabled: replaying,
        ...(action === 'mirror' ? { role: 'menuitemcheckbox', checked: () => this.player?.mirrored ?? false } : {}),
        act: () => this.player?.act(action),
      })),
      { text: tr(GM, 'Back to the histogram'), shortcut: 'Esc', keys: 'Escape', enabled: () => this.view !== 'histogram',
        act: () => this.showHistogram() },
    ]);
  }
}
