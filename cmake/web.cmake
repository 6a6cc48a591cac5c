# The browser build: the game compiled with emscripten into quagmore.js and
# quagmore.wasm, its data packed into quagmore.data, and the page beside
# them, all in QUAGMORE_WEB_SITE_DIR: a static folder any web server serves.
# Made by `make web`, which builds the data natively first.
set(QUAGMORE_WEB_DATA_DIR "" CACHE PATH "The game's data as a native build makes it (its share/quagmore)")
set(QUAGMORE_WEB_SITE_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the page, script, wasm and data go")
if(NOT EXISTS ${QUAGMORE_WEB_DATA_DIR}/pieces.bmp)
  message(FATAL_ERROR "QUAGMORE_WEB_DATA_DIR must be a native build's share/quagmore with the generated data "
                      "(make web builds it); ${QUAGMORE_WEB_DATA_DIR}/pieces.bmp is missing")
endif()
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${QUAGMORE_WEB_SITE_DIR})

add_subdirectory(format)
add_subdirectory(solver)
add_subdirectory(platform)
add_subdirectory(engine)
add_subdirectory(game)
add_subdirectory(app)
