// The modal questions and the notice, as <dialog>s. A question answers the
// text in its field on OK, and an empty text on Cancel or Escape.
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

export function askText(prompt: string, title: string, defaultText: string): Promise<string> {
  return new Promise((resolve) => {
    const { dialog, body } = makeDialog(title, 'question');
    const label = document.createElement('label');
    label.htmlFor = 'question-entry';
    label.textContent = prompt;
    const entry = document.createElement('input');
    entry.id = 'question-entry';
    entry.type = 'text';
    entry.inputMode = 'numeric';
    entry.autocomplete = 'off';
    entry.value = defaultText;
    const ok = button(pageText('OK'), 'ok');
    const cancel = button(pageText('Cancel'), 'cancel');
    const row = document.createElement('div');
    row.className = 'box-buttons';
    row.append(ok, cancel);
    body.append(label, entry, row);
    ok.addEventListener('click', () => settle(dialog, resolve, entry.value));
    cancel.addEventListener('click', () => settle(dialog, resolve, ''));
    entry.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        settle(dialog, resolve, entry.value);
      }
    });
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      settle(dialog, resolve, '');
    });
    dialog.showModal();
    entry.select();
    performance.mark('coinwell-question');
  });
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
    ok.focus();
  });
}
