// SPDX-License-Identifier: MIT
// The page's side of the web back-end: the listeners that report what the user does to the
// program, and the few element operations it asks for. Linked with --post-js, so `Module` is
// the program's module.
// Should the program ever stop (a trap, an exception nothing caught), the page says so over the
// window, whose boxes keep what they hold, instead of going on taking keys that reach nobody.
Module['onAbort'] = function () {
  const notice = document.createElement('p');
  notice.setAttribute('role', 'alert');
  notice.textContent = 'The Quenmark has stopped. Copy what you need from the boxes, then reload the page.';
  notice.style.cssText = 'margin: 0 0 8px; padding: 8px; background: #ffffc0; border: 1px solid #c00000; font: 14px sans-serif;';
  document.body.insertBefore(notice, document.body.firstChild);
  for (const control of document.querySelectorAll('#frmVelloq button, #frmVelloq input')) control.disabled = true;
  for (const box of document.querySelectorAll('#frmVelloq textarea')) box.readOnly = true;
};

Module['quenmark'] = (function () {
  let pageChars = null;  // code -> character of Windows-1252
  let pageCodes = null;  // character -> code
  function tables() {
    if (!pageChars) {
      pageChars = [];
      pageCodes = new Map();
      for (let code = 0; code < 256; ++code) {
        const character = String.fromCharCode(Module.webUnicodeOf(code));
        pageChars.push(character);
        if (!pageCodes.has(character)) pageCodes.set(character, code);
      }
    }
  }
  function codeOf(character) {
    tables();
    const code = pageCodes.get(character);
    return code === undefined ? 63 : code;  // '?' for what the page cannot hold
  }
  function characterOf(code, multiLine) {
    tables();
    if (code === 13 || code === 10) return multiLine ? '\n' : '';
    return pageChars[code & 0xFF];
  }
  // Text from outside (a paste, a drop) as the box can hold it.
  function pageText(text, multiLine) {
    text = text.replace(/\r\n?/g, '\n');
    if (!multiLine) text = text.split('\n')[0];
    let result = '';
    for (const character of text) result += character === '\n' ? '\n' : characterOf(codeOf(character), multiLine);
    return result;
  }
  function insert(box, index, text) {
    if (text) box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
    Module.webEdited(index);
  }
  // Each character through KeyPress; what the characters leave.
  function keyPresses(index, text, multiLine) {
    let left = '';
    for (const character of text) {
      const code = Module.webKeyPress(index, codeOf(character));
      if (code !== 0) left += characterOf(code, multiLine);
    }
    return left;
  }
  function type(box, index, text, multiLine) {
    insert(box, index, keyPresses(index, text, multiLine));
  }

  let audio = null;
  const scrolling = new Set();
  function scrollToEnds() {
    for (const box of scrolling) box.scrollTop = box.scrollHeight;
    scrolling.clear();
  }

  return {
    pictureSource(name) {
      return Module['quenmarkPicture'] || name;
    },
    // A user selecting in the box keeps the selection; elsewhere the box shows its new end,
    // scrolled there once a frame, however many appends came before it.
    append(box, text, focused) {
      const end = box.value.length;
      const keep = focused && box.selectionEnd < end;
      box.setRangeText(text, end, end, keep ? 'preserve' : 'end');
      if (!keep) {
        if (scrolling.size === 0) requestAnimationFrame(scrollToEnds);
        scrolling.add(box);
      }
    },
    beep() {
      try {
        audio = audio || new AudioContext();
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        volume.gain.value = 0.1;
        tone.frequency.value = 880;
        tone.connect(volume).connect(audio.destination);
        tone.start();
        tone.stop(audio.currentTime + 0.12);
      } catch (error) {
        // No sound where the page may not play one.
      }
    },
    listenBox(box, index, multiLine, readOnly) {
      box.addEventListener('keydown', (event) => {
        if (readOnly || event.isComposing || event.key === 'Tab' || (event.altKey && !event.ctrlKey)) return;
        Module.webShowPending(index);
        let code = null;
        let boxActs = false;  // the element deletes, pastes, selects as it always does
        if (event.key === 'Enter') code = event.ctrlKey ? 10 : 13;
        else if (event.key === 'Backspace') { code = event.ctrlKey ? 127 : 8; boxActs = true; }
        else if (event.key === 'Escape') code = 27;
        else if (event.ctrlKey && /^[a-zA-Z]$/.test(event.key)) {
          code = event.key.toUpperCase().charCodeAt(0) - 64;
          boxActs = true;
        }
        if (code === null) return;
        const left = Module.webKeyPress(index, code);
        if (boxActs && left !== 0) return;
        event.preventDefault();
        if (left >= 32 || left === 13 || left === 10) insert(box, index, characterOf(left, multiLine));
      });
      box.addEventListener('beforeinput', (event) => {
        if (readOnly) return;
        Module.webShowPending(index);
        switch (event.inputType) {
        case 'insertText': {
          // What KeyPress leaves as it was, the box inserts itself: inserting it by script
          // instead would cost as much as the box's text is long. Where KeyPress moved the
          // focus, the box would take it back to insert.
          const typed = event.data || '';
          const left = keyPresses(index, typed, multiLine);
          if (left !== typed || document.activeElement !== box) {
            event.preventDefault();
            insert(box, index, left);
          }
          break;
        }
        case 'insertLineBreak':
        case 'insertParagraph':
          event.preventDefault();  // Enter came through keydown
          break;
        case 'insertFromPaste':
        case 'insertFromDrop':
        case 'insertReplacementText': {
          event.preventDefault();
          const text = event.data !== null ? event.data
            : event.dataTransfer ? event.dataTransfer.getData('text/plain') : '';
          insert(box, index, pageText(text, multiLine));
          break;
        }
        default:
          break;
        }
      });
      // An input method's text cannot be refused while it is composed: it is taken back once
      // composed and typed as keys.
      box.addEventListener('compositionend', (event) => {
        const text = event.data || '';
        const end = box.selectionStart;
        box.setRangeText('', Math.max(0, end - text.length), end, 'end');
        type(box, index, text, multiLine);
      });
      box.addEventListener('input', (event) => {
        if (!event.isComposing) Module.webEdited(index);
      });
    },
    listenButton(button, index) {
      button.addEventListener('click', () => Module.webPress(index));
    },
    // A frame takes the focus from nobody: its face is no control of its own.
    listenFrame(frame, index) {
      frame.addEventListener('mousedown', (event) => event.preventDefault());
      frame.addEventListener('click', () => Module.webPress(index));
    },
    listenStill(element, fitCaption) {
      element.addEventListener('mousedown', (event) => event.preventDefault());
      if (fitCaption) {
        // Again once each face has loaded: the stand-in's widths are known only then.
        const fit = () => fitOnOneLine(element);
        requestAnimationFrame(fit);
        if (document.fonts) {
          document.fonts.ready.then(fit);
          document.fonts.addEventListener('loadingdone', fit);
        }
      }
    },
    listenWindow(root) {
      document.addEventListener('keydown', (event) => {
        const key = event.code && event.code.startsWith('Key') ? event.code.slice(3) : event.key;
        if (event.key !== 'Tab' && !event.altKey) return;
        if (Module.webWindowKey(event.key === 'Tab' ? 'Tab' : key, event.shiftKey, event.altKey, event.ctrlKey)) {
          event.preventDefault();
          event.stopPropagation();
        }
      }, true);
    },
  };

  // A face wider than the one the window was drawn with would wrap a caption drawn for one
  // line: the caption is narrowed just enough that it fits.
  function fitOnOneLine(label) {
    const caption = label.firstChild;
    caption.style.transform = '';
    caption.style.whiteSpace = 'nowrap';
    const lineHeight = caption.getBoundingClientRect().height;
    if (!lineHeight || label.clientHeight >= 2 * lineHeight) {
      caption.style.whiteSpace = '';
      return;
    }
    const width = caption.getBoundingClientRect().width;
    // Wider than its box, the caption starts at the box's left edge, where it is narrowed from.
    if (width > label.clientWidth) caption.style.transform = 'scaleX(' + label.clientWidth / width + ')';
  }
})();
