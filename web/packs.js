// The game's data, fetched in packs (scripts/web-packs.py): the first holds
// what the cover, the opening and the title need and is waited for before
// the game starts; the rest follow one at a time in story order, each file
// written under /data as it arrives. The game asks before each scene whether
// its packs are here (Module.tolvaneSceneReady, src/app/data_gate.cpp); the
// packs a waiting scene lacks are fetched at once, beside the queue's.
(function () {
  'use strict';
  const root = new URL('packs/', document.currentScript ? document.currentScript.src : location.href);
  const state = {
    index: null,
    arrived: [],       // by pack number: written into the file system
    held: new Map(),   // arrived before the file system was there
    queue: [],         // pack numbers still to fetch, the next first
    inflight: new Set([0]),
    fs: null,
    firstDone: null,   // the run dependency's release (see attach)
    waitAll: false,
    failed: null,
  };
  window.tolvanePacks = state;

  function status(text) {
    if (window.Module && Module.setStatus) Module.setStatus(text);
  }

  // Fetches with a few tries: a phone's link drops now and then.
  async function fetchBytes(url, onProgress) {
    let wait = 500;
    for (let attempt = 1; ; ++attempt) {
      try {
        const r = await fetch(url);
        if (!r.ok) throw new Error(r.status + ' ' + r.statusText);
        if (!onProgress || !r.body) return new Uint8Array(await r.arrayBuffer());
        const total = Number(r.headers.get('Content-Length')) || 0;
        const chunks = [];
        let got = 0;
        for (const reader = r.body.getReader(); ;) {
          const { done, value } = await reader.read();
          if (done) break;
          chunks.push(value);
          got += value.length;
          onProgress(got, total);
        }
        const out = new Uint8Array(got);
        let at = 0;
        for (const c of chunks) { out.set(c, at); at += c.length; }
        return out;
      } catch (err) {
        if (attempt >= 4) throw err;
        console.warn('tolvane: ' + url + ': ' + err + '; trying again');
        await new Promise((done) => setTimeout(done, wait));
        wait *= 2;
      }
    }
  }

  function write(n, bytes) {
    const pack = state.index.packs[n];
    if (bytes.length !== pack.bytes) throw new Error(pack.url + ': ' + bytes.length + ' bytes, not ' + pack.bytes);
    for (const [path, offset, size] of pack.files) {
      const full = '/data/' + path;
      state.fs.mkdirTree(full.slice(0, full.lastIndexOf('/')));
      state.fs.writeFile(full, bytes.subarray(offset, offset + size));
    }
    state.arrived[n] = true;
  }

  function allArrived() {
    return state.index !== null && state.index.packs.every((_, n) => state.arrived[n]);
  }

  function settle() {
    if (!state.firstDone || !state.index) return;
    if (state.waitAll ? allArrived() : state.arrived[0]) {
      const done = state.firstDone;
      state.firstDone = null;
      done();
    }
  }

  // Packs are written once both the index and the file system are there.
  function flush() {
    if (state.fs && state.index) {
      for (const [n, bytes] of state.held) write(n, bytes);
      state.held.clear();
    }
    settle();
  }

  function take(n, bytes) {
    state.held.set(n, bytes);
    flush();
  }

  function failed(err) {
    state.failed = String(err);
    console.error('tolvane: cannot fetch the game\'s data: ' + err);
    if (window.Module && Module.tolvaneError) Module.tolvaneError('The game\'s data could not be fetched: ' + err);
  }

  function launch(n) {
    state.inflight.add(n);
    fetchBytes(new URL(state.index.packs[n].url, new URL('..', root)).href)
      .then((bytes) => take(n, bytes))
      .catch(failed)
      .finally(() => { state.inflight.delete(n); pump(); });
  }

  // One pack at a time in the background, in the queue's order.
  function pump() {
    while (!state.failed && !state.inflight.size && state.queue.length) {
      const n = state.queue.shift();
      if (!state.arrived[n] && !state.held.has(n)) launch(n);
    }
  }

  // At once, beside the program's own download: the index and the first
  // pack together (the cover's bar follows the pack), then the rest.
  fetchBytes(new URL('0.bin', root).href,
             // A compressed pack's length is its copy's: the bar stops at the end.
             (got, total) => status('Downloading data... (' + got + '/' + Math.max(total, got) + ')'))
    .then((bytes) => take(0, bytes)).catch(failed).finally(() => { state.inflight.delete(0); pump(); });
  fetchBytes(new URL('index.json', root).href).then((bytes) => {
    state.index = JSON.parse(new TextDecoder().decode(bytes));
    state.queue = state.index.packs.map((_, n) => n).slice(1);
    flush();
    pump();
  }).catch(failed);

  // The game waits for these: fetched now, beside whatever is on the way.
  function hurry(packs) {
    for (const n of packs) {
      if (state.inflight.has(n) || state.failed) continue;
      state.queue = state.queue.filter((m) => m !== n);
      launch(n);
    }
  }

  // From the page's preRun: the file system is there; the game starts once
  // the first pack (waitAll: every pack) is written.
  state.attach = function (module, waitAll) {
    state.fs = module.FS || window.FS;
    state.waitAll = waitAll;
    state.fs.mkdirTree('/data');
    module.addRunDependency('packs');
    state.firstDone = () => module.removeRunDependency('packs');
    flush();
    // 2: every pack here; 1: this scene's; 0: not yet (its packs are
    // fetched at once).
    module.tolvaneSceneReady = (scene) => {
      if (allArrived()) return 2;
      if (!state.index) return 0;
      const needs = state.index.scenes[scene] || state.index.packs.map((_, n) => n);
      const missing = needs.filter((n) => !state.arrived[n]);
      if (!missing.length) return 1;
      hurry(missing);
      return 0;
    };
  };
})();
