// Coinwell in the browser: the main window, the help view and the ended
// page, one at a time, over the same core as the desktop.
import './style.css';
import { loadCore, type CoreModule, type Message, type Placement, type Session, type WindowText } from './core';
import { askText, showNotice } from './dialogs';
import { moveFocus } from './focus';
import { CuePlayer } from './cues';
import { GraphCommands } from './graph_commands';
import { GraphExport } from './graph_export';
import { GraphView } from './graph_view';
import { restoreOptions } from './options_store';
import { chooseLanguage, helpLines, pageText, setLanguage, translate, verbatim } from './texts';

const app = document.getElementById('app') as HTMLElement;
const cues = new CuePlayer();
const pointsToPixels = (points: number) => (points * 96) / 72;
export const gothicFaces =
  "'ＭＳ Ｐゴシック', 'MS PGothic', 'IPAPGothic', 'Meiryo', 'Yu Gothic', 'Hiragino Kaku Gothic ProN', " +
  "'Hiragino Sans', 'Noto Sans CJK JP', sans-serif";

// Lays a view's controls out from a placement table, in pixels of the
// window's design scaled by --u (set to fit the viewport).
function place(element: HTMLElement, placement: Placement): void {
  element.dataset.control = placement.name;
  const s = element.style;
  s.left = `calc(var(--u) * ${placement.left}px)`;
  s.top = `calc(var(--u) * ${placement.top}px)`;
  s.width = `calc(var(--u) * ${placement.width}px)`;
  s.height = `calc(var(--u) * ${placement.height}px)`;
  if (placement.points > 0) {
    s.fontSize = `calc(var(--u) * ${pointsToPixels(placement.points)}px)`;
    s.fontWeight = placement.bold ? '700' : '400';
    s.fontFamily = gothicFaces;
  }
}

// A view of `width` x `height`, scaled to fit the viewport with whatever
// of its controls run past its right edge (`reach`: Init's last pixels).
function stage(width: number, height: number, label: string, reach = width): HTMLElement {
  app.replaceChildren();
  const view = document.createElement('div');
  view.className = 'stage';
  view.setAttribute('role', 'region');
  view.setAttribute('aria-label', label);
  view.style.width = `calc(var(--u) * ${width}px)`;
  view.style.height = `calc(var(--u) * ${height}px)`;
  view.style.marginRight = `calc(var(--u) * ${reach - width}px)`;
  app.append(view);
  fit = () => {
    // A hair under the exact fit, so that no rounding of the scaled
    // lengths puts Init's last pixel past the viewport.
    unit = Math.max(Math.floor(Math.min(window.innerWidth / reach, window.innerHeight / height) * 1000 - 1) / 1000, 0.1);
    document.documentElement.style.setProperty('--u', String(unit));
  };
  fit();
  refit = () => {};
  document.title = label;
  return view;
}

let fit = () => {};
// What a view fits to the size fit() gave it, after each fit.
let refit = () => {};
// The value fit() last gave --u, kept here so that painting never has to
// ask the page's style for it.
let unit = 1;
window.addEventListener('resize', () => { fit(); refit(); });

// The smallest text size, in CSS pixels, that the help text is shrunk to.
const readablePixels = 12;

// The help text at the largest size, up to its designed one, at which every
// line fits its box; where even the smallest readable size cannot fit (a
// phone), its lines wrap and the box scrolls instead.
function fitHelpText(text: HTMLElement, largest: number): void {
  const overflows = () => text.scrollWidth > text.clientWidth || text.scrollHeight > text.clientHeight;
  text.classList.remove('scrolls');
  text.style.fontSize = `${largest}px`;
  const ratio = Math.min(1, text.clientWidth / text.scrollWidth, text.clientHeight / text.scrollHeight);
  let size = Math.floor(largest * ratio * 4) / 4;
  text.style.fontSize = `${size}px`;
  while (size >= readablePixels && overflows()) {
    size -= 0.25;
    text.style.fontSize = `${size}px`;
  }
  if (size < readablePixels) {
    text.style.fontSize = `${readablePixels}px`;
    text.classList.add('scrolls');
  }
}

class Program {
  private keyHandler: ((event: KeyboardEvent) => void) | undefined;
  private readonly texts: Record<WindowText, Message>;

  // `notice`, if any, is said once, over the first main window, before its
  // first question.
  constructor(readonly core: CoreModule, readonly session: Session, private notice?: string) {
    this.texts = core.windowTexts();
    document.addEventListener('keydown', (event) => this.keyHandler?.(event));
    window.addEventListener('popstate', () => this.onBack?.());
  }

  onBack: (() => void) | undefined;

  // A text of the windows, translated.
  say(name: WindowText, ...args: (string | number)[]): string {
    return translate({ ...this.texts[name], args: args.map(verbatim) });
  }

  async sayNotice(): Promise<void> {
    const text = this.notice;
    this.notice = undefined;
    if (text) await showNotice(text, this.say('programName'));
  }

  listen(handler: ((event: KeyboardEvent) => void) | undefined): void {
    this.keyHandler = handler;
  }

