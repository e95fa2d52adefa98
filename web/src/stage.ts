// How a view of the program sits in the browser's window: laid out from a
// placement table in pixels of the window's design, scaled by --u to fit
// the viewport.
import type { Placement } from './core';

const app = document.getElementById('app') as HTMLElement;
export const pointsToPixels = (points: number) => (points * 96) / 72;
const gothicFaces =
  "'ＭＳ Ｐゴシック', 'MS PGothic', 'IPAPGothic', 'Meiryo', 'Yu Gothic', 'Hiragino Kaku Gothic ProN', " +
  "'Hiragino Sans', 'Noto Sans CJK JP', sans-serif";

// Lays a view's controls out from a placement table, in pixels of the
// window's design scaled by --u (set to fit the viewport).
export function place(element: HTMLElement, placement: Placement): void {
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
export function stage(width: number, height: number, label: string, reach = width): HTMLElement {
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

export const scale = () => unit;

// Lets the view shown fit itself anew after each fit, and at once.
export function onFit(view: () => void): void {
  refit = view;
  refit();
}
