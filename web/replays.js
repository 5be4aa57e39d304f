// Replays in the page: every kept replay (replays/ beside the progress, in
// the browser's storage) to download, and a replay file to watch. A button
// beside the full-screen one opens the list.
(function () {
  'use strict';
  const folder = '/home/web_user/.local/share/tolvane/replays';
  const uploaded = folder + '/uploaded.txt';

  const button = document.createElement('button');
  button.id = 'replays';
  button.textContent = 'Replays';
  button.title = 'Download a kept replay, or watch a replay file';
  button.style.cssText = 'position:fixed;right:110px;bottom:10px;padding:4px 10px;font:14px sans-serif;color:#ccc;' +
    'background:#222;border:1px solid #555;border-radius:4px;cursor:pointer;opacity:0.6;';
  const panel = document.createElement('div');
  panel.id = 'replay-panel';
  panel.style.cssText = 'position:fixed;right:10px;bottom:44px;max-height:60%;overflow:auto;padding:10px;' +
    'font:14px sans-serif;color:#ddd;background:#222;border:1px solid #555;border-radius:4px;display:none;';
  const list = document.createElement('ul');
  list.style.cssText = 'margin:0 0 8px 0;padding-left:18px;';
  const upload = document.createElement('input');
  upload.type = 'file';
  upload.id = 'replay-file';
  upload.accept = '.txt,text/plain';
  const note = document.createElement('div');
  const label = document.createElement('div');
  label.textContent = 'Watch a replay file:';
  panel.append(list, label, upload, note);
  document.body.append(button, panel);

  function keptNames() {
    try {
      return FS.readdir(folder).filter((n) => /^stage\d+-(best|last)\.txt$/.test(n)).sort();
    } catch (e) {
      return [];
    }
  }

  function refresh() {
    list.textContent = '';
    const names = keptNames();
    if (!names.length) list.textContent = 'No clear kept yet.';
    for (const name of names) {
      const item = document.createElement('li');
      const link = document.createElement('a');
      link.textContent = name;
      link.href = '#';
      link.style.color = '#c9b16d';
      link.addEventListener('click', (e) => {
        e.preventDefault();
        const blob = new Blob([FS.readFile(folder + '/' + name)], { type: 'text/plain' });
        const a = document.createElement('a');
        a.href = URL.createObjectURL(blob);
        a.download = 'tolvane-' + name;
        a.click();
        setTimeout(() => URL.revokeObjectURL(a.href), 1000);
      });
      item.append(link);
      list.append(item);
    }
  }

  button.addEventListener('click', (e) => {
    e.currentTarget.blur();
    panel.style.display = panel.style.display === 'none' ? 'block' : 'none';
    if (panel.style.display === 'block') refresh();
  });

  // The file goes beside the kept ones; the running game watches it from its
  // stage's start (it says whether it could).
  upload.addEventListener('change', async () => {
    const file = upload.files[0];
    if (!file) return;
    const text = new Uint8Array(await file.arrayBuffer());
    if (!window.tolvane.started || !Module._TolvaneWatchUploaded) {
      note.textContent = 'Start the game first.';
      return;
    }
    FS.mkdirTree(folder);
    FS.writeFile(uploaded, text);
    const ok = Module._TolvaneWatchUploaded() === 1;
    window.tolvane.watching = ok;
    note.textContent = ok ? 'Watching ' + file.name : file.name + ' is not a replay of this game.';
    upload.value = '';
    if (ok) panel.style.display = 'none';
    document.getElementById('canvas').focus();
  });

  window.tolvane.keptReplays = keptNames;
})();
