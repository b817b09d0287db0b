// The page as a whole: its start, its layout and its end. Nothing here
// decides anything about the game; the game (in WebAssembly) writes into the
// page and takes the queued events in its own passes.
Ovali.page = (() => {
  'use strict';

  const init = () => {
    Ovali.elements.init();
    Ovali.menubar.init();
    Ovali.services.init();
    window.addEventListener('resize', () => Ovali.queue.push('resize'));
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
    Ovali.menubar.close(false);
    Ovali.msgbox.closeAll();
    const app = document.getElementById('app');
    app.inert = true;
    app.setAttribute('aria-hidden', 'true');
    const ended = document.getElementById('ended');
    ended.hidden = false;
    ended.querySelector('button').focus();
  };

  return { init, layout, end };
})();

Module['preRun'] = [].concat(Module['preRun'] || [], [Ovali.page.init]);
