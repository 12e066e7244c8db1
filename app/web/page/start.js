// The program's start: Qt's loader brings the program into the canvas, the page's bridges are
// laid once it runs, and the service worker is registered then; what the page says when the
// program cannot start.
'use strict';
/* global countProgramBytes, stopCountingProgramBytes, bridgeKeyboard, bridgeTouchAndHold */
/* exported showProblem, start */

function showProblem(text, why) {
  document.getElementById('message').textContent = text;
  document.getElementById('detail').textContent = why || '';
  document.getElementById('progress').hidden = true;
  document.getElementById('amount').textContent = '';
  document.getElementById('qtcanvas').style.display = 'none';
  document.getElementById('status').style.display = 'flex';
}

function start() {
  if (typeof WebAssembly !== 'object' || typeof QtLoader !== 'function') {
    showProblem('このブラウザーでは Radixtrek を動かせません。',
                'WebAssembly が使える新しいブラウザー（Chrome、Edge、Safari、Firefox）で開いてください。');
    return;
  }
  const canvas = document.getElementById('qtcanvas');
  const status = document.getElementById('status');
  let bridged = false;
  const loader = QtLoader({
    canvasElements: [canvas],
    showLoader: function () {
      canvas.style.display = 'none';
      status.style.display = 'flex';
    },
    showError: function (errorText) {
      showProblem('このブラウザーでは Radixtrek を動かせません。',
                  'WebAssembly と WebGL が使える新しいブラウザー（Chrome、Edge、Safari、Firefox）で開いてください。' +
                  '（' + errorText + '）');
    },
    showExit: function () {
      showProblem('Radixtrek は終了しました。ページを再読み込みすると、もう一度始められます。');
    },
    showCanvas: function () {
      stopCountingProgramBytes();
      document.getElementById('progress').hidden = true;
      status.style.display = 'none';
      canvas.style.display = 'block';
      canvas.focus();
      if (!bridged) {
        bridged = true;
        bridgeKeyboard(loader);
        bridgeTouchAndHold(loader);
        // Keeps the site for use without a network, and for the home screen. Only once the
        // program runs: on a slow line its copying would share the line with the first start,
        // and after it the files are in the browser's cache.
        if ('serviceWorker' in navigator)
          navigator.serviceWorker.register('sw.js').catch(function () {});
      }
    },
  });
  window.qtLoader = loader;
  countProgramBytes();
  loader.loadEmscriptenModule('radixtrek');
}
