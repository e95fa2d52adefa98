// The modal questions and the notice, as <dialog>s around a form: OK, or
// Return in the field, submits it once the browser's own checks of the
// field pass (a number's range and step, and that it is given), and Cancel
// (which skips them) and Escape close it unanswered. The promise settles
// as the dialog closes, so that what follows opens before another key
// could reach the window behind.
import { moveFocus } from './focus';
import { pageText } from './texts';

// The dialog's answer: the value of the button that submitted it, or ''.
function show(kind: 'question' | 'notice', title: string, content: HTMLElement[], buttons: Record<string, string>,
  focus: (first: HTMLButtonElement) => void): Promise<string> {
  const dialog = document.createElement('dialog');
  dialog.className = `box ${kind}`;
  dialog.setAttribute('aria-labelledby', `${kind}-title`);
  if (kind === 'notice') dialog.setAttribute('aria-describedby', content[0].id);
  const form = Object.assign(document.createElement('form'), { method: 'dialog', className: 'box-body' });
  const row = Object.assign(document.createElement('div'), { className: 'box-buttons' });
  row.append(...Object.entries(buttons).map(([value, textContent]) =>
    Object.assign(document.createElement('button'), { value, textContent, formNoValidate: value === 'cancel' })));
  form.append(...content, row);
  const heading = Object.assign(document.createElement('h2'), { className: 'box-title', id: `${kind}-title` });
  heading.textContent = title;
  dialog.append(heading, form);
  document.body.append(dialog);
  return new Promise((resolve) => {
    const settle = (event: Event, answer: string) => {
      event.preventDefault();
      dialog.close();
      dialog.remove();
      resolve(answer);
    };
    form.addEventListener('submit', (event) => settle(event, (event.submitter as HTMLButtonElement).value));
    dialog.addEventListener('cancel', (event) => settle(event, ''));
    dialog.showModal();
    focus(row.firstElementChild as HTMLButtonElement);
  });
}

// A question's prompt and field: the field's text on OK, undefined unanswered.
async function ask(prompt: string, title: string, entry: HTMLInputElement | HTMLTextAreaElement): Promise<string | undefined> {
  const label = Object.assign(document.createElement('label'), { htmlFor: 'question-entry', textContent: prompt });
  Object.assign(entry, { id: 'question-entry', autocomplete: 'off' });
  const answer = await show('question', title, [label, entry], { ok: pageText('OK'), cancel: pageText('Cancel') }, () => {
    entry.select();
    performance.mark('coinwell-question');
  });
  return answer === 'ok' ? entry.value : undefined;
}

// Lines of text in a box that starts with `text`; undefined on Cancel or Escape.
export async function askLines(prompt: string, title: string, text: string): Promise<string | undefined> {
  const entry = Object.assign(document.createElement('textarea'), { value: text, rows: 8, spellcheck: false });
  return ask(prompt, title, entry);
}

// The text in the field on OK, and an empty text on Cancel or Escape.
export async function askText(prompt: string, title: string, defaultText: string): Promise<string> {
  const entry = Object.assign(document.createElement('input'), { type: 'text', inputMode: 'numeric', value: defaultText });
  return (await ask(prompt, title, entry)) ?? '';
}

// An integer from lowest to highest, or undefined on Cancel or Escape. An
// entry out of range or not whole keeps the question open, and the browser
// says why.
export async function askInteger(prompt: string, title: string, value: number, lowest: number,
  highest: number): Promise<number | undefined> {
  const entry = Object.assign(document.createElement('input'),
    { type: 'number', min: String(lowest), max: String(highest), step: '1', required: true, value: String(value) });
  const answer = await ask(prompt, title, entry);
  return answer === undefined ? undefined : Number(answer);
}

export async function showNotice(text: string, title: string): Promise<void> {
  const message = Object.assign(document.createElement('p'), { id: 'notice-text', textContent: text });
  await show('notice', title, [message], { ok: pageText('OK') }, moveFocus);
}
