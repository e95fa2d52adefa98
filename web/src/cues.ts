// The two chimes, played with Web Audio: a cue stops the one before and
// starts its own, and never holds up the command that asked for it. A cue
// that cannot be played (no sound device, a file missing) is silently left
// out.
type Cue = 'rising' | 'falling';

const files: Record<Cue, string> = { rising: './pinpon.wav', falling: './endpinpon.wav' };

export class CuePlayer {
  private context: AudioContext | undefined;
  private buffers = new Map<Cue, Promise<AudioBuffer | undefined>>();
  private playing: AudioBufferSourceNode | undefined;

  // Fetches and decodes both files ahead of the first cue.
  readAhead(): void {
    for (const cue of Object.keys(files) as Cue[]) this.buffer(cue);
  }

  play(cue: Cue): void {
    const context = this.audio();
    if (!context) return;
    void context.resume().catch(() => undefined);
    try {
      this.playing?.stop();
    } catch {
      // it had ended
    }
    this.playing = undefined;
    void this.buffer(cue).then((buffer) => {
      if (!buffer) return;
      const source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(context.destination);
      source.start();
      this.playing = source;
    });
  }

  private audio(): AudioContext | undefined {
    if (!this.context && typeof AudioContext !== 'undefined') {
      try {
        this.context = new AudioContext();
      } catch {
        return undefined;
      }
      // A page that goes away lets the sound device go at once, rather than
      // leave it to the browser's teardown; one shown again makes a new one.
      const context = this.context;
      window.addEventListener('pagehide', () => {
        this.playing = undefined;
        this.context = undefined;
        void context.close().catch(() => undefined);
      }, { once: true });
    }
    return this.context;
  }

  private buffer(cue: Cue): Promise<AudioBuffer | undefined> {
    let buffer = this.buffers.get(cue);
    if (!buffer) {
      buffer = fetch(files[cue])
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(response.statusText))))
        .then((bytes) => this.audio()?.decodeAudioData(bytes))
        .catch(() => undefined);
      this.buffers.set(cue, buffer);
    }
    return buffer;
  }
}
