// The user's events, queued for the game, and the waits the game sleeps in
// until one arrives. The game takes the events in its own passes.
Ovali.queue = (() => {
  'use strict';

  const waiting = [];
  let kinds = null;  // the event codes, from the game at start-up
  let wakeUp = null;
  let wakeTimer = 0;
  let ended = false;
  let resizePending = false;

  // A task of its own, without the delay a timer has.
  const soonQueue = [];
  const channel = new MessageChannel();
  channel.port1.onmessage = () => {
    const run = soonQueue.shift();
    if (run) run();
  };
  const soon = (run) => {
    soonQueue.push(run);
    channel.port2.postMessage(0);
  };

  const start = (codes) => {
    kinds = Ovali.helpers.codes(codes);
  };

  const code = (kind) => {
    const value = kinds[kind];
    if (value === undefined) throw new Error('The game knows no page event "' + kind + '".');
    return value;
  };

  // Until the game has said its event codes, there is nothing to tell it.
  const push = (kind, a = 0, b = 0, c = 0) => {
    if (ended || !kinds) return;
    if (kind === 'resize') {
      if (resizePending) return;
      resizePending = true;
    }
    waiting.push([code(kind), a, b, c]);
    if (wakeUp) {
      const wake = wakeUp;
      wakeUp = null;
      clearTimeout(wakeTimer);
      soon(wake);
    }
  };

  // Sleeps the game until an event arrives or `ms` pass (forever when < 0).
  const wait = (ms, wake) => {
    if (waiting.length > 0 || ms === 0) {
      soon(wake);
      return;
    }
    wakeUp = wake;
    if (ms > 0) {
      wakeTimer = setTimeout(() => {
        if (wakeUp === wake) {
          wakeUp = null;
          wake();
        }
      }, ms);
    }
  };

  // The next event's kind (0: none), its three numbers written to `out`.
  const take = (out) => {
    const event = waiting.shift();
    if (!event) return 0;
    if (event[0] === kinds.resize) resizePending = false;
    HEAP32[out >> 2] = event[1];
    HEAP32[(out >> 2) + 1] = event[2];
    HEAP32[(out >> 2) + 2] = event[3];
    return event[0];
  };

  const end = () => {
    ended = true;
    waiting.length = 0;
  };

  return { start, soon, push, wait, take, end, ended: () => ended };
})();
