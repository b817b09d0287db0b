// The page as a whole: its start, its layout and its end. Nothing here
// decides anything about the game; the game (in WebAssembly) writes into the
// page and takes the queued events in its own passes.
Ovali.page = (() => {
  'use strict';

  // Served over http(s), the page can be installed and works offline; a file
  // opened from disk has neither, and needs neither.
  const installable = () => {
    if (location.protocol !== 'http:' && location.protocol !== 'https:') return;
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.appendChild(manifest);
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  };

  const init = () => {
    Ovali.elements.init();
    Ovali.menubar.init();
    Ovali.services.init();
    window.addEventListener('resize', () => Ovali.queue.push('resize'));
    // F6 goes on to the next panel, wherever the focus is; which one that
    // is, the game decides.
    document.addEventListener('keydown', (e) => {
      if (e.key !== 'F6' || e.defaultPrevented || Ovali.msgbox.count() > 0) return;
      e.preventDefault();
      Ovali.queue.push('panelKey', panelOf(document.activeElement), NEXT);
    });
    installable();
  };

  // The panels as the game numbers them, and the keys that act on one.
  const PANELS = ['game', 'history', 'lab'];
  const ESCAPE = 0;
  const NEXT = 1;
  const panelOf = (el) => {
    const panel = el && el.closest && el.closest('#history, #lab');
    return panel ? PANELS.indexOf(panel.id) : 0;
  };
  const panelKey = (panel, key) => Ovali.queue.push('panelKey', PANELS.indexOf(panel), key);

  // The keyboard to a panel: its first control. The game's own controls
  // get it from the game.
  const raise = (panel) => {
    if (panel !== 'game') Ovali[panel].raise();
  };

  // The tab's title, and the phase in the page's own title strip as the
  // window's title bar shows it.
  const title = (tabTitle, phase) => {
    document.title = tabTitle;
    document.getElementById('titlebar').textContent = phase;
  };

  // A polite word to a screen reader from a panel, or from the game; the
  // same words again are still news.
  const announceIn = (panel, text) => {
    if (panel !== 'game') {
      Ovali[panel].announce(text);
      return;
    }
    const status = document.getElementById('status');
    status.textContent = status.textContent === text ? text + '\u00a0' : text;
  };

  // Words said to a screen reader by a panel's own status region and shown
  // there for a moment, beside what was done; the same words again are
  // still news.
  const note = (status, text) => {
    status.textContent = status.textContent === text ? text + '\u00a0' : text;
    clearTimeout(status.ovaliTimer);
    status.ovaliTimer = setTimeout(() => {
      status.textContent = '';
    }, 2000);
  };

  // The game's settings into the address, so that it can be copied or
  // bookmarked. A file opened from disk may refuse: it keeps its address.
  const address = (query) => {
    try {
      history.replaceState(history.state, '', query + location.hash);
    } catch (e) {
      // Nothing to share from a file anyway.
    }
  };

  // The picture's size, so that the stage scrolls to all of it where it is
  // larger than the stage; a caption running over the picture's edge (a long
  // round count) is no reason to scroll.
  const extent = (width, height) => {
    const stage = document.getElementById('stage');
    let el = document.getElementById('extent');
    if (!el) {
      el = document.createElement('div');
      el.id = 'extent';
      el.setAttribute('aria-hidden', 'true');
      stage.appendChild(el);
    }
    el.style.width = width + 'px';
    el.style.height = height + 'px';
    const larger = width > stage.clientWidth + 0.5 || height > stage.clientHeight + 0.5;
    stage.style.overflow = larger ? 'auto' : 'hidden';
  };

  const layout = (fontFamily, boxPx, menuPx) => {
    const style = document.documentElement.style;
    style.setProperty('--family', fontFamily);
    style.setProperty('--box-font', boxPx + 'px');
    style.setProperty('--menu-font', menuPx + 'px');
  };

  // No handler runs any more. A page cannot close its tab: it says that the
  // game has ended and that reloading starts a new one.
  const end = () => {
    Ovali.queue.end();
    Ovali.labWorkers.stop();
    Ovali.menubar.close(false);
    Ovali.msgbox.closeAll();
    const app = document.getElementById('app');
    app.inert = true;
    app.setAttribute('aria-hidden', 'true');
    const ended = document.getElementById('ended');
    ended.hidden = false;
    ended.querySelector('button').focus();
  };

  return { init, layout, end, title, announceIn, note, address, extent, raise, panelKey, ESCAPE };
})();

Module['preRun'] = [].concat(Module['preRun'] || [], [Ovali.page.init]);
