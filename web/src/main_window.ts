// The main window on the page: its controls from the core's placement
// table, the questions, Start, Init, Exit and Help, and the graph area.
import type { Program } from './main';
import type { WindowText } from './core';
import { askText } from './dialogs';
import { CuePlayer } from './cues';
import { moveFocus } from './focus';
import { GraphCommands } from './graph_commands';
import { GraphExport } from './graph_export';
import { GraphView } from './graph_view';
import { place, scale, stage } from './stage';
import { translate } from './texts';

const cues = new CuePlayer();

export class MainWindow {
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
        this.graph = new GraphView(this.session, placement, this.program.say('graphName'), scale);
        commands = new GraphCommands(this.core, this.session, this.graph, new GraphExport(this.core, this.session, this.graph));
        element = this.graph.element;
      } else if (name === 'graphMenuButton') {
        element = Object.assign(commands.menuButton, { textContent: words });
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
    // Tab order: Start, Exit, Init, the graph, its menu button, Help.
    const order = ['startButton', 'exitButton', 'initButton', 'graphView', 'graphMenuButton', 'helpButton'];
    view.append(...order.map((name) => this.controls.get(name)!),
      ...[...this.controls.keys()].filter((name) => !order.includes(name)).map((name) => this.controls.get(name)!));
    this.graph.refresh();
    this.showValues();
    this.program.listen((event) => this.onKey(event, commands));
    moveFocus(this.button('startButton'));
    void this.program.sayNotice().then(() => this.askSettings(first));
  }

  // F1 and Ctrl+Q press Help and Exit, if enabled; the graph's keys go to its commands.
  private onKey(event: KeyboardEvent, commands: GraphCommands): void {
    if (document.querySelector('dialog[open]')) return;
    const name = event.key === 'F1' ? 'helpButton'
      : (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'q' ? 'exitButton' : undefined;
    if (!name) return commands.onKey(event);
    event.preventDefault();
    if (!this.button(name).disabled) this.button(name).click();
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
    for (const [name, text] of Object.entries(this.session.values())) {
      const value = this.controls.get(`${name}Value`)!;
      const caption = this.controls.get(`${name}Caption`)!.textContent ?? '';
      value.textContent = text;
      value.setAttribute('aria-label', text === '' ? caption : this.program.say('namedValue', caption, text));
    }
  }
}
