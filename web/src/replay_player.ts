// One meeting played back at the core's pace, frame by frame by the time
// gone, with the words of where it stands. Screen readers hear of it on a
// pause, a step and at the end, not on every frame.
import type { ChartTexts, CoreDrawing, Replay } from './core';
import { tr } from './texts';

const G = 'coinwell::graph';

export type ReplayAction = 'pause' | 'step' | 'faster' | 'slower' | 'finish' | 'mirror';

export class ReplayPlayer {
  mirrored = false;
  private frame = 0;

  // percent: the share of meetings whose exact coins the mirror stands at;
  // tell: the words after each key, `aloud` on a pause, a step and the end.
  constructor(private readonly replay: Replay, private readonly percent: () => number,
    private readonly repaint: () => void, private readonly tell: (text: string, aloud: boolean) => void) {}

  guests(): number { return this.replay.guests(); }

  play(): void {
    if (this.frame) return;
    let last: number | undefined;
    const tick = (now: number) => {
      this.frame = 0;
      if (last !== undefined) this.replay.advance((now - last) / 1000);
      last = now;
      this.repaint();
      if (this.replay.finished()) this.tell(this.told(), true);
      else if (!this.replay.paused()) this.frame = requestAnimationFrame(tick);
    };
    this.frame = requestAnimationFrame(tick);
  }

  act(action: ReplayAction): void {
    const r = this.replay;
    if (action === 'pause') r.togglePause();
    else if (action === 'step') r.step();
    else if (action === 'faster') r.faster();
    else if (action === 'slower') r.slower();
    else if (action === 'finish') r.finish();
    else this.mirrored = !this.mirrored;
    const still = r.paused() || r.finished();
    if (still) this.pause();
    else this.play();
    this.repaint();
    this.tell(this.told(), still && (action === 'pause' || action === 'step' || action === 'finish'));
  }

  // Progress and state, as the picture shows them.
  told(): string {
    const { progress, state } = this.words();
    return `${progress} ${state}`;
  }

  drawing(width: number, height: number, chart: ChartTexts): CoreDrawing {
    const coins = this.replay.exactCoins(this.percent());
    return this.replay.scene(width, height, { ...chart, ...this.words(), mirror: tr(G, 'mirrored at %1', -coins) },
      this.mirrored ? coins : -1);
  }

  // Stops for good; the meeting is gone.
  end(): void {
    this.pause();
    this.replay.delete();
  }

  private pause(): void {
    cancelAnimationFrame(this.frame);
    this.frame = 0;
  }

  private words(): { progress: string; state: string } {
    const r = this.replay;
    const facts = r.facts();
    const progress = facts.lowest === null
      ? tr(G, 'Guest %1 of %2, balance %3', facts.shown, facts.guests, facts.balance)
      : tr(G, 'Guest %1 of %2, balance %3, lowest so far %4', facts.shown, facts.guests, facts.balance, facts.lowest);
    let state: string;
    if (r.finished()) {
      const lowest = facts.lowest ?? 0;
      state = lowest === -1 ? tr(G, 'lowest balance -1: 1 coin would have been enough')
        : lowest < 0 ? tr(G, 'lowest balance %1: %2 coins would have been enough', lowest, -lowest)
          : tr(G, 'lowest balance %1: no coins were needed', lowest);
    } else {
      state = r.paused() ? tr(G, 'paused: Space plays on, → shows the next guest') : tr(G, '%1 guests a second', r.pace());
    }
    return { progress, state };
  }
}
