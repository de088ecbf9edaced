# Lays out the site folder: the page as index.html (its security policy
# opened for the service worker and the manifest, which it links with the
# home-screen icon), the manifest, the service worker with the cache named
# by the build, and the icons, drawn from program A's own icon. Run with
#   PAGE          the one-file page tipstat.html
#   SITE_SOURCES  the manifest and worker to lay out (web/site)
#   ICON_SCRIPT   kova's make-icon.sh, which draws the icon at any size
#   SITE          the folder to write
# Everything in the folder is addressed relative to it, so it serves from
# any sub-path too.

# The icon's own tile colour fills the full-bleed icons (the maskable one,
# whose safe zone is the middle 80 %, and the one for iOS, which has no
# transparency).
set(tile "#A6CAF0")

file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command}: ${failed}")
  endif()
endfunction()

function(draw size file)
  run(bash "${ICON_SCRIPT}" ${size} "${file}")
endfunction()

# The icon drawn at `share` of `size` in the middle of a full tile.
function(draw_on_tile size share file)
  math(EXPR inner "${size} * ${share} / 100")
  draw(${inner} "${SITE}/.inner.png")
  run(convert -size ${size}x${size} "xc:${tile}" "${SITE}/.inner.png" -gravity center -composite
      -depth 8 -define png:exclude-chunks=date,time "${file}")
  file(REMOVE "${SITE}/.inner.png")
endfunction()

draw(192 "${SITE}/icon-192.png")
draw(512 "${SITE}/icon-512.png")
draw_on_tile(512 72 "${SITE}/icon-maskable-512.png")
draw_on_tile(180 86 "${SITE}/apple-touch-icon.png")

file(READ "${PAGE}" page)
# The exact policy of the one-file page, with what the worker and the
# manifest need added and nothing else.
set(policy "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval'; style-src 'unsafe-inline'; img-src data:")
string(FIND "${page}" "content=\"${policy}\"" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${PAGE} does not carry the policy ${policy}")
endif()
# The manifest's icons are fetched under the page's img-src.
string(REPLACE "content=\"${policy}\"" "content=\"${policy} 'self'; worker-src 'self'; manifest-src 'self'\""
       page "${page}")
string(FIND "${page}" "</title>\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no </title>")
endif()
string(CONCAT links "</title>\n"
       "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
       "<link rel=\"apple-touch-icon\" href=\"apple-touch-icon.png\">\n")
string(REPLACE "</title>\n" "${links}" page "${page}")
file(WRITE "${SITE}/index.html" "${page}")
file(COPY "${SITE_SOURCES}/manifest.webmanifest" DESTINATION "${SITE}")

# The build: everything the worker keeps, so any change makes a new cache.
set(all "")
foreach(file index.html manifest.webmanifest icon-192.png icon-512.png icon-maskable-512.png
        apple-touch-icon.png)
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND all "${hash}")
endforeach()
string(SHA256 build "${all}")
string(SUBSTRING "${build}" 0 16 build)
# The page names its build too, to know whether the worker in charge is of
# another one.
string(REPLACE "</title>\n" "</title>\n<meta name=\"tipstat-build\" content=\"${build}\">\n" page "${page}")
file(WRITE "${SITE}/index.html" "${page}")
file(READ "${SITE_SOURCES}/sw.js" worker)
string(REPLACE "@BUILD@" "${build}" worker "${worker}")
file(WRITE "${SITE}/sw.js" "${worker}")
