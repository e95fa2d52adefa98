// The modal questions and the notice, as <dialog>s. A question answers the
// text in its field on OK, and an empty text on Cancel or Escape.
import { moveFocus } from './focus';
import { pageText } from './texts';

function button(text: string, value: string): HTMLButtonElement {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = text;
  element.value = value;
  return element;
}

function makeDialog(title: string, className: string): { dialog: HTMLDialogElement; body: HTMLDivElement } {
  const dialog = document.createElement('dialog');
  dialog.className = `box ${className}`;
  const heading = document.createElement('h2');
  heading.className = 'box-title';
  heading.id = `${className}-title`;
  heading.textContent = title;
  dialog.setAttribute('aria-labelledby', heading.id);
  const body = document.createElement('div');
  body.className = 'box-body';
  dialog.append(heading, body);
  document.body.append(dialog);
  return { dialog, body };
}

function settle<T>(dialog: HTMLDialogElement, resolve: (value: T) => void, value: T): void {
  dialog.close();
  dialog.remove();
  resolve(value);
}

// A question's prompt, field and buttons; `answer` settles it from the
// field on OK or Return and may leave it open, by answering false.
function ask<T>(prompt: string, title: string, entry: HTMLInputElement, answer: (entry: HTMLInputElement) => T | false,
  cancelled: T): Promise<T> {
  return new Promise((resolve) => {
    const { dialog, body } = makeDialog(title, 'question');
    const label = document.createElement('label');
    label.htmlFor = 'question-entry';
    label.textContent = prompt;
    entry.id = 'question-entry';
    entry.autocomplete = 'off';
    const ok = button(pageText('OK'), 'ok');
    const cancel = button(pageText('Cancel'), 'cancel');
    const row = document.createElement('div');
    row.className = 'box-buttons';
    row.append(ok, cancel);
    body.append(label, entry, row);
    const accept = () => {
      const value = answer(entry);
      if (value !== false) settle(dialog, resolve, value);
    };
    ok.addEventListener('click', accept);
    cancel.addEventListener('click', () => settle(dialog, resolve, cancelled));
    entry.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        accept();
      }
    });
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      settle(dialog, resolve, cancelled);
    });
    dialog.showModal();
    entry.select();
    performance.mark('coinwell-question');
  });
}

export function askText(prompt: string, title: string, defaultText: string): Promise<string> {
  const entry = document.createElement('input');
  entry.type = 'text';
  entry.inputMode = 'numeric';
  entry.value = defaultText;
  return ask(prompt, title, entry, (field) => field.value, '');
}

// An integer from lowest to highest, or undefined on Cancel or Escape. An
// entry out of range or not whole keeps the question open and says why.
export function askInteger(prompt: string, title: string, value: number, lowest: number,
  highest: number): Promise<number | undefined> {
  const entry = document.createElement('input');
  entry.type = 'number';
  entry.min = String(lowest);
  entry.max = String(highest);
  entry.step = '1';
  entry.required = true;
  entry.value = String(value);
  return ask<number | undefined>(prompt, title, entry, (field) => {
    if (!field.checkValidity()) {
      field.reportValidity();
      return false;
    }
    return Number(field.value);
  }, undefined);
}

export function showNotice(text: string, title: string): Promise<void> {
  return new Promise((resolve) => {
    const { dialog, body } = makeDialog(title, 'notice');
    const message = document.createElement('p');
    message.textContent = text;
    const ok = button(pageText('OK'), 'ok');
    const row = document.createElement('div');
    row.className = 'box-buttons';
    row.append(ok);
    body.append(message, row);
    dialog.setAttribute('aria-describedby', 'notice-text');
    message.id = 'notice-text';
    ok.addEventListener('click', () => settle(dialog, resolve, undefined));
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      settle(dialog, resolve, undefined);
    });
    dialog.showModal();
    moveFocus(ok);
  });
}
