// The page's Explorations lab: a panel as the history's, beside the game on
// a wide screen and below it on a narrow one. It shows what the game sends
// (the chooser, the setting field, the progress, the picture and its
// sentence) and queues what the user does for the game, which decides
// what each control does.
Ovali.lab = (() => {
  'use strict';

  const style = `
    #lab { flex: none; box-sizing: border-box; width: clamp(24em, 32vw, 44em); max-width: 50%;
           overflow: auto; padding: 0.6em 0.8em; border-left: 1px solid #c8c8c8; background: #fff;
           font-family: Arial, "Liberation Sans", sans-serif; font-size: var(--box-font); }
    #lab .head { display: flex; align-items: center; justify-content: space-between;
                 margin-bottom: 0.4em; }
    #lab h2 { font-size: 1.1em; margin: 0; }
    #lab .row { display: flex; flex-wrap: wrap; align-items: center; gap: 0.3em 0.5em;
                margin: 0.5em 0; }
    #lab select, #lab input { font: inherit; min-width: 0; max-width: 100%; }
    #lab select { flex: 1 1 12em; }
    #lab input { flex: 1 1 14em; }
    #lab button { font: inherit; padding: 0.2em 1em; }
    #lab progress { flex: 1 1 6em; height: 1em; }
    #lab p, #lab ul { margin: 0.5em 0; line-height: 1.35; }
    #lab ul { padding-left: 1.2em; }
    #lab .error { flex-basis: 100%; color: #b00020; }
    #lab .small { font-size: 0.9em; color: #333; }
    #lab .picture svg { display: block; width: 100%; height: auto;
                        font-family: Arial, "Liberation Sans", sans-serif; }
    #lab .sentence { font-weight: bold; }
    #lab .status { min-height: 1.35em; }
    #lab[hidden], #lab [hidden] { display: none !important; }
    @media (max-aspect-ratio: 1/1) {
      #lab { width: auto; max-width: none; max-height: 55%; border-left: 0;
             border-top: 1px solid #c8c8c8; }
      #lab .picture svg { max-width: 34em; margin: 0 auto; }
    }
    @media ${Ovali.history.phone} {
      #lab { flex: none; max-height: none; overflow: visible; }
    }`;

  const parts = {};
  let panel = null;
  let shownList = null;

  const push = (kind, a) => Ovali.queue.push(kind, a);

  const make = (tag, id, parent, className) => {
    const el = document.createElement(tag);
    if (id) {
      el.id = 'lab_' + id;
      parts[id] = el;
    }
    if (className) el.className = className;
    if (parent) parent.appendChild(el);
    return el;
  };

  const button = (id, parent, kind) => {
    const el = make('button', id, parent);
    el.type = 'button';
    el.addEventListener('click', () => push(kind));
    return el;
  };

  // The page's controls have no access keys: a caption's "&" is dropped.
  const plain = (caption) => {
    const p = Ovali.helpers.accessKey(caption);
    return p.before + p.key + p.after;
  };

  const init = () => {
    const css = document.createElement('style');
    css.textContent = style;
    document.head.appendChild(css);

    panel = make('section');
    panel.id = 'lab';
    panel.hidden = true;
    panel.setAttribute('role', 'region');
    panel.setAttribute('aria-labelledby', 'lab_title');
    const head = make('div', '', panel, 'head');
    make('h2', 'title', head);
    button('close', head, 'labClose').textContent = '\u00d7';

    const choice = make('div', '', panel, 'row');
    make('label', 'experiment_label', choice).htmlFor = 'lab_experiment';
    make('select', 'experiment', choice).addEventListener(
      'change', () => push('labChoose', parts.experiment.selectedIndex));

    const versus = make('div', 'versus_row', panel, 'row');
    make('label', 'versus_label', versus).htmlFor = 'lab_versus';
    const field = make('input', 'versus', versus);
    field.type = 'text';
    field.autocomplete = 'off';
    field.spellcheck = false;
    field.setAttribute('aria-describedby', 'lab_versus_error');
    field.addEventListener('input', () => push('labVersus'));
    make('div', 'versus_error', versus, 'error');

    const running = make('div', '', panel, 'row');
    button('run', running, 'labRun');
    make('progress', 'progress', running).setAttribute('aria-describedby', 'lab_progress_text');
    make('span', 'progress_text', running);

    make('p', 'plan', panel, 'small');
    make('ul', 'notes', panel, 'small');
    make('div', 'picture', panel, 'picture');
    make('p', 'sentence', panel, 'sentence');
    const copying = make('div', '', panel, 'row');
    button('copy', copying, 'labCopy');
    make('div', 'status', copying, 'status').setAttribute('role', 'status');
    parts.status.setAttribute('aria-live', 'polite');

    panel.addEventListener('keydown', (e) => {
      if (e.key !== 'Escape' || e.defaultPrevented) return;
      e.preventDefault();
      Ovali.page.panelKey('lab', Ovali.page.ESCAPE);
    });
    Ovali.history.box().appendChild(panel);
  };

  // The fixed words, from the game.
  const words = (title, chooser, versus, copy, copyDescription, close, progress) => {
    parts.title.textContent = title;
    parts.experiment_label.textContent = plain(chooser);
    parts.versus_label.textContent = plain(versus);
    parts.copy.textContent = plain(copy);
    parts.copy.setAttribute('aria-description', copyDescription);
    parts.close.setAttribute('aria-label', close);
    parts.progress.setAttribute('aria-label', progress);
  };

  const lines = (list, text, tag) => {
    list.textContent = '';
    for (const line of text ? text.split('\n') : []) make(tag, '', list).textContent = line;
  };

  // What the game's LabView says; lists come as lines.
  const view = (experiments, chosen, choosable, versusShown, versus, versusError, run, done,
                games, progress, plan, notes, sentence, copyable) => {
    if (experiments !== shownList) {
      lines(parts.experiment, experiments, 'option');
      shownList = experiments;
    }
    if (parts.experiment.selectedIndex !== chosen) parts.experiment.selectedIndex = chosen;
    parts.experiment.disabled = !choosable;
    parts.versus.disabled = !choosable;
    parts.versus_row.hidden = !versusShown;
    // Written only when it differs, so that the caret stays where the user types.
    if (parts.versus.value !== versus) parts.versus.value = versus;
    parts.versus.setAttribute('aria-invalid', versusError ? 'true' : 'false');
    parts.versus_error.textContent = versusError;
    parts.versus_error.hidden = !versusError;
    parts.run.textContent = plain(run);
    parts.progress.max = Math.max(1, games);
    parts.progress.value = done;
    parts.progress_text.textContent = progress;
    parts.plan.textContent = plan;
    lines(parts.notes, notes, 'li');
    parts.notes.hidden = !notes;
    parts.sentence.textContent = sentence;
    parts.copy.disabled = !copyable;
  };

  const show = (on) => {
    if (panel.hidden === !on) return;
    panel.hidden = !on;
    if (on && window.matchMedia(Ovali.history.phone).matches) {
      panel.scrollIntoView({ block: 'nearest' });
    }
    Ovali.queue.push('resize');
  };

  // The keyboard to the chooser, or to Run and Stop while it holds still.
  const raise = () => (parts.experiment.disabled ? parts.run : parts.experiment).focus();

  const picture = (svg) => {
    parts.picture.innerHTML = svg;
  };

  const announce = (text) => Ovali.page.note(parts.status, text);

  const versus = () => parts.versus.value;

  return { init, words, view, show, picture, announce, versus, raise };
})();

Module['preRun'] = [].concat(Module['preRun'] || [], [Ovali.lab.init]);
