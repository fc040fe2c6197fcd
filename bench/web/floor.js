// SPDX-License-Identifier: MIT
// Injected into the program's page: bare elements beside the window, the same size and font as
// the program's, and the end of the frame painted after a key or press.
(function () {
  const copied = ['width', 'height', 'font', 'border', 'padding', 'boxSizing', 'overflowY', 'resize',
                  'backgroundColor', 'color', 'lineHeight', 'letterSpacing', 'whiteSpace', 'textAlign'];
  let top = 8;
  function twin(tag, of) {
    const element = document.createElement(tag);
    const style = getComputedStyle(of);
    for (const property of copied) element.style[property] = style[property];
    Object.assign(element.style, {position: 'absolute', left: '520px', top: top + 'px', margin: '0'});
    top += of.offsetHeight + 8;
    element.spellcheck = false;
    document.body.appendChild(element);
    return element;
  }
  const floor = {
    clear: twin('textarea', txtin), code: twin('textarea', txtencrypt), button: twin('button', cmdre),
    codeText: '',
  };
  floor.code.readOnly = true;
  floor.button.textContent = cmdre.textContent;
  // The floor's key does what the program's does to the page: the key into one box, one append
  // at the end of the other, shown at its end.
  floor.clear.addEventListener('input', (event) => {
    const end = floor.code.value.length;
    floor.code.setRangeText((event.data || '').toUpperCase(), end, end, 'end');
    floor.code.scrollTop = floor.code.scrollHeight;
  });
  floor.button.addEventListener('click', () => { floor.code.value = floor.codeText; });

  // Whole-value writes over text in the program's encrypted box, which a key must never make.
  const watch = {valueSets: 0, wholeRanges: 0};
  const value = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value');
  Object.defineProperty(txtencrypt, 'value', {
    configurable: true,
    get() { return value.get.call(this); },
    set(text) { watch.valueSets += value.get.call(this) !== ''; value.set.call(this, text); },
  });
  const setRangeText = txtencrypt.setRangeText;
  txtencrypt.setRangeText = function (text, start, end, mode) {
    const length = value.get.call(this).length;
    if (arguments.length >= 3 && start === 0 && end >= length && length > 0) ++watch.wholeRanges;
    return setRangeText.apply(this, arguments);
  };

  // An action is done once the frame after its last event has been rendered: the frame
  // callback registered after every handler's own runs last, and a message it posts runs once
  // the frame's style, layout and paint are over.
  let armed = null;
  function handled() {
    if (!armed) return;
    const measuring = armed;
    const mine = ++measuring.events;
    requestAnimationFrame(() => {
      if (mine !== measuring.events) return;
      const channel = new MessageChannel();
      channel.port1.onmessage = () => {
        armed = null;
        measuring.finish({valueSets: watch.valueSets - measuring.valueSets,
                          wholeRanges: watch.wholeRanges - measuring.wholeRanges});
      };
      channel.port2.postMessage(0);
    });
  }
  for (const type of ['keydown', 'keypress', 'beforeinput', 'input', 'click']) window.addEventListener(type, handled);

  floor.arm = function () {
    floor.result = new Promise((finish) => {
      armed = {events: 0, finish,
               valueSets: watch.valueSets, wholeRanges: watch.wholeRanges};
    });
  };
  // Focus and caret placed untimed, then two frames for the page to settle.
  floor.prepare = function (element, done) {
    element.focus();
    if (element.setSelectionRange) element.setSelectionRange(element.value.length, element.value.length);
    requestAnimationFrame(() => requestAnimationFrame(() => done()));
  };
  window.quenmarkFloor = floor;
})();
