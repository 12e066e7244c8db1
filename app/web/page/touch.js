// Touch-and-hold as a right click, and taps where Qt answers only the mouse.
'use strict';
/* exported bridgeTouchAndHold */

// A touch held still for half a second is a right click, as touch screens make it elsewhere:
// on the window's margin it opens the version dialog, on an answer field the field's menu. A
// shorter one is a tap, which the program answers where Qt answers only the mouse (a window's
// close button).
function bridgeTouchAndHold(loader) {
  const canvas = document.getElementById('qtcanvas');
  let hold = null;
  function cancel() {
    if (hold)
      clearTimeout(hold.timer);
    hold = null;
  }
  canvas.parentElement.addEventListener('touchstart', function (event) {
    cancel();
    if (event.touches.length !== 1)
      return;
    const touch = event.touches[0];
    const at = {x: touch.clientX, y: touch.clientY};
    hold = {x: at.x, y: at.y, timer: setTimeout(function () {
      hold = null;
      const area = canvas.getBoundingClientRect();
      loader.module().holdOnPage(Math.round(at.x - area.left), Math.round(at.y - area.top));
    }, 500)};
  }, {passive: true});
  canvas.parentElement.addEventListener('touchmove', function (event) {
    const touch = event.touches[0];
    if (hold && Math.hypot(touch.clientX - hold.x, touch.clientY - hold.y) > 10)
      cancel();
  }, {passive: true});
  canvas.parentElement.addEventListener('touchend', function () {
    if (hold) {
      const area = canvas.getBoundingClientRect();
      loader.module().tapOnPage(Math.round(hold.x - area.left), Math.round(hold.y - area.top));
    }
    cancel();
  }, {passive: true});
  canvas.parentElement.addEventListener('touchcancel', cancel, {passive: true});
}
