// Compare Circuits' runs measured in Web Workers, each with a module of its
// own, so the page's thread keeps the lesson's pace. Workers and page speak
// only in messages (no SharedArrayBuffer, no special server headers), and
// each worker's script is made here as a Blob, so a plain static server and
// the single file from file:// both serve them.

// Work between looks at the messages, so a cancel or a pause lands at once.
const kSliceMs = 20;
const kTicksPerCall = 500;

// A measuring worker's side: runs one job at a time, a slice at a time, and
// reports its ticks after each slice and its result at the end. `scope` is
// the worker's global (or the page's stand-in for one); `createModule`
// makes its module.
function serveRuns(scope, createModule) {
  let module = null;
  let run = null;   // { id, measurement }
  let paused = false;
  let waking = false;
  // A message to itself: a turn of the event loop without a timer's delay.
  const channel = new MessageChannel();
  const wake = () => {
    if (waking || !run || paused) return;
    waking = true;
    channel.port2.postMessage(null);
  };
  const drop = () => {
    run?.measurement.delete();
    run = null;
  };
  channel.port1.onmessage = () => {
    waking = false;
    if (!run || paused) return;
    const until = performance.now() + kSliceMs;
    let done = false;
    while (!done && performance.now() < until) done = run.measurement.advance(kTicksPerCall);
    const report = { kind: done ? 'result' : 'progress', id: run.id, ticks: run.measurement.ticksRun() };
    if (done) {
      report.result = run.measurement.result();
      drop();
    }
    scope.postMessage(report);
    wake();
  };
  scope.onmessage = async ({ data }) => {
    if (data.kind === 'load') {
      try {
        module = await createModule(data.wasm);
        scope.postMessage({ kind: 'ready' });
      } catch (error) {
        scope.postMessage({ kind: 'failed', message: String(error?.message ?? error) });
      }
    } else if (data.kind === 'run') {
      drop();
      run = { id: data.id, measurement: new module.Measurement(data.job) };
      wake();
    } else if (data.kind === 'drop') {
      drop();
    } else {
      paused = data.kind === 'pause';
      wake();
    }
  };
}

// The worker's module from the compiled WebAssembly the page hands over, or
// (the single file) from the copy inside the core's script.
function createInWorker(wasm) {
  if (!wasm) return createTarrowin({});
  return createTarrowin({
    instantiateWasm(imports, receive) {
      WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm));
      return {};
    },
  });
}

function workerSource(coreSource) {
  return [coreSource, `const kSliceMs = ${kSliceMs};`, `const kTicksPerCall = ${kTicksPerCall};`,
    String(serveRuns), String(createInWorker), 'serveRuns(self, createInWorker);'].join('\n');
}

// Where no worker can start (a page whose Content-Security-Policy forbids
// them), the runs go on the page's own module, a slice at a time.
class PageRunner {
  constructor(module) {
    const scope = { postMessage: (data) => setTimeout(() => this.onmessage?.({ data })) };
    serveRuns(scope, async () => module);
    this.scope = scope;
  }

  postMessage(data) {
    this.scope.onmessage({ data });
  }

  terminate() {
    this.scope.onmessage({ data: { kind: 'drop' } });
  }
}

// Runs a start's jobs on up to `count` workers, one job to a worker at a
// time, in the jobs' order; tells onResult(start, job, result) as each ends.
export class RunPool {
  // core: { source() -> Promise of the core's script, wasm() -> Promise of
  // its compiled WebAssembly or null }; module: the page's, for the stand-in.
  constructor(core, module, onResult) {
    this.core = core;
    this.module = module;
    this.onResult = onResult;
    this.workers = [];
    this.jobs = [];
    this.next = 0;
    this.start = 0;
    this.doneTicks = 0;
    this.retry = [];
    this.lastId = 0;
    this.paused = false;
    this.onPage = false;
  }

