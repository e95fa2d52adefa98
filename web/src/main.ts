// Coinwell in the browser: the main window, the help view and the ended
// page, one at a time, over the same core as the desktop.
import './style.css';
import { loadCore, type CoreModule, type Message, type Session, type WindowText } from './core';
import { showNotice } from './dialogs';
import { moveFocus } from './focus';
import { HelpView } from './help_view';
import { MainWindow } from './main_window';
import { restoreOptions } from './options_store';
import { stage } from './stage';
import { chooseLanguage, pageText, setLanguage, translate, verbatim } from './texts';

export class Program {
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
    const message = Object.assign(document.createElement('h1'), { textContent: pageText('Coinwell has ended.') });
    const again = Object.assign(document.createElement('button'), { type: 'button', textContent: pageText('Start again') });
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

// A browser that cannot load the core, its file blocked or lost on the
// way, says so and offers to try again, rather than staying blank.
function showFailure(): void {
  const failed = Object.assign(document.createElement('div'), { className: 'failed', role: 'alert' });
  const again = Object.assign(document.createElement('button'), { type: 'button', textContent: pageText('Start again') });
  again.addEventListener('click', () => window.location.reload());
  failed.append(Object.assign(document.createElement('p'), {
    textContent: pageText('Coinwell could not start: this browser did not load its simulation. Check the connection, then start again.'),
  }), again);
  document.getElementById('app')!.replaceChildren(failed);
  again.focus();
}

start().catch(showFailure);
