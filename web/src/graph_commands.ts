// The graph area's commands, from the core's one table: its menu (right
// click, long press, Shift+F10, the Menu key or the menu button) and its
// keys anywhere in the window. The session carries a command out; what it
// leaves to the page (copying, saving, printing) the export does.
import { kReplay, kRunningAverage, type CommandRow, type CoreModule, type Question, type Session } from './core';
import { askInteger, askLines, showNotice } from './dialogs';
import { moveFocus } from './focus';
import type { GraphExport } from './graph_export';
import { GraphMenu } from './graph_menu';
import type { GraphView } from './graph_view';
import { matches, withCtrl } from './keys';
import { storeOptions } from './options_store';
import { translate } from './texts';

// The page's own part of the commands the session leaves to it.
const kOwn: Record<string, (file: GraphExport, command: number) => void> = {
  copyGraph: (file) => void file.copy(),
  saveGraphPng: (file, command) => void file.save('png', command),
  saveGraphSvg: (file, command) => void file.save('svg', command),
  saveResultsCsv: (file, command) => file.saveCsv(command),
  printGraph: (file) => file.print(),
  printTallySheet: (file) => file.printTallySheet(),
};

// After these a replay standing still is told aloud: where it is, and what it shows.
const kTold = new Set(['replayPause', 'replayNextGuest', 'replayWholeMeeting', 'replayMirror', 'replayMirrorRaise',
  'replayMirrorLower']);

export class GraphCommands {
  private readonly rows: CommandRow[];
  private readonly menu: GraphMenu;
  readonly menuButton: HTMLButtonElement;
  private longPress: number | undefined;

  constructor(private readonly core: CoreModule, private readonly session: Session, private readonly graph: GraphView,
    private readonly file: GraphExport) {
    this.rows = core.commands();
    const texts = core.windowTexts();
    this.menu = new GraphMenu(translate(texts.graphMenuName), this.rows,
      ['', translate(texts.sharesCaption), translate(texts.replayCaption)], session, (row) => this.run(row));
    this.menuButton = this.menu.button;
    const element = graph.element;
    const open = (from: HTMLElement, x?: number, y?: number) => this.menu.open(element, from, x, y);
    this.menuButton.addEventListener('click', () => open(this.menuButton));
    element.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      open(element, event.offsetX, event.offsetY);
    });
    element.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse') return;
      const { offsetX, offsetY } = event;
      this.longPress = window.setTimeout(() => open(element, offsetX, offsetY), 500);
    });
    for (const type of ['pointerup', 'pointercancel', 'pointerleave']) {
      element.addEventListener(type, () => window.clearTimeout(this.longPress));
    }
    element.addEventListener('keydown', (event) => {
      if ((event.shiftKey && event.key === 'F10') || event.key === 'ContextMenu') {
        event.preventDefault();
        open(element);
      }
    });
  }

  // A command's key pressed anywhere in the window. Plain keys are the
  // field's while typing, and the menu's while it is open; Space presses a
  // focused button, and is the replay's only on the graph; Ctrl+C copies
  // the text selected, if any.
  onKey(event: KeyboardEvent): void {
    const target = event.target instanceof HTMLElement ? event.target : null;
    const typing = target?.tagName === 'INPUT' || Boolean(target?.closest('[role="menu"]'));
    for (const row of this.rows) {
      const key = row.keys.find((k) => matches(event, k));
      if (!key) continue;
      const ctrl = withCtrl(key);
      if ((typing && !ctrl) || (row.graphKey && target !== this.graph.element)) return;
      if (row.name === 'copyGraph' && window.getSelection()?.toString()) return;
      const enabled = this.session.enabled(row.command);
      // The browser's own Save and Print stay away even with nothing to save.
      if (enabled || ctrl) event.preventDefault();
      if (enabled) this.run(row);
      return;
    }
  }

  private run(row: CommandRow): void {
    if (!this.session.enabled(row.command)) return;
    if (!this.session.trigger(row.command)) {
      const question = this.session.question(row.command);
      if (question) void this.ask(row.command, question);
      else kOwn[row.name]?.(this.file, row.command);
      return;
    }
    storeOptions(this.core, this.session);
    this.graph.refresh(kTold.has(row.name));
    // Space then plays and pauses there rather than pressing a button.
    if ((row.name === 'replay' && this.session.view() === kReplay) ||
      (row.name === 'runningAverage' && this.session.view() === kRunningAverage)) moveFocus(this.graph.element);
  }

  // Asks for the number, as the width of an image is asked, or for lines,
  // asked again with what was typed after the message of what is wrong in
  // them; Cancel changes nothing.
  private async ask(command: number, question: Question): Promise<void> {
    const [prompt, title] = [translate(question.prompt), translate(question.title)];
    if (!question.lines) {
      const value = await askInteger(prompt, title, question.value, question.lowest, question.highest);
      if (value === undefined || !this.session.answer(command, value)) return;
      storeOptions(this.core, this.session);
    } else {
      let text = question.text;
      for (;;) {
        const typed = await askLines(prompt, title, text);
        if (typed === undefined) return;
        const wrong = this.session.answerText(command, typed);
        if (!wrong) break;
        await showNotice(translate(wrong), title);
        text = typed;
      }
    }
    this.graph.refresh();
  }
}