  async endProgram(): Promise<void> {
    this.listen(undefined);
    await showNotice(this.say('exitNotice'), this.say('programName'));
    this.showEnded();
  }

  showEnded(): void {
    this.listen(undefined);
    const view = stage(this.core.mainWindowWidth, this.core.mainWindowHeight, this.say('mainWindowTitle'));
    view.classList.add('ended');
    const message = document.createElement('h1');
    message.textContent = pageText('Coinwell has ended.');
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = pageText('Start again');
    again.addEventListener('click', () => window.location.reload());
    view.append(message, again);
    moveFocus(again);
  }

  // first: the window's first questions, whose titles start with a blank.
  showMainWindow(first: boolean): void {
    new MainWindow(this).open(first);
  }

  showHelp(): void {
    new HelpView(this).open();
  }
}

class MainWindow {
  private leaving = false;
  private readonly controls = new Map<string, HTMLElement>();
  private graph!: GraphView;

  constructor(private readonly program: Program) {}

  private get core() { return this.program.core; }
  private get session() { return this.program.session; }
  private button(name: string) { return this.controls.get(name) as HTMLButtonElement; }

  open(first: boolean): void {
    this.session.clear();
    const placements = this.core.mainWindowPlacements();
    const reach = Math.max(this.core.mainWindowWidth, ...placements.map((p) => p.left + p.width));
    const view = stage(this.core.mainWindowWidth, this.core.mainWindowHeight, this.program.say('mainWindowTitle'), reach);
    view.classList.add('main-window');
    const clicks: Record<string, () => void> = {
      helpButton: () => this.showHelp(),
      initButton: () => void this.reinitialise(),
      exitButton: () => void this.exitProgram(),
      startButton: () => this.startRun(),
    };
    let commands!: GraphCommands;
    for (const placement of placements) {
      const name = placement.name;
      const words = placement.text ? translate(placement.text) : '';
      let element: HTMLElement;
      if (name === 'graphView') {
        this.graph = new GraphView(this.session, placement, this.program.say('graphName'), () => unit);
        commands = new GraphCommands(this.core, this.session, this.graph, new GraphExport(this.core, this.session, this.graph));
        element = this.graph.element;
      } else if (clicks[name]) {
        element = Object.assign(document.createElement('button'), { type: 'button', textContent: words });
        element.addEventListener('click', clicks[name]);
      } else if (name === 'topRule') {
        element = document.createElement('hr');
      } else {
        element = document.createElement(name === 'titleLabel' ? 'h1' : name.endsWith('Value') ? 'output' : 'div');
        element.className = name === 'titleLabel' ? 'label title' : 'label';
        element.textContent = words;
      }
      place(element, placement);
      this.controls.set(name, element);
    }
    // The menu button sits in the gap of the top row between the title and Help.
    const menuButton = commands.menuButton;
    place(menuButton, { name: 'graphMenuButton', left: 459, top: 0, width: 27, height: 25, points: 11.25, bold: false, text: null });
    // Tab order: Start, Exit, Init, the graph (and its menu button), Help.
    const order = ['startButton', 'exitButton', 'initButton', 'graphView'];
    view.append(...order.map((name) => this.controls.get(name)!), menuButton, this.controls.get('helpButton')!,
      ...[...this.controls.keys()].filter((name) => !order.includes(name) && name !== 'helpButton').map((name) => this.controls.get(name)!));
    this.graph.refresh();
    this.showValues();
    this.program.listen((event) => this.onKey(event, commands));
    moveFocus(this.button('startButton'));
    void this.program.sayNotice().then(() => this.askSettings(first));
  }

