// The help window on the page: its text at the largest size that fits, and
// Close, Escape and the browser's Back leading back to the main window.
import type { Program } from './main';
import { moveFocus } from './focus';
import { translate } from './texts';
import { onFit, place, pointsToPixels, scale, stage } from './stage';

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


export class HelpView {
  constructor(private readonly program: Program) {}

  open(): void {
    const core = this.program.core;
    const view = stage(core.helpWindowWidth, core.helpWindowHeight, this.program.say('helpWindowTitle'));
    view.classList.add('help-window');
    const close = Object.assign(document.createElement('button'), { type: 'button' });
    const text = Object.assign(document.createElement('pre'), { className: 'help-text', tabIndex: 0, role: 'document',
      ariaLabel: this.program.say('helpTextName'), textContent: `\n${this.program.say('helpText')}` });
    const rule = document.createElement('hr');
    const byName: Record<string, HTMLElement> = { helpText: text, closeButton: close, topRule: rule };
    let textPixels = 0;
    for (const placement of core.helpWindowPlacements()) {
      const element = byName[placement.name];
      place(element, placement);
      if (placement.text) element.textContent = translate(placement.text);
      if (placement.name === 'helpText') textPixels = pointsToPixels(placement.points);
    }
    const heading = Object.assign(document.createElement('h1'), { className: 'visually-hidden', textContent: document.title });
    view.append(heading, close, text, rule);
    const refit = () => fitHelpText(text, scale() * textPixels);
    onFit(refit);
    void document.fonts.ready.then(refit);
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
