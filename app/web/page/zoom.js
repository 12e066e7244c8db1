// The screen's ratio of pixels and the page's zoom, handed to Qt as a whole ratio it draws the
// window at sharply; runs before Qt reads the ratio.
'use strict';

// Qt draws the window at the device's pixel ratio times the page's zoom, but never above the
// first: zoomed out, on a narrow screen showing the whole 1016 pixels, it draws at a fraction
// of a pixel per pixel, which clips glyphs and drops lines, and zoomed in it is stretched
// blurred. So the program is told a whole ratio at least as fine as the screen shows it,
// from 1 to 3; the browser scales that picture down to the screen whole. A zoom brings no
// resize of the window, so it is passed on as one, and the program draws its windows again.
const pageViewport = window.visualViewport;
const screenRatio = Object.getOwnPropertyDescriptor(Window.prototype, 'devicePixelRatio') ||
                    Object.getOwnPropertyDescriptor(window, 'devicePixelRatio');
if (pageViewport && screenRatio && screenRatio.get) {
  const shown = () => screenRatio.get.call(window) * pageViewport.scale;
  Object.defineProperty(window, 'devicePixelRatio', {
    configurable: true,
    get: () => Math.min(3, Math.max(1, Math.ceil(shown() - 0.05))),
  });
  Object.defineProperty(window, 'visualViewport', {
    configurable: true,
    value: new Proxy(pageViewport, {
      get: function (target, name) {
        const value = name === 'scale' ? 1 : Reflect.get(target, name, target);
        return typeof value === 'function' ? value.bind(target) : value;
      },
    }),
  });
  let drawnAt = window.devicePixelRatio;
  pageViewport.addEventListener('resize', function () {
    if (window.devicePixelRatio !== drawnAt) {
      drawnAt = window.devicePixelRatio;
      window.dispatchEvent(new Event('resize'));
      // Qt takes the new ratio in at its next frame.
      requestAnimationFrame(function () {
        if (window.qtLoader && window.qtLoader.status === 'Running')
          window.qtLoader.module().zoomChanged();
      });
    }
  });
}
