# WebAssembly through Debian's emscripten (the `web` preset): the model, the
# transform, their tests and the timing program, run under node. Included
# from the top-level CMakeLists.txt before any target.

# The model reports run-time errors by throwing (base/errors.h) and the
# front end turns them into the message's text, so exceptions must be
# caught: em++ would otherwise compile every throw into an abort of the
# module. JavaScript-based exceptions rather than WebAssembly's own: the
# page must catch a run-time error in every engine, and WebKit's
# WebAssembly interpreter (WebKitGTK 2.50, the first tier of every page
# load) lets a throw escape a try block whose last instruction is a call
# through a function pointer, as the window's event dispatch is. The price
# is small: the page grows by about 36 KB (4 KB gzipped), a throw costs
# 5.2 us against 2.9 us, and Recalculate is as fast either way. Any browser
# with WebAssembly runs it. One mode for everything, the test framework
# included: the two kinds do not link together. (Named anew when the
# default changed, so that a build folder keeps no older choice.)
set(SORVANE_WASM_EXCEPTION_MODE -fexceptions CACHE STRING
  "Exception mode of the WebAssembly build: -fexceptions, or -fwasm-exceptions to compare")
add_compile_options(${SORVANE_WASM_EXCEPTION_MODE})
add_link_options(${SORVANE_WASM_EXCEPTION_MODE})

# Linking at -O1 and above runs emscripten's JavaScript optimizer under
# node, which needs Debian's acorn; a node built outside Debian does not
# look in Debian's module folder by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# The sines and the rest of the C library's mathematics come from the
# module's own C library (emscripten's default, -sJS_MATH=0), never from
# the engine's Math: the impulse response's bits depend on them, and the
# tests check that they match the desktop's.

# A program run under node (a test program, the timing program): one file
# with the module inside, since emscripten 3.1.6's loader cannot read a
# separate .wasm under node 18 and later; memory that grows with the test
# data; the real file system for what a test writes.
function(sorvane_node_program target)
  target_link_options(${target} PRIVATE
    -sSINGLE_FILE=1 -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sNODERAWFS=1)
endfunction()
