// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The browser calls the page's front end needs, as an Emscripten library:
// the window and its controls as the page's own elements (a <button> for a
// button, a text element for a label, boxes for the outlines, an <img>
// clipped by the picture's box), the timers on the browser's clock, the end
// of the game and the run-time error's report as the page's own message.
// Every control is a number, its handle; clicks and ticks go back to the
// program through _km_click and _km_tick. The page (index.html) gives the
// elements #window, #report and #ended, and the function klikomanEnded.
mergeInto(LibraryManager.library, {
  $km: {
    controls: [],  // element by handle
    timers: {},    // setInterval id by handle
    reportOpen: false,
    ended: null,   // the status, once the game has ended
    // A button the keyboard can no longer press (disabled or hidden by
    // `change`) hands the focus on to the next one that it can, in the Tab
    // order, as the desktop's window does: Space on Start goes on to Stop.
    // Whether it had the focus is asked first: Firefox drops the focus of a
    // disabled button at once.
    passFocus: (e, change) => {
      const focused = document.activeElement === e;
      change();
      if (!focused || (!e.disabled && e.style.visibility !== 'hidden')) {
        return;
      }
      const buttons = Array.from(document.querySelectorAll('#window button'));
      const at = buttons.indexOf(e);
      const next = buttons.slice(at + 1).concat(buttons.slice(0, at))
        .find((b) => !b.disabled && b.style.visibility !== 'hidden');
      if (next) {
        next.focus();
      } else {
        e.blur();
      }
    },
    // Calls the program with a handle. End, or a run-time error, ends the
    // game where it is raised and abandons the call (km_abandon): its
    // stack is unwound to here, and the program goes on from its state.
    call: (f, handle) => {
      const sp = stackSave();
      try {
        f(handle);
      } catch (e) {
        if (e !== km) throw e;
        stackRestore(sp);
      }
    },
  },
  $km__deps: ['stackSave', 'stackRestore'],

  km_abandon__deps: ['$km'],
  km_abandon: function () {
    throw km;
  },

  // A control of a kind (0 label, 1 button, 2 outline, 3 picture); its handle.
  km_create__deps: ['$km'],
  km_create: function (kind) {
    const handle = km.controls.length;
    const e = document.createElement(kind === 1 ? 'button' : 'div');
    e.className = ['label', 'button', 'outline', 'picture'][kind];
    if (kind === 1) {
      e.type = 'button';
    }
    if (kind === 3) {
      e.appendChild(document.createElement('img')).alt = '';
    }
    if (kind !== 2) {  // an outline lets clicks through
      e.addEventListener('click', () => km.call(_km_click, handle));
    }
    document.getElementById('window').appendChild(e);
    km.controls.push(e);
    return handle;
  },

  km_place__deps: ['$km'],
  km_place: function (handle, x, y, width, height) {
    const s = km.controls[handle].style;
    s.left = x + 'px';
    s.top = y + 'px';
    s.width = width + 'px';
    s.height = height + 'px';
  },

  // Hidden, a control lets clicks through, shows the window behind it and
  // is left out of what a screen reader reads.
  km_visible__deps: ['$km'],
  km_visible: function (handle, shown) {
    const e = km.controls[handle];
    km.passFocus(e, () => { e.style.visibility = shown ? '' : 'hidden'; });
  },

  km_enabled__deps: ['$km'],
  km_enabled: function (handle, enabled) {
    const e = km.controls[handle];
    km.passFocus(e, () => { e.disabled = !enabled; });
  },

  // The text a control shows, and the name a reader is told where that
  // differs (a square has no text; the score reads with what it counts):
  // the shown text is then hidden from readers and the name read instead.
  // A live control (the score) is told politely, whole, as it changes.
  km_text__deps: ['$km'],
  km_text: function (handle, text, name, live) {
    const e = km.controls[handle];
    const shown = UTF8ToString(text);
    const read = UTF8ToString(name);
    if (live) {
      e.setAttribute('aria-live', 'polite');
      e.setAttribute('aria-atomic', 'true');
    }
    e.textContent = '';
    if (read === shown) {
      e.textContent = shown;
      return;
    }
    if (shown) {
      const visible = e.appendChild(document.createElement('span'));
      visible.textContent = shown;
      visible.setAttribute('aria-hidden', 'true');
    }
    if (read) {
      const said = e.appendChild(document.createElement('span'));
      said.className = 'reader';
      said.textContent = read;
    }
  },

  // Colours as 0xRRGGBB, -1 for the window's or the platform's own.
  km_look__deps: ['$km'],
  km_look: function (handle, back, fore, centred) {
    const s = km.controls[handle].style;
    const css = (c) => (c < 0 ? '' : '#' + c.toString(16).padStart(6, '0'));
    s.backgroundColor = css(back);
    s.color = css(fore);
    s.textAlign = centred ? 'center' : '';
  },

  km_font__deps: ['$km'],
  km_font: function (handle, face, pixels, bold) {
    const s = km.controls[handle].style;
    s.fontFamily = '"' + UTF8ToString(face) + '"';
    s.fontSize = pixels + 'px';
    s.fontWeight = bold ? 'bold' : '';
  },

  km_border__deps: ['$km'],
  km_border: function (handle, pixels) {
    km.controls[handle].style.borderWidth = pixels + 'px';
  },

  km_pointer__deps: ['$km'],
  km_pointer: function (handle, forbidden) {
    km.controls[handle].style.cursor = forbidden ? 'not-allowed' : '';
  },

  // What a reader is told: 0 text, 1 button, 2 image, 3 alert; a control it
  // should not hear about is hidden from it.
  km_reader__deps: ['$km'],
  km_reader: function (handle, role, name, description, hidden) {
    const e = km.controls[handle];
    const set = (attribute, value) =>
      value ? e.setAttribute(attribute, value) : e.removeAttribute(attribute);
    set('aria-hidden', hidden ? 'true' : '');
    set('role', role === 3 ? 'alert' : role === 2 ? 'img' : '');
    set('aria-label', role === 2 ? UTF8ToString(name) : '');
    set('aria-description', UTF8ToString(description));
  },

  // The window's caption, size (in pixels of the layout) and font.
  km_window__deps: [],
  km_window: function (caption, width, height, face, pixels) {
    document.title = UTF8ToString(caption);
    const s = document.getElementById('window').style;
    s.width = width + 'px';
    s.height = height + 'px';
    s.font = `${pixels}px "${UTF8ToString(face)}"`;
  },

  // Stacking (handles, the first on top; buttons lie above everything
  // else) and the order a reader, and the Tab key, go through the controls:
  // as stacked, or in reading order (top to bottom, then left to right).
  km_order__deps: ['$km'],
  km_order: function (stacking, count, readingOrder) {
    const handles = Array.from(HEAP32.subarray(stacking >> 2, (stacking >> 2) + count));
    const e = (h) => km.controls[h];
    handles.forEach((h, i) => {
      e(h).style.zIndex = (e(h).tagName === 'BUTTON' ? 2 * count : count) - i;
    });
    const place = (h) => [parseInt(e(h).style.top, 10), parseInt(e(h).style.left, 10)];
    if (readingOrder) {
      handles.sort((a, b) => place(a)[0] - place(b)[0] || place(a)[1] - place(b)[1]);
    }
    const window = document.getElementById('window');
    handles.forEach((h) => window.appendChild(e(h)));
  },

  // Shows the window, the focus on a control (-1: none), and fetches the
  // picture once the page is idle, so that it is there for the first hit
  // without standing in the way of the first frame.
  km_show__deps: ['$km'],
  km_show: function (focus) {
    const window_ = document.getElementById('window');
    window_.hidden = false;
    // Focused as the window first shows, with the frame's own layout; at
    // once, it would lay the page out again before its first frame.
    if (focus >= 0) {
      requestAnimationFrame(() => km.controls[focus].focus());
    }
    (self.requestIdleCallback || setTimeout)(() => {
      for (const e of km.controls) {
        const img = e.firstChild;
        if (img && img.tagName === 'IMG' && !img.src) {
          img.src = 'picture.jpg';
        }
      }
    });
    window_.dispatchEvent(new Event('klikoman-shown', { bubbles: true }));
  },

  // The picture is needed now: fetched if it has not been, and told back
  // through _km_picture_failed if it cannot be decoded. Whether it is known
  // already that it cannot.
  km_uncover__deps: ['$km'],
  km_uncover: function (handle) {
    const img = km.controls[handle].firstChild;
    if (!img.src) {
      img.src = 'picture.jpg';
    }
    if (!img.dataset.watched) {
      img.dataset.watched = '1';
      img.decode().catch(() => {
        img.dataset.failed = '1';
        img.hidden = true;  // no broken picture's sign in its place
        km.call(_km_picture_failed, handle);
      });
    }
    return img.dataset.failed ? 1 : 0;
  },

  // A timer ticking every `ms` milliseconds from now; 0 stops it.
  km_timer__deps: ['$km'],
  km_timer: function (handle, ms) {
    clearInterval(km.timers[handle]);
    delete km.timers[handle];
    if (ms > 0) {
      km.timers[handle] = setInterval(() => km.call(_km_tick, handle), ms);
    }
  },

  // The game has ended: no clock ticks, and once no report is open the
  // page says so (klikomanEnded).
  km_end__deps: ['$km'],
  km_end: function (status) {
    Object.values(km.timers).forEach(clearInterval);
    km.timers = {};
    km.ended = status;
    if (!km.reportOpen) {
      klikomanEnded(status);
    }
  },

  // The run-time error's report, over the stopped game until it is closed.
  km_report__deps: ['$km'],
  km_report: function (title, message) {
    const report = document.getElementById('report');
    report.querySelector('h2').textContent = UTF8ToString(title);
    report.querySelector('p').textContent = UTF8ToString(message);
    km.reportOpen = true;
    report.hidden = false;
    const ok = report.querySelector('button');
    ok.onclick = () => {
      report.hidden = true;
      km.reportOpen = false;
      if (km.ended !== null) {
        klikomanEnded(km.ended);
      }
    };
    ok.focus();
  },
});
