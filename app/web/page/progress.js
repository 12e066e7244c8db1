// The loading page's progress bar: how much of the program has come over the network.
'use strict';
/* exported countProgramBytes, stopCountingProgramBytes */

// The program's bytes are counted as they arrive, decoded, so that the bar fills the same
// whether the server compresses them or not; the browser compiles as they come, and what is
// left once the last byte is in is a short preparing. The bar's text is for screen readers;
// only the phase is said aloud, not every step.
const fetchFromSite = window.fetch.bind(window);

function countProgramBytes() {
  const progress = document.getElementById('progress');
  const amount = document.getElementById('amount');
  const message = document.getElementById('message');
  const total = Number(progress.max);
  const megabytes = (bytes) => (bytes / 1e6).toFixed(1);
  let received = 0;
  const counted = function (chunk, stream) {
    received += chunk.byteLength;
    progress.value = Math.min(received, total);
    const text = megabytes(progress.value) + ' MB / ' + megabytes(total) + ' MB';
    progress.setAttribute('aria-valuetext', text);
    amount.textContent = text;
    if (received >= total && progress.hasAttribute('value')) {
      progress.removeAttribute('value');
      progress.setAttribute('aria-valuetext', '準備しています');
      amount.textContent = '';
      message.textContent = 'Radixtrek を準備しています…';
    }
    stream.enqueue(chunk);
  };
  window.fetch = async function (resource, options) {
    const response = await fetchFromSite(resource, options);
    if (!/radixtrek\.(js|wasm)$/.test(String(resource)) || !response.ok || !response.body)
      return response;
    if (progress.hidden) {
      progress.hidden = false;
      message.textContent = 'Radixtrek をダウンロードしています…';
    }
    return new Response(response.body.pipeThrough(new TransformStream({transform: counted})),
                        {headers: {'Content-Type': response.headers.get('Content-Type')}});
  };
}

function stopCountingProgramBytes() {
  window.fetch = fetchFromSite;
}
