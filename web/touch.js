// The page on phones and tablets, in background tabs and off line: a touch
// screen's wording and pause button, the "turn your phone" card, landscape
// held in full screen, no browser gestures or menus over the game, sound
// stopped in a hidden tab, and the service worker that keeps the page's
// files (sw.js, written by scripts/web-sw.py for each build). The game
// reads fingers itself (src/app/touch.cpp); this file only tells it that
// the cover was tapped and that the pause button was.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const canvas = $('canvas'), cover = $('cover'), pause = $('pause'), turn = $('turn');
  const ja = ((navigator.languages && navigator.languages[0]) || navigator.language || '').startsWith('ja');
  const say = (jaText, enText) => (ja ? jaText : enText);
  const started = () => !!(window.tolvane && window.tolvane.started);

  // A touch screen: the page says "tap" and shows its pause button (once
  // the game runs) from the first finger on, or at once where the screen
  // has no mouse.
  let touch = false;
  function useTouch(on) {
    if (touch === on) return;
    touch = on;
    document.documentElement.classList.toggle('touch', on);
    $('start').textContent = on ? say('タップしてはじめる', 'Tap to start') : 'Click to start';
  }
  if (window.matchMedia && matchMedia('(hover: none) and (pointer: coarse)').matches) useTouch(true);
  document.addEventListener('pointerdown', (e) => useTouch(e.pointerType === 'touch'), true);
  pause.textContent = say('一時停止', 'Pause');
  pause.title = pause.textContent + ' (P)';

  // The cover tapped by a finger: the game says "tap" from its first picture.
  let coverFinger = false;
  cover.addEventListener('pointerdown', (e) => { coverFinger = e.pointerType === 'touch'; }, true);
  const wasStarted = Module.tolvaneStarted;
  Module.tolvaneStarted = () => {
    wasStarted();
    document.documentElement.classList.add('playing');
    if (coverFinger && Module._tolvane_finger) Module._tolvane_finger();
  };
  pause.addEventListener('click', (e) => {
    e.currentTarget.blur();
    if (started() && Module._tolvane_pause) Module._tolvane_pause();
    canvas.focus();
  });

  // No browser gestures over the game: no menu under a long press or a
  // right-click, no selection, zoom or scrolling (the style sheet says the
  // rest: touch-action, user-select).
  document.addEventListener('contextmenu', (e) => e.preventDefault());
  document.addEventListener('selectstart', (e) => e.preventDefault());
  document.addEventListener('dblclick', (e) => e.preventDefault());

  // Portrait on a phone: the picture would be too small to play, so a card
  // asks for the phone turned (a tap on it plays on anyway). A tablet's
  // portrait picture is large enough and shows no card.
  let turnDismissed = false;
  turn.querySelector('p').textContent = say('スマホを横にしてね', 'Turn your phone sideways');
  turn.querySelector('small').textContent = say('タップでこのままあそぶ', 'Tap to play this way');
  function checkTurn() {
    const portrait = innerHeight > innerWidth;
    const small = canvas.getBoundingClientRect().width < 560;
    turn.classList.toggle('shown', portrait && small && !turnDismissed);
  }
  turn.addEventListener('click', () => { turnDismissed = true; checkTurn(); });
  window.addEventListener('resize', checkTurn);
  window.addEventListener('orientationchange', checkTurn);
  checkTurn();

  // Full screen holds landscape where the browser lets a page lock it.
  document.addEventListener('fullscreenchange', () => {
    const o = screen.orientation;
    if (document.fullscreenElement && o && o.lock) o.lock('landscape').catch(() => {});
    checkTurn();
  });

  // A hidden tab is silent: the game pauses itself (as the player's P, from
  // the browser's visibility event), and its sound stops here at once, since
  // a background tab runs no frames to tell it.
  function audio() { return Module.SDL2 && Module.SDL2.audioContext; }
  let resumeOnShow = false;
  document.addEventListener('visibilitychange', () => {
    const ctx = audio();
    if (!ctx) return;
    if (document.hidden) {
      resumeOnShow = ctx.state === 'running';
      ctx.suspend();
    } else if (resumeOnShow) {
      resumeOnShow = false;
      ctx.resume();
    }
  });

  // The page's files kept for off-line play (HTTPS or localhost only). A
  // headless run (a test's replay) leaves the browser as it found it.
  const args = (window.tolvane && window.tolvane.args) || [];
  // Registered once every pack has arrived, so that the worker fills its
  // cache from the browser's and never competes with the title's download.
  function registerWorker() {
    const p = window.tolvanePacks;
    if (p && p.failed) return;
    if (!p || !p.index || !p.index.packs.every((_, n) => p.arrived[n])) {
      setTimeout(registerWorker, 1000);
      return;
    }
    navigator.serviceWorker.register('sw.js').catch((err) => console.log('tolvane: no service worker: ' + err));
  }
  if ('serviceWorker' in navigator && !args.includes('--headless')) registerWorker();
})();
