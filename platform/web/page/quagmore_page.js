// The page around the game: the menu bar and status line, the boxes, the
// picture's zoom and fullscreen, sound through WebAudio, dropped files and
// level links. The game (quagmore.js, built from platform/web) calls the
// QuagmorePage functions and is called back through its exported Web*
// functions. window.quagmoreSoundCount(), window.quagmoreFrameMs() and
// window.quagmoreFirstFrameMs are for the tests and for measuring.
'use strict';

var Module = {
  arguments: [],
  canvas: null,
  quagmoreErrors: [],   // the lines the game wrote to standard error
  print: function (text) { console.log(text); },
  printErr: function (text) { Module.quagmoreErrors.push(text); console.warn(text); },
  // The game ended before it began: a level link it can't play. The page
  // says why, as the desktop's command line does, and offers the game's own levels.
  onExit: function (code) {
    if (code !== 0 && !QuagmorePage.started)
      QuagmorePage.refused(Module.quagmoreErrors.join('\n'));
  },
};

var QuagmorePage = (function () {
  var LINK_MARK = '#level=';
  var PICTURE_SIZE = 600;
  var SAMPLE_RATE = 11025;
  var BEEP_HZ = 880;
  var BEEP_SECONDS = 0.12;
  var CHECK = '\u2713';
  var CHECK_ZOOM = 1;
  var CHECK_FULLSCREEN = 2;

  var page = { started: false };
  var bar = document.getElementById('menubar');
  var statusLine = document.getElementById('status');
  var canvas = document.getElementById('picture');
  var context = canvas.getContext('2d');
  var box = document.getElementById('box');
  var boxKind = '';
  var items = {};          // by command: the item's element
  var tops = [];           // the bar's menus: {element, mnemonic}
  var openTop = null;
  var chosenZoom = 0;      // 0: the largest that fits
  var shownZoom = 1;
  var audio = null;
  var soundOpen = false;
  var sounds = {};         // by handle: {buffer, channel}
  var playing = {};        // by channel: {source, handle}
  var nextSound = 1;
  var soundCount = 0;
  var persisting = false;
  var persistAgain = false;

  if (location.hash.indexOf(LINK_MARK) === 0)
    Module.arguments = [location.href];

  function game(name) { return Module['_' + name]; }

  // ---------------------------------------------------------------------
  // The menu bar

  function label(text) {
    // '&' marks the mnemonic, "&&" is one '&'.
    var element = document.createElement('span');
    element.className = 'label';
    for (var i = 0; i < text.length; ++i) {
      if (text[i] === '&' && text[i + 1] === '&') { element.append('&'); ++i; continue; }
      if (text[i] === '&' && i + 1 < text.length) {
        var u = document.createElement('u');
        u.textContent = text[++i];
        element.append(u);
        continue;
      }
      element.append(text[i]);
    }
    return element;
  }

  function mnemonic(text) {
    var at = text.replace(/&&/g, '').indexOf('&');
    return at >= 0 ? text.replace(/&&/g, '')[at + 1].toLowerCase() : '';
  }

  function closeMenus() {
    if (openTop === null)
      return;
    bar.querySelectorAll('.open').forEach(function (element) { element.classList.remove('open'); });
    openTop = null;
    game('WebMenuOpen')(0);
  }

  function openMenu(top) {
    if (openTop === top)
      return;
    bar.querySelectorAll('.open').forEach(function (element) { element.classList.remove('open'); });
    top.element.classList.add('open');
    if (openTop === null)
      game('WebMenuOpen')(1);
    openTop = top;
    refreshChecks();
  }

  function choose(item) {
    closeMenus();
    game('WebMenuCommand')(item.command);
  }

  function buildItems(list, parent) {
    var menu = document.createElement('div');
    menu.className = 'menu';
    list.forEach(function (item) {
      var element = document.createElement('div');
      element.className = 'item';
      element.dataset.mnemonic = mnemonic(item.text);
      var check = document.createElement('span');
      check.className = 'check';
      element.append(check, label(item.text));
      var mark = document.createElement('span');
      mark.className = 'mark';
      element.append(mark);
      element.quagmore = item;
      if (item.items.length > 0) {
        element.classList.add('sub');
        element.append(buildItems(item.items, element));
        element.addEventListener('mouseenter', function () {
          element.parentNode.querySelectorAll(':scope > .item.open').forEach(function (other) {
            other.classList.remove('open');
          });
          element.classList.add('open');
        });
        element.addEventListener('click', function (event) {
          event.stopPropagation();
          element.classList.add('open');
        });
      } else {
        if (!item.enabled)
          element.classList.add('disabled');
        element.addEventListener('click', function (event) {
          event.stopPropagation();
          if (!element.classList.contains('disabled'))
            choose(item);
        });
        items[item.command] = element;
      }
      menu.append(element);
    });
    return menu;
  }

  page.menuBuild = function (menu) {
    closeMenus();
    bar.querySelectorAll('.top').forEach(function (element) { element.remove(); });
    items = {};
    tops = [];
    menu.forEach(function (entry) {
      var element = document.createElement('div');
      element.className = 'top';
      element.append(label(entry.text), buildItems(entry.items, element));
      var top = { element: element, mnemonic: mnemonic(entry.text) };
      element.addEventListener('mousedown', function (event) {
        if (event.target.closest('.menu'))
          return;
        event.preventDefault();
        if (openTop === top)
          closeMenus();
        else
          openMenu(top);
      });
      element.addEventListener('mouseenter', function () {
        if (openTop !== null)
          openMenu(top);
      });
      tops.push(top);
      bar.insertBefore(element, statusLine);
    });
    page.started = true;
  };

  page.menuEnable = function (command, enabled) {
    var element = items[command];
    if (element)
      element.classList.toggle('disabled', !enabled);
  };

  page.menuMark = function (command, text) {
    var element = items[command];
    if (!element)
      return;
    element.querySelector('.check').textContent = text ? CHECK : '';
    element.querySelector('.mark').textContent = text;
  };

  function refreshChecks() {
    Object.keys(items).forEach(function (command) {
      var element = items[command];
      var item = element.quagmore;
      if (item.check === CHECK_ZOOM)
        element.querySelector('.check').textContent =
            !document.fullscreenElement && chosenZoom === item.checkValue ? CHECK : '';
      else if (item.check === CHECK_FULLSCREEN)
        element.querySelector('.check').textContent = document.fullscreenElement ? CHECK : '';
      if (item.check === CHECK_ZOOM)
        element.classList.toggle('disabled', !page.zoomFits(item.checkValue));
    });
  }

  document.addEventListener('mousedown', function (event) {
    if (openTop !== null && !bar.contains(event.target))
      closeMenus();
  });

  page.status = function (text) { statusLine.textContent = text; };

  // ---------------------------------------------------------------------
  // Keys of the page: Alt and a menu's letter, a letter in an open menu,
  // Escape out of a menu, Alt+Enter for fullscreen.

  window.addEventListener('keydown', function (event) {
    startSound();
    if (box.open) {
      boxKey(event);
      return;
    }
    var key = event.key.toLowerCase();
    if (event.altKey && event.key === 'Enter') {
      event.preventDefault();
      page.toggleFullscreen();
      return;
    }
    if (event.altKey && !event.ctrlKey) {
      for (var i = 0; i < tops.length; ++i) {
        if (tops[i].mnemonic === key) {
          event.preventDefault();
          if (openTop === tops[i]) closeMenus(); else openMenu(tops[i]);
          return;
        }
      }
    }
    if (openTop === null)
      return;
    event.preventDefault();
    if (event.key === 'Escape') {
      closeMenus();
      return;
    }
    var shown = openTop.element.querySelectorAll(':scope > .menu > .item');
    for (var j = 0; j < shown.length; ++j) {
      if (shown[j].dataset.mnemonic === key && !shown[j].classList.contains('disabled') &&
          !shown[j].classList.contains('sub')) {
        choose(shown[j].quagmore);
        return;
      }
    }
  }, true);

  // ---------------------------------------------------------------------
  // Boxes: message, About, help and a shared link. The game stands still
  // while one is open.

  function element(tag, text, className) {
    var made = document.createElement(tag);
    if (text !== undefined) made.textContent = text;
    if (className) made.className = className;
    return made;
  }

  function okButton() {
    var buttons = element('div', undefined, 'buttons');
    var ok = element('button', 'OK');
    ok.addEventListener('click', function () { box.close(); });
    buttons.append(ok);
    return buttons;
  }

  function linkAddress(fragment) {
    return location.href.replace(/#.*$/, '') + fragment;
  }

  page.dialog = function (what) {
    closeMenus();
    box.replaceChildren();
    boxKind = what.kind;
    box.dataset.kind = what.kind;
    if (what.kind === 'message') {
      box.append(element('p', what.text), okButton());
    } else if (what.kind === 'about') {
      var top = element('div');
      top.id = 'about-top';
      top.append(element('span', what.credit), element('span', what.version));
      box.append(element('h1', what.title), top);
      what.lines.forEach(function (line) { box.append(element('p', line === '' ? '\u00a0' : line)); });
      box.append(okButton());
    } else if (what.kind === 'help') {
      var table = element('table');
      box.append(element('h1', what.title), table);
      what.rows.forEach(function (row) {
        var tr = element('tr');
        if (row[0] === '') {
          var heading = element('th', row[1]);
          heading.colSpan = 2;
          tr.append(heading);
        } else {
          tr.append(element('td', row[0]), element('td', row[1]));
        }
        table.append(tr);
      });
      box.append(element('p', 'F1, Esc or a click closes this panel.'));
    } else if (what.kind === 'share') {
      var address = linkAddress(what.fragment);
      history.replaceState(null, '', address);
      var field = element('input');
      field.readOnly = true;
      field.value = address;
      var copy = element('button', 'Copy');
      copy.addEventListener('click', function () {
        field.select();
        var done = function () { copy.textContent = 'Copied'; };
        if (navigator.clipboard && navigator.clipboard.writeText)
          navigator.clipboard.writeText(address).then(done, function () {
            if (document.execCommand('copy')) done();
          });
        else if (document.execCommand('copy'))
          done();
      });
      var buttons = okButton();
      buttons.prepend(copy, ' ');
      box.append(element('h1', 'Share level'),
                 element('p', 'The link to this board is now the page\'s address. Whoever opens it plays this board:'),
                 field, buttons);
    }
    box.showModal();
  };

  function boxKey(event) {
    var closing = event.key === 'Escape' || (boxKind !== 'help' && event.key === 'Enter' &&
                                             event.target.tagName !== 'BUTTON') ||
                  (boxKind === 'help' && event.key === 'F1');
    if (closing) {
      event.preventDefault();
      box.close();
    }
  }

  box.addEventListener('cancel', function (event) {
    event.preventDefault();
    box.close();
  });
  box.addEventListener('mousedown', function () {
    if (boxKind === 'help')
      box.close();
  });
  box.addEventListener('close', function () {
    boxKind = '';
    game('WebDialogClosed')();
    canvas.focus();
  });

  page.refused = function (text) {
    page.dialog({ kind: 'message', text: text + '\n\nThe page plays the game\'s own levels when opened without the link.' });
    box.addEventListener('close', function () {
      location.replace(location.href.replace(/#.*$/, ''));
    }, { once: true });
  };

  page.ended = function () {
    closeMenus();
    page.status('');
    page.dialog({ kind: 'message', text: 'Quagmore has ended. Reload the page to play again.' });
  };

  page.beep = function () {
    if (!audio || audio.state !== 'running')
      return;
    var tone = audio.createOscillator();
    tone.frequency.value = BEEP_HZ;
    tone.connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + BEEP_SECONDS);
  };

  // ---------------------------------------------------------------------
  // The picture: put where it changed, at the largest whole zoom that fits
  // or the one chosen, crisp, in a window or on the whole screen.

  page.canvasSize = function (width, height) {
    canvas.width = width;
    canvas.height = height;
    layout();
  };

  page.putRect = function (bytes, x, y, width, height) {
    var pixels = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, bytes.length);
    context.putImageData(new ImageData(pixels, width, height), x, y);
    if (window.quagmoreFirstFrameMs === undefined)
      window.quagmoreFirstFrameMs = performance.now();
  };

  function room() {
    var view = document.getElementById('view').getBoundingClientRect();
    return { width: view.width, height: view.height };
  }

  page.zoomFits = function (zoom) {
    var space = room();
    return canvas.width * zoom <= space.width && canvas.height * zoom <= space.height;
  };

  function largestZoom() {
    var zoom = 1;
    while (page.zoomFits(zoom + 1))
      ++zoom;
    return zoom;
  }

  function layout() {
    var zoom = chosenZoom > 0 && !document.fullscreenElement && page.zoomFits(chosenZoom) ? chosenZoom : largestZoom();
    var scale = zoom;
    if (!page.zoomFits(zoom)) {
      // Smaller than the picture: shrunk to fit.
      var space = room();
      scale = Math.min(space.width / canvas.width, space.height / canvas.height);
    }
    shownZoom = zoom;
    canvas.style.width = canvas.width * scale + 'px';
    canvas.style.height = canvas.height * scale + 'px';
    refreshChecks();
  }

  page.setZoom = function (zoom) {
    chosenZoom = zoom;
    if (document.fullscreenElement)
      document.exitFullscreen();
    layout();
  };

  page.toggleFullscreen = function () {
    if (document.fullscreenElement)
      document.exitFullscreen();
    else if (document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen().catch(function () {});
  };

  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', layout);
  document.addEventListener('visibilitychange', function () {
    if (game('WebPageHidden'))
      game('WebPageHidden')(document.hidden ? 1 : 0);
  });
  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  canvas.addEventListener('mousedown', function () { startSound(); });
  layout();

  // ---------------------------------------------------------------------
  // Sound: the game's samples as audio buffers, one sound at a time on each
  // channel. Browsers let sound start only after a key or a click.

  // The context is made at the first key or click; a sound played before
  // it is not heard (nor counted), as the browser would not play it.
  var AudioContextType = window.AudioContext || window.webkitAudioContext;

  function startSound() {
    if (audio === null && AudioContextType && soundOpen) {
      try {
        audio = new AudioContextType();
      } catch (error) {
        soundOpen = false;
      }
    }
    if (audio && audio.state === 'suspended')
      audio.resume();
  }

  page.soundOpen = function () {
    soundOpen = Boolean(AudioContextType);
    return soundOpen;
  };

  // Samples 8-bit unsigned, kept as the floats WebAudio plays.
  page.soundCreate = function (channel, samples) {
    if (!soundOpen)
      return 0;
    var floats = new Float32Array(samples.length);
    for (var i = 0; i < samples.length; ++i)
      floats[i] = (samples[i] - 128) / 128;
    var handle = nextSound++;
    sounds[handle] = { samples: floats, buffer: null, channel: channel };
    return handle;
  };

  function stopChannel(channel) {
    var now = playing[channel];
    if (!now)
      return;
    delete playing[channel];
    try { now.source.stop(); } catch (error) {}
  }

  page.soundPlay = function (handle) {
    var sound = sounds[handle];
    if (!sound || audio === null)
      return false;
    if (sound.buffer === null) {
      sound.buffer = audio.createBuffer(1, sound.samples.length, SAMPLE_RATE);
      sound.buffer.getChannelData(0).set(sound.samples);
    }
    stopChannel(sound.channel);
    var source = audio.createBufferSource();
    source.buffer = sound.buffer;
    source.connect(audio.destination);
    source.start();
    playing[sound.channel] = { source: source, handle: handle };
    ++soundCount;
    return true;
  };

  page.soundStop = function (handle) {
    var sound = sounds[handle];
    if (sound && playing[sound.channel] && playing[sound.channel].handle === handle)
      stopChannel(sound.channel);
  };

  page.soundRelease = function (handle) {
    page.soundStop(handle);
    delete sounds[handle];
  };

  page.soundClose = function () {
    Object.keys(playing).forEach(function (channel) { stopChannel(channel); });
    sounds = {};
    soundOpen = false;
    if (audio)
      audio.close();
    audio = null;
  };

  // ---------------------------------------------------------------------
  // Files: after every write the home directory goes to IndexedDB; a write
  // that can't be kept there is told.

  page.filesPersist = function () {
    if (persisting) {
      persistAgain = true;
      return;
    }
    persisting = true;
    Module.quagmoreFS.syncfs(false, function (error) {
      persisting = false;
      if (error)
        Module.ccall('WebFilesFailed', null, ['string'], [String(error)]);
      if (persistAgain) {
        persistAgain = false;
        page.filesPersist();
      }
    });
  };

  page.filesSaved = function () { return !persisting && !persistAgain; };

  // A level file dropped on the page plays as on the desktop; it is put in
  // the game's file system under its own name first.
  document.addEventListener('dragover', function (event) { event.preventDefault(); });
  document.addEventListener('drop', function (event) {
    event.preventDefault();
    var files = event.dataTransfer && event.dataTransfer.files;
    if (!files || files.length === 0 || !page.started)
      return;
    var file = files[0];
    file.arrayBuffer().then(function (bytes) {
      var directory = '/dropped';
      var path = directory + '/' + (file.name.replace(/\//g, '_') || 'file');
      var fs = Module.quagmoreFS;
      try { fs.mkdir(directory); } catch (error) {}
      fs.writeFile(path, new Uint8Array(bytes));
      Module.ccall('WebDropFile', null, ['string'], [path]);
    });
  });

  // A level link opened in the page while it runs plays as a dropped file.
  window.addEventListener('hashchange', function () {
    if (page.started && location.hash.indexOf(LINK_MARK) === 0)
      Module.ccall('WebDropFile', null, ['string'], [location.href]);
  });

  window.quagmoreSoundCount = function () { return soundCount; };
  window.quagmoreFrameMs = function () { return page.started ? game('WebFrameMsMedian')() : 0; };
  return page;
})();