  static size(jobs) {
    return Math.max(1, Math.min(navigator.hardwareConcurrency || 1, jobs));
  }

  async spawn() {
    if (this.onPage) return new PageRunner(this.module);
    try {
      if (!this.url) {
        const [source, wasm] = await Promise.all([this.core.source(), this.core.wasm()]);
        this.wasm = wasm;
        this.url = URL.createObjectURL(new Blob([workerSource(source)], { type: 'text/javascript' }));
      }
      return new Worker(this.url);
    } catch (error) {
      console.warn('Compare Circuits measures on the page itself:', error);
      this.onPage = true;
      return new PageRunner(this.module);
    }
  }

  // Enough workers for the jobs, each given work once its module is ready.
  async grow(count) {
    while (this.workers.length < count) {
      const entry = { worker: null, ready: false, busy: null, ticks: 0 };
      this.workers.push(entry);
      entry.worker = await this.spawn();
      entry.worker.onmessage = ({ data }) => this.heard(entry, data);
      entry.worker.onerror = (event) => this.heard(entry, { kind: 'failed', message: event.message });
      if (this.workers.includes(entry)) entry.worker.postMessage({ kind: 'load', wasm: this.wasm });
      else entry.worker.terminate();   // closed meanwhile
    }
  }

  heard(entry, data) {
    if (data.kind === 'ready') {
      entry.ready = true;
      if (this.paused) entry.worker.postMessage({ kind: 'pause' });
      this.give(entry);
    } else if (data.kind === 'failed') {
      // Its job goes to the next worker free, and the runs to the page itself from now on.
      console.warn('Compare Circuits measures on the page itself:', data.message);
      this.onPage = true;
      if (entry.busy) this.retry.push(entry.busy.job);
      this.workers = this.workers.filter((other) => other !== entry);
      entry.worker.terminate();
      if (this.workers.length === 0 && (this.retry.length > 0 || this.next < this.jobs.length)) this.grow(1);
    } else if (data.id === entry.busy?.id) {
      entry.ticks = data.ticks;
      if (data.kind !== 'result') return;
      const { start, job } = entry.busy;
      this.doneTicks += data.ticks;
      entry.ticks = 0;
      entry.busy = null;
      this.give(entry);
      this.onResult(start, job, data.result);
    }
  }

  give(entry) {
    if (!entry.ready || entry.busy || (this.retry.length === 0 && this.next >= this.jobs.length)) return;
    const job = this.retry.length > 0 ? this.retry.shift() : this.next++;
    entry.busy = { id: ++this.lastId, start: this.start, job };
    entry.worker.postMessage({ kind: 'run', id: entry.busy.id, job: this.jobs[job] });
  }

  // Measures the start's jobs, dropping whatever ran before.
  run(start, jobs) {
    this.cancel();
    this.start = start;
    this.jobs = jobs;
    this.grow(RunPool.size(jobs.length)).then(() => this.workers.forEach((entry) => this.give(entry)));
  }

  cancel() {
    this.jobs = [];
    this.next = 0;
    this.retry = [];
    this.doneTicks = 0;
    for (const entry of this.workers) {
      if (entry.busy) entry.worker.postMessage({ kind: 'drop' });
      entry.busy = null;
      entry.ticks = 0;
    }
  }

  // The ticks run of the start's jobs so far.
  ticksRun() {
    return this.workers.reduce((sum, entry) => sum + entry.ticks, this.doneTicks);
  }

  busy() {
    return this.workers.some((entry) => entry.busy);
  }

  // While the page is hidden the workers stand still.
  pause(paused) {
    this.paused = paused;
    for (const entry of this.workers) entry.worker?.postMessage({ kind: paused ? 'pause' : 'resume' });
  }

  // The workers and their modules' memory given back (they come again when needed).
  close() {
    this.cancel();
    for (const entry of this.workers) entry.worker?.terminate();
    this.workers = [];
  }
}
