// The page's pure helpers (web/js/helpers.js) under node, without a browser.
// Usage: node helpers_test.js HELPERS_JS
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const test = require('node:test');
const vm = require('node:vm');

const source = fs.readFileSync(process.argv[2], 'utf8');
const { accessKey, accessKeyOf, step, codes } =
  vm.runInNewContext(source + '\nOvali.helpers;');

test('a caption\'s access key is the letter after "&"', () => {
  const table = [
    ['first letter', '&Options', ['', 'O', 'ptions']],
    ['inside', 'E&xit', ['E', 'x', 'it']],
    ['none', 'About', ['About', '', '']],
    ['"&" last has no letter', 'Odd&', ['Odd&', '', '']],
    ['only the first "&" counts', '&A&B', ['', 'A', '&B']],
  ];
  for (const [name, caption, [before, key, after]] of table) {
    assert.deepEqual({ ...accessKey(caption) }, { before, key, after }, name);
  }
});

test('Alt or Alt+Shift with a letter asks for an access key', () => {
  const key = (props) => ({ altKey: false, shiftKey: false, ctrlKey: false, metaKey: false,
                            key: 'o', code: 'KeyO', ...props });
  const table = [
    ['Alt+O', key({ altKey: true }), 'o'],
    ['Alt+Shift+O', key({ altKey: true, shiftKey: true, key: 'O' }), 'o'],
    ['the key\'s place wins over a changed character', key({ altKey: true, key: 'ø' }), 'o'],
    ['no code: the character', key({ altKey: true, key: 'X', code: '' }), 'x'],
    ['O alone', key({}), ''],
    ['Ctrl+Alt+O is AltGr on some layouts', key({ altKey: true, ctrlKey: true }), ''],
    ['Meta+Alt+O', key({ altKey: true, metaKey: true }), ''],
    ['Alt+F10', key({ altKey: true, key: 'F10', code: 'F10' }), ''],
  ];
  for (const [name, event, expected] of table) assert.equal(accessKeyOf(event), expected, name);
});

test('the arrows step round a menu', () => {
  const table = [
    ['down', 5, 1, 1, 2],
    ['down from the last to the first', 5, 4, 1, 0],
    ['up from the first to the last', 5, 0, -1, 4],
    ['down from no item: the first', 5, -1, 1, 0],
    ['up from no item: the last', 5, -1, -1, 4],
    ['one item stays', 1, 0, 1, 0],
    ['no items', 0, -1, 1, -1],
  ];
  for (const [name, count, at, by, expected] of table) {
    assert.equal(step(count, at, by), expected, name);
  }
});

test('the event codes are read from the game\'s list', () => {
  assert.deepEqual({ ...codes('click=1,boxClosed=10,resize=11') },
                   { click: 1, boxClosed: 10, resize: 11 });
  assert.deepEqual({ ...codes('click=,=2,fast=x') }, {});
});
