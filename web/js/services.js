// The browser's services the game uses: the beep, the clock and the clipboard.
Ovali.services = (() => {
  'use strict';

  let audio = null;

  // Browsers start sound only after the user's first act on the page.
  const unlockAudio = () => {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    if (!audio) {
      try {
        audio = new Context();
      } catch (e) {
        return;
      }
    }
    if (audio.state === 'suspended') audio.resume();
  };

  const beep = () => {
    if (!audio || audio.state !== 'running') return;
    const osc = audio.createOscillator();
    const gain = audio.createGain();
    osc.frequency.value = 880;
    gain.gain.setValueAtTime(0.15, audio.currentTime);
    gain.gain.exponentialRampToValueAtTime(0.001, audio.currentTime + 0.12);
    osc.connect(gain);
    gain.connect(audio.destination);
    osc.start();
    osc.stop(audio.currentTime + 0.12);
  };

  const secondsSinceMidnight = () => {
    const now = new Date();
    const midnight = new Date(now.getFullYear(), now.getMonth(), now.getDate());
    return (now.getTime() - midnight.getTime()) / 1000;
  };

  const clockSeed = () => Date.now() * 1000 + (performance.now() % 1000) * 1000;

  // The clipboard API needs a secure page (a file or localhost is one); the
  // older command covers the rest, and gives the focus back after it.
  const copy = (text) => {
    const fallback = () => {
      const active = document.activeElement;
      const area = document.createElement('textarea');
      area.value = text;
      area.setAttribute('readonly', '');
      area.style.position = 'fixed';
      area.style.opacity = '0';
      document.body.appendChild(area);
      area.select();
      document.execCommand('copy');
      area.remove();
      if (active && active !== document.body) Ovali.elements.focusQuietly(active);
    };
    if (navigator.clipboard && navigator.clipboard.writeText) {
      navigator.clipboard.writeText(text).catch(fallback);
    } else {
      fallback();
    }
  };

  const init = () => {
    document.addEventListener('pointerdown', unlockAudio, true);
    document.addEventListener('keydown', unlockAudio, true);
  };

  return { init, beep, secondsSinceMidnight, clockSeed, copy };
})();
