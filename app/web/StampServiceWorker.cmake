# Names the service worker's cache after the hash of the program's own files: a new build brings
# a new worker, which keeps its files in a cache of its own and removes the last build's.
file(SHA256 ${SITE}/radixtrek.wasm wasm_hash)
file(SHA256 ${SITE}/radixtrek.js js_hash)
string(SHA256 build "${wasm_hash}${js_hash}")
string(SUBSTRING ${build} 0 16 build)
file(READ ${SITE}/sw.js worker)
string(REPLACE "@BUILD@" "${build}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
