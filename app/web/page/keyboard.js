// The keyboard's bridge between the page and the program's answer fields: the page's text box
// that an on-screen keyboard, an input method and a paste type into, and the keys pressed where a
// screen reader has put the page's focus.
'use strict';
/* exported bridgeKeyboard */

// A browser shows its on-screen keyboard only for a text box of the page, focused while the
// finger is on the screen, and an input method composes only in such a box. So while one of
// the program's answer fields has the keyboard, the page's own box has the focus: every key
// pressed there goes on to the program with its modifiers, and every text committed there
// (an input method's, a paste's) goes into the field through the field's own rule. A
// composition in progress stays in the box.
function bridgeKeyboard(loader) {
  const canvas = document.getElementById('qtcanvas');
  const box = document.getElementById('keyboard');
  function place(base, x, y) {
    box.inputMode = base === 16 ? 'text' : 'numeric';
    box.style.left = x + 'px';
    box.style.top = y + 'px';
  }
  // The program says when an answer field gains or loses the keyboard. The box takes the
  // page's focus from the canvas; where a screen reader holds it on the elements that stand for
  // the program's parts, the field's own element takes it instead, so that the reader says
  // which field it is and what it holds, field after field.
  window.radixtrekKeyboard = {
    fieldFocused: function (base, x, y, name) {
      place(base, x, y);
      box.setAttribute('aria-label', name);
      box.removeAttribute('aria-hidden');
      if (document.activeElement === canvas) {
        box.value = '';
        box.focus({preventScroll: true});
      }
    },
    fieldLeft: function () {
      box.setAttribute('aria-hidden', 'true');
      if (document.activeElement === box)
        canvas.focus({preventScroll: true});
    },
  };
  // The module is there only once the program runs, just after its canvas is shown.
  (function follow() {
    const program = loader.module();
    if (program)
      program.followAnswerFields();
    else
      setTimeout(follow, 20);
  })();
  // A press that ends on an answer field gives the box the focus while the finger is still
  // on the screen, which is when a browser agrees to show its keyboard; one that ends
  // elsewhere gives the keyboard back to the program, even where the field keeps its focus.
  // On the canvas's parent, so that it comes after the program's own handling of the press.
  function pressEnded(clientX, clientY) {
    const area = canvas.getBoundingClientRect();
    const x = Math.round(clientX - area.left), y = Math.round(clientY - area.top);
    const program = loader.module();
    const base = program ? program.answerFieldAt(x, y) : 0;
    if (base) {
      place(base, x, y);
      box.focus({preventScroll: true});
    } else if (document.activeElement === box) {
      canvas.focus({preventScroll: true});
    }
  }
  canvas.parentElement.addEventListener('touchend', function (event) {
    pressEnded(event.changedTouches[0].clientX, event.changedTouches[0].clientY);
  }, {passive: true});
  // The program takes the mouse's pointer events whole, so that no mouse events follow them.
  canvas.parentElement.addEventListener('pointerup', function (event) {
    if (event.pointerType !== 'touch')
      pressEnded(event.clientX, event.clientY);
  });
  function handOn(event) {
    const modifiers = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) |
                      (event.altKey ? 4 : 0) | (event.metaKey ? 8 : 0);
    loader.module().keyOnPage(event.key, modifiers);
    event.preventDefault();
  }
  // The input method's keys, and a keyboard's that only says what it typed, stay with the
  // browser, which says what they typed (see below); so does Shift+Insert, whose paste it says.
  function browsersOwn(event) {
    return event.isComposing || event.keyCode === 229 ||
           (event.key === 'Insert' && event.shiftKey && !event.ctrlKey && !event.altKey);
  }
  box.addEventListener('keydown', function (event) {
    if (!browsersOwn(event))
      handOn(event);
  });
  // Keys pressed on the elements that stand for the window's parts for screen readers, one
  // of which has the page's focus while its widget has the program's.
  canvas.parentElement.addEventListener('keydown', function (event) {
    if (event.target !== box && event.target.closest('#accessible') && !browsersOwn(event))
      handOn(event);
  });
  // An answer field's own element, editable, takes text as the box does: what is committed
  // there goes into the field, and the element keeps showing what the field holds.
  function fieldElement(event) {
    const target = event.target;
    return target !== box && target.isContentEditable && target.closest('#accessible') ? target
                                                                                       : null;
  }
  canvas.parentElement.addEventListener('compositionstart', function (event) {
    const field = fieldElement(event);
    if (field)
      field.composing = true;
  });
  canvas.parentElement.addEventListener('compositionend', function (event) {
    const field = fieldElement(event);
    if (!field)
      return;
    field.composing = false;
    field.textContent = field.programText;
    if (event.data)
      loader.module().insertIntoField(event.data);
  });
  canvas.parentElement.addEventListener('beforeinput', function (event) {
    const field = fieldElement(event);
    if (!field || event.inputType === 'insertCompositionText')
      return;
    event.preventDefault();
    if (event.inputType.startsWith('delete')) {
      loader.module().keyOnPage(event.inputType.endsWith('Forward') ? 'Delete' : 'Backspace', 0);
      return;
    }
    const text = event.data || (event.dataTransfer && event.dataTransfer.getData('text/plain'));
    if (text)
      loader.module().insertIntoField(text);
  });
  // A screen reader may move the page's focus off the program to the page itself, as Orca
  // does when a key stops its reading aloud; the keys pressed then still belong to the
  // program, until the focus goes to something else on the page.
  let programHasKeys = false;
  document.addEventListener('focusin', function (event) {
    programHasKeys = canvas.parentElement.contains(event.target);
  });
  document.addEventListener('keydown', function (event) {
    if (event.target === document.body && programHasKeys && loader.module())
      handOn(event);
  });
  function commit() {
    const text = box.value;
    box.value = '';
    if (text)
      loader.module().insertIntoField(text);
  }
  box.addEventListener('compositionend', commit);
  box.addEventListener('input', function (event) {
    if (event.isComposing || event.inputType === 'insertCompositionText')
      return;
    if (event.inputType === 'deleteContentBackward') {
      box.value = '';
      loader.module().keyOnPage('Backspace', 0);
      return;
    }
    commit();
  });
  // The Menu key in the box opens the field's menu, not the browser's.
  box.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  box.addEventListener('paste', function (event) {
    event.preventDefault();
    loader.module().insertIntoField(event.clipboardData.getData('text/plain'));
  });
}
