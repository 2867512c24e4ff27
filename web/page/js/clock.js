// When the ticks come: from requestAnimationFrame, one tick per period of
// elapsed time (16 ms at normal speed), so the model keeps the desktop's
// pace on 60, 120 and 144 Hz screens alike. No frames are asked for while
// paused, and a hidden tab gets none, so nothing runs then.

// More than this many ticks behind (a stalled tab) the backlog is dropped.
const kMostTicksPerFrame = 4;

export class Clock {
  // app: the core's front end; onTicks(n): after a frame that ran n ticks.
  constructor(app, onTicks) {
    this.app = app;
    this.onTicks = onTicks;
    this.requested = false;
    this.last = null;
    this.owed = 0;
    this.frame = (now) => this.onFrame(now);
    document.addEventListener('visibilitychange', () => this.restart());
  }

  // Asks for frames again after pause or a hidden tab, counting from now.
  restart() {
    this.last = null;
    this.owed = 0;
    this.wake();
  }

  wake() {
    if (this.requested || this.app.paused() || document.hidden) return;
    this.requested = true;
    requestAnimationFrame(this.frame);
  }

  onFrame(now) {
    this.requested = false;
    if (this.app.paused() || document.hidden) {
      this.last = null;
      this.owed = 0;
      return;
    }
    if (this.last !== null) this.owed += now - this.last;
    this.last = now;
    let ticks = 0;
    for (let period = this.app.tickPeriod(); period > 0 && this.owed >= period; period = this.app.tickPeriod()) {
      this.app.tick();
      this.owed -= period;
      if (++ticks === kMostTicksPerFrame) {
        this.owed = 0;
        break;
      }
    }
    if (ticks > 0) this.onTicks(ticks);
    this.wake();
  }
}
