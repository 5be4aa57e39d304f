// The page's kept files (settings, progress and whatever else the game keeps
// under its home folder) in the browser's storage, which every tab of the
// game on this address shares.
//
// The files are entries of the IndexedDB database that Emscripten's IDBFS
// keeps for the home folder (one entry a path, folders too), so the files of
// earlier versions of the page are read as they are. The page reads them all
// once before the game starts (IDBFS), and afterwards never copies its whole
// folder back: each write of the game is one file, stored by
// TolvaneStorage.store under a lock held across tabs (Web Locks): it reads
// what the storage holds now, puts that into the game's file, has the game
// merge its own values into it, and stores the result; then it tells the
// other tabs, which take the new text in. So an older tab never writes back
// what it read at its start. Every write is stored as soon as the game
// makes it (none waits), so a tab hidden or closed right after a clear has
// already handed it to the storage.
(function () {
  'use strict';
  const HOME = '/home/web_user';
  const DB_VERSION = 21;          // IDBFS's
  const STORE = 'FILE_DATA';      // IDBFS's
  const FILE_MODE = 0o100666, DIR_MODE = 0o40777;  // MEMFS's defaults
  const LOCK = 'tolvane-kept-files';
  const SETTINGS = HOME + '/.config/tolvane/settings.ini';
  const PROGRESS = HOME + '/.local/share/tolvane/progress.ini';
  const channel = 'BroadcastChannel' in window ? new BroadcastChannel(LOCK) : null;
  const busy = new Set(), again = new Set();
  let Module = null, FS = null, dbPromise = null, persistAsked = false, gameRunning = false;

  const ja = (() => {
    const m = /--lang\s+(ja|en)\b/.exec(new URLSearchParams(location.search).get('args') || '');
    if (m) return m[1] === 'ja';
    for (const l of navigator.languages || [navigator.language || '']) {
      if (/^ja\b/i.test(l)) return true;
      if (/^en\b/i.test(l)) return false;
    }
    return false;
  })();
  const say = (jaText, enText) => (ja ? jaText : enText);

  function openDb() {
    if (dbPromise) return dbPromise;
    dbPromise = new Promise((resolve, reject) => {
      let req;
      try {
        req = indexedDB.open(HOME, DB_VERSION);
      } catch (e) {
        reject(e);
        return;
      }
      req.onupgradeneeded = () => {
        const store = req.result.objectStoreNames.contains(STORE)
          ? req.transaction.objectStore(STORE) : req.result.createObjectStore(STORE);
        if (!store.indexNames.contains('timestamp')) store.createIndex('timestamp', 'timestamp', { unique: false });
      };
      req.onsuccess = () => resolve(req.result);
      req.onerror = () => reject(req.error || new Error('IndexedDB refused'));
      req.onblocked = () => reject(new Error('IndexedDB blocked'));
    });
    dbPromise.catch(() => { dbPromise = null; });
    return dbPromise;
  }

  function done(req) {
    return new Promise((resolve, reject) => {
      req.onsuccess = () => resolve(req.result);
      req.onerror = () => reject(req.error);
    });
  }

  // The stored bytes of a file, or null.
  async function readStored(path) {
    const db = await openDb();
    const entry = await done(db.transaction([STORE], 'readonly').objectStore(STORE).get(path));
    return entry && entry.contents ? new Uint8Array(entry.contents) : null;
  }

  // Stores a file and the folders above it (IDBFS needs them to read it back).
  async function putStored(path, bytes) {
    const db = await openDb();
    const tx = db.transaction([STORE], 'readwrite');
    const store = tx.objectStore(STORE);
    const now = new Date();
    const parts = path.slice(HOME.length + 1).split('/');
    for (let i = 1; i < parts.length; ++i)
      store.put({ timestamp: now, mode: DIR_MODE }, HOME + '/' + parts.slice(0, i).join('/'));
    store.put({ timestamp: now, mode: FILE_MODE, contents: bytes }, path);
    await new Promise((resolve, reject) => {
      tx.oncomplete = resolve;
      tx.onerror = () => reject(tx.error || new Error('the write was refused'));
      tx.onabort = () => reject(tx.error || new Error('the write was abandoned'));
    });
  }

  function withLock(work) {
    if (navigator.locks && navigator.locks.request) return navigator.locks.request(LOCK, work);
    return work();  // an old browser: one tab's writes still never interleave with each other
  }

  // Puts the stored text of a file (or its absence) into the game's file system.
  function placeInGame(path, bytes) {
    if (bytes) {
      FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
      FS.writeFile(path, bytes);
    } else {
      try { FS.unlink(path); } catch (e) { /* none there */ }
    }
  }

  // The note on the page when what the player earns will not be kept.
  function showNote(text) {
    const note = document.getElementById('storage-note');
    if (!note) return;
    note.textContent = text;
    note.classList.add('shown');
  }
  let lastWhy = '';
  function notKept(why) {
    if (why === lastWhy) return;  // a failing write is tried again every two seconds
    lastWhy = why;
    console.error('tolvane: progress will not be kept: ' + why);
    window.tolvane.storage = 'not kept';
    showNote(say('このウィンドウでは進行状況が保存されません', 'Progress will not be kept in this window'));
  }

  // Asks the browser not to evict the files, once, when the player first
  // earns something (the first store).
  function askPersistence() {
    if (persistAsked || !navigator.storage || !navigator.storage.persist) return;
    persistAsked = true;
    navigator.storage.persisted().then((already) => already || navigator.storage.persist()).then((granted) => {
      window.tolvane.persisted = granted;
      console.log('tolvane: storage persistence ' + (granted ? 'granted' : 'not granted'));
    }).catch((e) => console.error('tolvane: storage persistence: ' + e));
  }

  // One file of the game: read the storage, merge, store, tell the game and
  // the other tabs. A second write while one runs follows it.
  async function store(path) {
    if (busy.has(path)) { again.add(path); return; }
    busy.add(path);
    let why = '';
    try {
      await withLock(async () => {
        placeInGame(path, await readStored(path));
        why = Module.ccall('tolvane_kept_merge', 'string', ['string'], [path]);
        if (!why) await putStored(path, FS.readFile(path));
      });
    } catch (e) {
      why = String((e && e.message) || e || 'the browser refused to store it');
    }
    if (why) {
      notKept('cannot store ' + path + ': ' + why);
    } else {
      lastWhy = '';
      window.tolvane.stored = (window.tolvane.stored || 0) + 1;
      if (channel) channel.postMessage({ path: path });
      askPersistence();
    }
    Module.ccall('tolvane_kept_written', null, ['string', 'string'], [path, why]);
    busy.delete(path);
    if (again.delete(path)) store(path);
  }

  // Another tab stored a file: the game's copy follows, and a running game
  // takes it in.
  async function takeStored(path) {
    if (!FS || !path.startsWith(HOME + '/')) return;
    try {
      placeInGame(path, await readStored(path));
      if (!gameRunning) return;
      Module.ccall('tolvane_kept_changed', null, ['string'], [path]);
      window.tolvane.refreshed = (window.tolvane.refreshed || 0) + 1;
    } catch (e) {
      console.error('tolvane: cannot read ' + path + ' stored by another tab: ' + e);
    }
  }
  if (channel) channel.onmessage = (e) => takeStored(e.data && e.data.path || '');

  function download(name, text) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }

  function decode(bytes) { return bytes ? new TextDecoder().decode(bytes) : ''; }

  // A chosen file's text: UTF-8, or UTF-16 with its byte-order mark (as
  // Notepad's "Unicode" saves), as the desktop game reads it.
  function fileText(bytes) {
    const utf16 = bytes.length >= 2 && ((bytes[0] === 0xFF && bytes[1] === 0xFE) || (bytes[0] === 0xFE && bytes[1] === 0xFF));
    return new TextDecoder(utf16 ? (bytes[0] === 0xFF ? 'utf-16le' : 'utf-16be') : 'utf-8').decode(bytes);
  }

  // The settings and progress as one file, as the desktop game's --export.
  async function exportText() {
    let text = '';
    await withLock(async () => {
      text = Module.ccall('tolvane_export_text', 'string', ['string', 'string'],
        [decode(await readStored(SETTINGS)), decode(await readStored(PROGRESS))]);
    });
    return text;
  }

  // Merges an exported file into the stored files; returns '' or why it was
  // refused (then nothing changed).
  async function importText(text) {
    let why = '';
    await withLock(async () => {
      why = Module.ccall('tolvane_import_merge', 'string', ['string', 'string', 'string'],
        [decode(await readStored(SETTINGS)), decode(await readStored(PROGRESS)), text]);
      if (why) return;
      const enc = new TextEncoder();
      await putStored(SETTINGS, enc.encode(Module.ccall('tolvane_import_text', 'string', ['number'], [0])));
      await putStored(PROGRESS, enc.encode(Module.ccall('tolvane_import_text', 'string', ['number'], [1])));
    });
    if (why) return why;
    for (const path of [SETTINGS, PROGRESS]) {
      if (channel) channel.postMessage({ path: path });
      await takeStored(path);
    }
    askPersistence();
    return '';
  }

  function toast(text, bad) {
    const t = document.getElementById('storage-toast');
    if (!t) return;
    t.textContent = text;
    t.className = bad ? 'shown bad' : 'shown';
    clearTimeout(toast.timer);
    toast.timer = setTimeout(() => { t.className = ''; }, 6000);
  }

  // The page's two buttons and its file picker.
  function wireButtons() {
    const save = document.getElementById('export'), load = document.getElementById('import');
    const pick = document.getElementById('import-file');
    if (!save || !load || !pick) return;
    save.textContent = say('進行状況をファイルに保存', 'Save progress to a file');
    load.textContent = say('ファイルから進行状況を読み込む', 'Load progress from a file');
    save.addEventListener('click', async (e) => {
      e.currentTarget.blur();
      try {
        download('tolvane-progress.txt', await exportText());
      } catch (err) {
        toast(say('保存できません: ', 'Cannot save: ') + err, true);
      }
    });
    load.addEventListener('click', (e) => { e.currentTarget.blur(); pick.value = ''; pick.click(); });
    pick.addEventListener('change', async () => {
      const file = pick.files && pick.files[0];
      if (!file) return;
      let why;
      try {
        why = file.size > 65536 ? 'file too big' : await importText(fileText(new Uint8Array(await file.arrayBuffer())));
      } catch (err) {
        why = String(err);
      }
      window.tolvane.imported = why || 'ok';
      if (why) toast(say('読み込めません (何も変わっていません): ', 'Not loaded, nothing changed: ') + why, true);
      else toast(say('進行状況を読み込みました', 'Progress loaded'), false);
    });
  }

  // Before the game starts: the stored files into the home folder (IDBFS),
  // and a word when they will not last.
  function load(module, fs, idbfs, ready) {
    Module = module;
    FS = fs;
    FS.mkdirTree(HOME);
    let mounted = false;
    try {
      FS.mount(idbfs, {}, HOME);
      mounted = true;
    } catch (e) {
      notKept(String(e));
    }
    const finish = (err) => {
      if (err) {
        console.error('tolvane: cannot read the stored files: ' + err);
        notKept(String(err));
      }
      ready();
    };
    if (!mounted) return finish(null);
    // Opening the database ourselves first tells a blocked storage apart.
    openDb().then(() => new Promise((resolve) => FS.syncfs(true, (err) => { finish(err); resolve(); })))
      .catch((err) => finish(err));
    // A private window's storage is small and ends with the window.
    if (navigator.storage && navigator.storage.estimate)
      navigator.storage.estimate().then((e) => {
        if (e.quota && e.quota < 120 * 1024 * 1024) notKept('the storage is a private window\'s');
      }).catch(() => {});
  }

  window.TolvaneStorage = {
    load: load,
    store: (path) => { store(path); },
    started: () => { gameRunning = true; },
    exportText: exportText,
    importText: importText,
    wireButtons: wireButtons,
  };
})();
