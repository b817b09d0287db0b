// The lab's games on Web Workers. Each worker runs the worker module, whose
// script the build put into this page as a string (Ovali.labWorkerScript):
// made from a Blob, a worker starts also in a page opened from disk, where
// one cannot be loaded from a file. The jobs go out one at a time, in job
// order, to whichever worker is free, so that Stop has little to throw
// away; their results wait here until the game collects them, and wake it.
Ovali.labWorkers = (() => {
  'use strict';

  let url = null;
  let pool = [];
  let run = 0;  // which start the pool's messages belong to
  let next = 0;
  let jobs = 0;
  let failed = false;
  let most = 8;
  let fromWorkers = 0;  // every game a worker played, for the tests
  const arrived = [];  // [job, Float64Array]

  const wake = () => Ovali.queue.push('labGame');

  // Each wake has the game take the results in and redraw the panel, which
  // on a small machine takes its time from the workers: the game is woken
  // at most every WAKE_MS while games come in, and at once by the last.
  const WAKE_MS = 100;
  let received = 0;
  let lastWake = -Infinity;
  let wakeTimer = 0;
  const arrivedWake = () => {
    if (wakeTimer) return;
    const now = performance.now();
    if (received === jobs || now - lastWake >= WAKE_MS) {
      lastWake = now;
      wake();
      return;
    }
    wakeTimer = setTimeout(() => {
      wakeTimer = 0;
      lastWake = performance.now();
      wake();
    }, lastWake + WAKE_MS - now);
  };

  const parallel = () => Math.min(most, Math.max(1, navigator.hardwareConcurrency || 1));

  const stop = () => {
    for (const worker of pool) worker.terminate();
    pool = [];
    arrived.length = 0;
    next = jobs = received = 0;
    clearTimeout(wakeTimer);
    wakeTimer = 0;
    ++run;
  };

  // A worker that fails, or refuses what it was sent, ends them all: the
  // game then plays the rest itself.
  const fail = () => {
    stop();
    failed = true;
    wake();
  };

  const hand = (worker) => {
    if (next < jobs) worker.postMessage({ job: next++ });
  };

  // Starts the workers on the experiment of `size` bytes at `text`, with
  // `count` jobs. How many workers there are; 0 when none could be made.
  const start = (text, size, count) => {
    stop();
    failed = false;
    const experiment = HEAPU8.slice(text, text + size);
    const mine = run;
    jobs = count;
    try {
      if (!url) {
        url = URL.createObjectURL(new Blob([Ovali.labWorkerScript], { type: 'text/javascript' }));
      }
      for (let i = Math.min(parallel(), count); i > 0; --i) {
        const worker = new Worker(url);
        worker.onmessage = (e) => {
          if (mine !== run) return;
          if (e.data.refused) {
            fail();
            return;
          }
          arrived.push([e.data.job, e.data.numbers]);
          ++received;
          ++fromWorkers;
          hand(worker);
          arrivedWake();
        };
        worker.onerror = (e) => {
          e.preventDefault();
          if (mine === run) fail();
        };
        pool.push(worker);
        worker.postMessage({ experiment });
        hand(worker);
      }
    } catch (e) {
      stop();
      return 0;
    }
    return pool.length;
  };

  // The next result's size in numbers, its job written to `out`; -1 for none.
  const take = (out) => {
    if (arrived.length === 0) return -1;
    HEAP32[out >> 2] = arrived[0][0];
    return arrived[0][1].length;
  };

  // Copies the next result to `out` and lets it go.
  const copy = (out) => {
    HEAPF64.set(arrived.shift()[1], out >> 3);
  };

  // For the tests and the benchmark: at most `count` workers from the next
  // start; with 0 the game plays the games itself.
  const limit = (count) => {
    most = count;
  };

  return {
    start, stop, take, copy, parallel, limit, wake, failed: () => failed,
    games: () => fromWorkers,
  };
})();