  private onKey(event: KeyboardEvent, commands: GraphCommands): void {
    if (document.querySelector('dialog[open]')) return;
    if (event.key === 'F1') {
      event.preventDefault();
      if (!this.button('helpButton').disabled) this.button('helpButton').click();
    } else if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'q') {
      event.preventDefault();
      if (!this.button('exitButton').disabled) this.button('exitButton').click();
    } else {
      commands.onKey(event);
    }
  }

  startRun(): void {
    const start = this.button('startButton');
    if (start.disabled || this.leaving) return;
    // Focus moves first, while the page's style is still as the last frame
    // left it; after the changes below it would make the browser work the
    // style and layout out once more before the frame does. The run is
    // synchronous, so no frame could show a busy pointer.
    moveFocus(this.button('initButton'));
    start.disabled = true;
    this.session.run();
    this.graph.refresh();
    this.showValues();
  }

  async reinitialise(): Promise<void> {
    cues.play('rising');
    this.button('startButton').disabled = false;
    this.session.clear();
    this.graph.refresh();
    this.showValues();
    await this.askSettings(false);
    if (!this.leaving) moveFocus(this.button('startButton'));
  }

  // The graph goes back to its histogram, its replay stopped.
  private leave(): void {
    this.leaving = true;
    this.session.showHistogram();
    this.graph.refresh();
  }

  showHelp(): void {
    cues.play('rising');
    this.leave();
    this.program.showHelp();
  }

  async exitProgram(): Promise<void> {
    cues.play('falling');
    this.leave();
    await this.program.endProgram();
  }

  private async askSettings(first: boolean): Promise<void> {
    const say = (name: WindowText) => this.program.say(name);
    const guests = await this.askCount(say(first ? 'firstGuestsTitle' : 'guestsTitle'), this.core.guestLowest,
      this.core.guestHighest, (entry) => this.core.acceptedGuests(entry));
    if (guests === undefined) return;
    this.session.setGuests(guests);
    this.showValues();
    cues.readAhead();
    const experiments = await this.askCount(say(first ? 'firstExperimentsTitle' : 'experimentsTitle'),
      this.core.experimentLowest, this.core.experimentHighest, (entry) => this.core.acceptedExperiments(entry));
    if (experiments === undefined) return;
    this.session.setExperiments(experiments);
    this.showValues();
  }

  // Asks until the entry is accepted, each time from the default again. An
  // empty entry, Cancel or Escape ends the program instead.
  private async askCount(title: string, lowest: number, highest: number,
    accept: (entry: string) => number): Promise<number | undefined> {
    const prompt = this.program.say('countPrompt', lowest, highest);
    for (;;) {
      const entry = await askText(prompt, title, '100');
      if (entry === '') {
        this.leaving = true;
        await this.program.endProgram();
        return undefined;
      }
      const count = accept(entry);
      if (count >= 0) return count;
    }
  }

  // The values, each named with its caption for screen readers.
  private showValues(): void {
    const count = (value: number) => (value > 0 ? String(value) : '');
    this.showValue('guestCountValue', 'guestCountCaption', count(this.session.guests()));
    this.showValue('experimentCountValue', 'experimentCountCaption', count(this.session.experiments()));
    this.showValue('averageValue', 'averageCaption', this.session.average());
  }

  private showValue(valueName: string, captionName: string, text: string): void {
    const value = this.controls.get(valueName)!;
    const caption = this.controls.get(captionName)!.textContent ?? '';
    value.textContent = text;
    value.setAttribute('aria-label', text === '' ? caption : this.program.say('namedValue', caption, text));
  }
}

class HelpView {
  constructor(private readonly program: Program) {}

  open(): void {
    const core = this.program.core;
    const view = stage(core.helpWindowWidth, core.helpWindowHeight, this.program.say('helpWindowTitle'));
    view.classList.add('help-window');
    const close = document.createElement('button');
    close.type = 'button';
    const text = document.createElement('pre');
    text.className = 'help-text';
    text.tabIndex = 0;
    text.setAttribute('role', 'document');
    text.setAttribute('aria-label', this.program.say('helpTextName'));
    text.textContent = ['', ...helpLines()].join('\n');
    const rule = document.createElement('hr');
    const byName: Record<string, HTMLElement> = { helpText: text, closeButton: close, topRule: rule };
    let textPixels = 0;
    for (const placement of core.helpWindowPlacements()) {
      const element = byName[placement.name];
      place(element, placement);
      if (placement.text) element.textContent = translate(placement.text);
      if (placement.name === 'helpText') textPixels = pointsToPixels(placement.points);
    }
    const heading = document.createElement('h1');
    heading.className = 'visually-hidden';
    heading.textContent = document.title;
    view.append(heading, close, text, rule);
    refit = () => fitHelpText(text, unit * textPixels);
    refit();
    void document.fonts.ready.then(() => refit());
    moveFocus(close);

    // Close, Escape and the browser's Back all go back the one way: the
    // history entry this view added is taken away, and the main window
    // opens afresh.
    history.pushState({ view: 'help' }, '');
    let closed = false;
    const back = () => {
      if (closed) return;
      closed = true;
      this.program.onBack = undefined;
      this.program.listen(undefined);
      this.program.showMainWindow(true);
    };
    this.program.onBack = back;
    close.addEventListener('click', () => history.back());
    this.program.listen((event) => {
      if (event.key === 'Escape') {
        // The same key must not reach the question the main window opens.
        event.preventDefault();
        event.stopPropagation();
        history.back();
      }
    });
  }
}

async function start(): Promise<void> {
  setLanguage(chooseLanguage(window.location.search, navigator.languages));
  const core = await loadCore();
  const session = new core.Session(new URLSearchParams(window.location.search).get('seed') ?? '');
  restoreOptions(core, session);
  // A seed the page cannot use is said at once: the class would otherwise
  // take runs that follow the time of day for a shared, seeded one.
  const refused = session.refusedSeed()
    ? pageText('The seed in the address, "%1", is not a whole number from 0 to %2: the runs follow the time of day instead.',
      session.refusedSeed(), core.seedHighest())
    : undefined;
  const program = new Program(core, session, refused);
  program.showMainWindow(true);
  if ('serviceWorker' in navigator && window.location.protocol !== 'file:') {
    navigator.serviceWorker.register('./sw.js').catch(() => undefined);
  }
}

void start();
