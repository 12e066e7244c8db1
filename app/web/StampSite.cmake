# Writes into the page the size of the program, which its progress bar counts towards, and into
# the service worker the SHA-256 of each of the site's files, which it checks every
# file of a new version against before that version may replace the kept one, and names its
# cache after them and the worker itself: a new build brings a new worker, which keeps its files
# in a cache of its own and removes the last build's.
# The page's scripts joined into the one file the page loads (a site being stamped again has it).
if(PAGE_SCRIPTS)
    file(WRITE ${SITE}/page.js "")
    foreach(script ${PAGE_SCRIPTS})
        file(READ ${script} text)
        file(APPEND ${SITE}/page.js "${text}")
    endforeach()
endif()
# Every file of the site but the worker itself and the compressed forms a server sends instead.
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(FILTER files EXCLUDE REGEX "^sw\\.js$|\\.(br|gz)$")
list(SORT files)
file(READ ${SITE}/index.html page)
file(SIZE ${SITE}/radixtrek.js script_bytes)
file(SIZE ${SITE}/radixtrek.wasm program_bytes)
math(EXPR program_bytes "${script_bytes} + ${program_bytes}")
string(REPLACE "@PROGRAM_BYTES@" "${program_bytes}" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
file(READ ${SITE}/sw.js worker)
string(FIND "${worker}" "@FILES@" unstamped)
if(unstamped EQUAL -1)
    message(FATAL_ERROR "${SITE}/sw.js is stamped already: copy app/web/sw.js there first")
endif()
set(hashes)
foreach(name ${files})
    file(SHA256 ${SITE}/${name} hash)
    list(APPEND hashes "\n  '${name}': '${hash}',")
endforeach()
string(JOIN "" hashes ${hashes})
string(SHA256 build "${worker}${hashes}")
string(SUBSTRING ${build} 0 16 build)
string(REPLACE "@BUILD@" "${build}" worker "${worker}")
string(REPLACE "@FILES@" "{${hashes}\n}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
