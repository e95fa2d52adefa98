// The graph area: the core's picture of its view painted on a canvas at the
// screen's pixel ratio, its description for screen readers, and the
// replayed meeting's animation frames. A screen reader hears the replay on
// a pause, a step and at the end, not on every frame.
import { kReplay, kRunningAverage, type Drawing, type Placement, type Session } from './core';
import { paintCanvas, textSetter, type Face } from './painter';
import { translate } from './texts';

export class GraphView {
  readonly element = document.createElement('div');
  // The area inside the two-pixel sunken border, at the window's design size.
  readonly inner: { width: number; height: number };
  private readonly canvas = document.createElement('canvas');
  private readonly description = document.createElement('p');
  private readonly spoken = document.createElement('p');
  private frame = 0;

  // unit: the scale of the window's design pixels on the page.
  constructor(private readonly session: Session, private readonly placement: Placement, name: string,
    private readonly unit: () => number) {
    this.inner = { width: placement.width - 4, height: placement.height - 4 };
    Object.assign(this.element, { className: 'graph', tabIndex: 0, role: 'img', ariaLabel: name });
    Object.assign(this.description, { id: 'graph-description', className: 'visually-hidden' });
    Object.assign(this.spoken, { className: 'visually-hidden', ariaLive: 'polite' });
    this.element.setAttribute('aria-describedby', this.description.id);
    this.element.append(this.canvas, this.description, this.spoken);
    window.addEventListener('resize', () => {
      if (this.element.isConnected) this.paint();
    });
  }

  // The area's font face and text colour, read from its style once: a read
  // after the page has changed makes the browser work its style out there
  // and then.
  private looks: { family: string; colour: string } | undefined;

  private style(): { family: string; colour: string } {
    if (!this.looks) {
      const style = getComputedStyle(this.element);
      this.looks = { family: style.fontFamily, colour: style.color };
    }
    return this.looks;
  }

  // The texts' face at `scale` times the designed size.
  face(scale: number): Face {
    return { family: this.style().family, pixels: ((this.placement.points * 96) / 72) * scale };
  }

  // The view in `width` x `height` pixels, its texts in `face`; `saved`:
  // as copied or saved, with the caption line under it if that is on.
  picture(width: number, height: number, face: Face, saved = false): Drawing {
    const setter = textSetter(face);
    return saved ? this.session.savedPicture(width, height, setter) : this.session.picture(width, height, setter);
  }

  paint(): void {
    const scale = this.unit();
    const width = this.inner.width * scale;
    const height = this.inner.height * scale;
    if (this.canvas.style.width !== `${width}px` || this.canvas.style.height !== `${height}px`) {
      this.canvas.style.width = `${width}px`;
      this.canvas.style.height = `${height}px`;
    }
    const face = this.face(scale);
    paintCanvas(this.canvas, this.picture(width, height, face), { face, colour: this.style().colour }, window.devicePixelRatio || 1);
  }

  // Paints and tells what the session now shows, and plays the replay on
  // while it plays; `aloud`: a replay standing still is told aloud.
  refresh(aloud = false): void {
    this.paint();
    const text = translate(this.session.description());
    this.description.textContent = text;
    this.element.title = text;
    if (this.session.view() !== kReplay && this.session.view() !== kRunningAverage) this.spoken.textContent = '';
    else if (aloud && !this.session.playing()) this.spoken.textContent = text;
    this.animate();
  }

  // A frame at a time, moved on by the time gone since the one before.
  private animate(): void {
    if (!this.session.playing()) {
      cancelAnimationFrame(this.frame);
      this.frame = 0;
      return;
    }
    if (this.frame) return;
    let last: number | undefined;
    const tick = (now: number) => {
      this.frame = 0;
      if (last !== undefined) this.session.advance((now - last) / 1000);
      last = now;
      if (this.session.playing()) {
        this.paint();
        this.frame = requestAnimationFrame(tick);
      } else {
        this.refresh(true); // the end
      }
    };
    this.frame = requestAnimationFrame(tick);
  }
}
