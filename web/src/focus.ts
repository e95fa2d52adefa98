// The focus ring shows where the keyboard moved the focus, never after a
// click or a tap, in every engine. When the page itself moves the focus
// (to Init after Start, to a question's OK), WebKit would count that as
// keyboard focus and ring it after a click; the page therefore asks for
// the ring only when the keyboard was used last, and hides it from its
// controls while a pointer was.
let keyboardLast = false;

function lastInput(keyboard: boolean): void {
  keyboardLast = keyboard;
  document.documentElement.classList.toggle('pointer-input', !keyboard);
}

document.addEventListener('keydown', () => lastInput(true), true);
document.addEventListener('pointerdown', () => lastInput(false), true);

export function moveFocus(element: HTMLElement): void {
  element.focus({ focusVisible: keyboardLast } as FocusOptions);
}
