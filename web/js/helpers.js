// The page's JavaScript comes in modules, each a property of Ovali, in this
// order: helpers, queue, elements, menubar, msgbox, services, page, history,
// lab, labworkers, and the lab worker's script as a string (labWorkerScript).
// This one holds the pure rules: no document, no game, so node tests them alone.
const Ovali = {};

Ovali.helpers = (() => {
  'use strict';

  // "&Options": the letter after "&" is the access key, shown underlined.
  const accessKey = (caption) => {
    const at = caption.indexOf('&');
    if (at < 0 || at + 1 >= caption.length) return { before: caption, key: '', after: '' };
    return {
      before: caption.slice(0, at),
      key: caption.charAt(at + 1),
      after: caption.slice(at + 2),
    };
  };

  // The access key a key press asks for, lower case, or '' for none: Alt with
  // a letter, or Alt+Shift with one where the browser keeps Alt+letter for its
  // own menu. The letter comes from the key's place where the browser tells
  // it, since Alt changes the typed character on some layouts.
  const accessKeyOf = (e) => {
    if (!e.altKey || e.ctrlKey || e.metaKey || !e.key || e.key.length !== 1) return '';
    if (e.code && /^Key[A-Z]$/.test(e.code)) return e.code.charAt(3).toLowerCase();
    return e.key.toLowerCase();
  };

  // The item `by` steps on from `at` among `count`, round the end; from no
  // item (-1) a step down finds the first and a step up the last.
  const step = (count, at, by) => {
    if (count <= 0) return -1;
    if (at < 0 || at >= count) return by > 0 ? 0 : count - 1;
    return (((at + by) % count) + count) % count;
  };

  // "click=1,fast=2" as { click: 1, fast: 2 }.
  const codes = (text) => {
    const table = {};
    for (const pair of text.split(',')) {
      const [name, value] = pair.split('=');
      if (name && /^[0-9]+$/.test(value || '')) table[name] = Number(value);
    }
    return table;
  };

  return { accessKey, accessKeyOf, step, codes };
})();
