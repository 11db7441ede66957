# The browser page from a native build: where Debian's emscripten is
# installed, the target sorvane_web_page configures the `web` preset's
# build (build/web) and builds its page there, so that the package can ship
# it and the browser tests can open it. SORVANE_WEB_PAGE names the file, or
# is empty where no page can be built.
# One native build is enough to build and test the page: the others turn
# it off (the sanitizers' build always).
option(SORVANE_WEB_PAGE_BUILD "Build the browser page with the web preset where em++ is installed" ON)
find_program(SORVANE_EMXX em++)
set(SORVANE_WEB_PAGE "")
if(SORVANE_EMXX AND SORVANE_WEB_PAGE_BUILD AND NOT SORVANE_SANITIZE)
  set(SORVANE_WEB_PAGE ${PROJECT_SOURCE_DIR}/build/web/web/sorvane-demo.html)
  add_custom_target(sorvane_web_page ALL
    COMMAND ${CMAKE_COMMAND} --preset web
    COMMAND ${CMAKE_COMMAND} --build --preset web --target sorvane_page
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    BYPRODUCTS ${SORVANE_WEB_PAGE}
    COMMENT "Building the browser page with the web preset"
    USES_TERMINAL
    VERBATIM)
endif()
