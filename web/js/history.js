// The page's history view: a panel beside the game on a wide screen and
// below it on a narrow one, with the picture the game draws, its help and a
// Copy button. The game opens, closes and redraws it through the functions
// below; the panel's buttons only queue events for the game.
Ovali.history = (() => {
  'use strict';

  // Held upright, a phone has no room for both: the game keeps the whole
  // screen, as it would without the panel, and the panel follows below it.
  const PHONE = '(max-aspect-ratio: 1/1) and (max-width: 600px)';
  // The texts grow with the game, as the stage does with the window. Where
  // a screen has too little room for both side by side (a tablet, a zoomed
  // page, a small frame in a course page) the game keeps its size too, and
  // the history follows below it, reached by scrolling.
  const SHORT = '(max-height: 640px), (max-width: 900px)';

  const style = `
    #game { flex: 1; display: flex; min-height: 0; }
    #game > #stage { flex: 1; min-width: 0; }
    #history { flex: none; box-sizing: border-box; width: clamp(22em, 30vw, 40em); max-width: 45%;
               overflow: auto;
               padding: 0.6em 0.8em; border-left: 1px solid #c8c8c8; background: #fff;
               font: 14px Arial, "Liberation Sans", sans-serif;
               font-size: clamp(14px, calc(0.55vw + 0.55vh), 30px); }
    #history[hidden] { display: none; }
    #history .head { display: flex; align-items: center; justify-content: space-between;
                     margin-bottom: 0.4em; }
    #history h2 { font-size: 1.1em; margin: 0; }
    #history .picture svg { display: block; width: 100%; height: auto;
                            font-family: Arial, "Liberation Sans", sans-serif; }
    #history p { margin: 0.6em 0; line-height: 1.35; }
    #history button { font: inherit; padding: 0.2em 1em; }
    #history .status { margin-left: 0.6em; }
    @media (max-aspect-ratio: 1/1) {
      #game { flex-direction: column; }
      #history { width: auto; max-width: none; max-height: 55%; border-left: 0;
                 border-top: 1px solid #c8c8c8; }
      #history .picture svg { max-width: 30em; margin: 0 auto; }
    }
    @media ${PHONE}, ${SHORT} {
      #game { flex-direction: column; overflow-y: auto; }
      #game > #stage { flex: none; height: 100%; }
      #history { flex: none; width: auto; max-width: none; max-height: none; overflow: visible;
                 border-left: 0; border-top: 1px solid #c8c8c8; }
    }`;

  let panel = null;
  let picture = null;
  let help = null;
  let status = null;

  const button = (text, label, kind) => {
    const el = document.createElement('button');
    el.type = 'button';
    el.textContent = text;
    if (label) el.setAttribute('aria-label', label);
    el.addEventListener('click', () => Ovali.queue.push(kind));
    return el;
  };

  // The row (or column) of the stage and the panels beside it, made by the
  // first panel that asks.
  const box = () => {
    let game = document.getElementById('game');
    if (game) return game;
    const stage = document.getElementById('stage');
    game = document.createElement('div');
    game.id = 'game';
    stage.parentNode.insertBefore(game, stage);
    game.appendChild(stage);
    return game;
  };

  const init = () => {
    const css = document.createElement('style');
    css.textContent = style;
    document.head.appendChild(css);

    const game = box();

    panel = document.createElement('aside');
    panel.id = 'history';
    panel.hidden = true;
    panel.setAttribute('aria-labelledby', 'history_title');
    const head = document.createElement('div');
    head.className = 'head';
    const title = document.createElement('h2');
    title.id = 'history_title';
    title.textContent = 'History';
    const close = button('\u00d7', 'Close the history', 'history');
    close.id = 'history_close';
    head.append(title, close);
    picture = document.createElement('div');
    picture.className = 'picture';
    help = document.createElement('p');
    help.id = 'history_help';
    const copy = button('Copy', '', 'copyHistory');
    copy.id = 'history_copy';
    copy.setAttribute('aria-description', 'Copies every point as a table');
    status = document.createElement('span');
    status.id = 'history_status';
    status.className = 'status';
    status.setAttribute('role', 'status');
    status.setAttribute('aria-live', 'polite');
    panel.append(head, picture, help, copy, status);
    panel.addEventListener('keydown', (e) => {
      if (e.key !== 'Escape' || e.defaultPrevented) return;
      e.preventDefault();
      Ovali.page.panelKey('history', Ovali.page.ESCAPE);
    });
    game.appendChild(panel);
  };

  // The stage is measured again: the game scales to the room that is left.
  const resized = () => Ovali.queue.push('resize');

  const show = (on, helpText) => {
    if (helpText) help.textContent = helpText;
    if (panel.hidden === !on) return;
    panel.hidden = !on;
    resized();
    if (on && window.matchMedia(`${PHONE}, ${SHORT}`).matches) {
      panel.scrollIntoView({ block: 'nearest' });
    }
  };

  const draw = (svg) => {
    picture.innerHTML = svg;
  };

  const announce = (text) => Ovali.page.note(status, text);

  const raise = () => document.getElementById('history_copy').focus();

  return { init, show, draw, announce, raise, box, phone: PHONE };
})();

Module['preRun'] = [].concat(Module['preRun'] || [], [Ovali.history.init]);
