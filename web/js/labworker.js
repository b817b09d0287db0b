// A lab worker's side of the page's games (the worker module's own script,
// not the page's). The page sends the experiment once, as the bytes of
// encodeExperiment, then one job at a time; each game's results go back as
// a Float64Array, which keeps every number exactly. Anything the module
// cannot take is refused, and the page then plays the games itself.
(() => {
  'use strict';

  const early = [];
  let ready = false;

  const take = (message) => {
    if (message.experiment) {
      const bytes = message.experiment;
      const at = Module['_malloc'](Math.max(1, bytes.length));
      HEAPU8.set(bytes, at);
      const known = Module['_ovali_worker_experiment'](at, bytes.length);
      Module['_free'](at);
      if (!known) postMessage({ refused: true });
      return;
    }
    const size = Module['_ovali_worker_play'](message.job);
    if (size < 0) {
      postMessage({ refused: true });
      return;
    }
    const at = Module['_ovali_worker_numbers']() >> 3;
    const numbers = HEAPF64.slice(at, at + size);
    postMessage({ job: message.job, numbers }, [numbers.buffer]);
  };

  // What comes before the module is ready waits for it, in order.
  Module['onRuntimeInitialized'] = () => {
    ready = true;
    early.splice(0).forEach(take);
  };
  self.onmessage = (e) => (ready ? take(e.data) : early.push(e.data));
})();
