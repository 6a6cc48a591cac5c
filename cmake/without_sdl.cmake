# SDL is for platform/sdl alone: the engine, the game, the formats, the
# solver, the application, the simulator, the tools and the headless platform
# build without it (the browser build compiles them where there is no SDL).
# Their targets reach no SDL target, so SDL's include directories and
# libraries never come to them and an SDL include fails to compile; and their
# directories hold no SDL include at all, checked here at configure time.
set(QUAGMORE_SDL_TARGETS PkgConfig::SDL2 PkgConfig::SDL2_MIXER PkgConfig::IMGUI quag_imgui_backends
    quag_platform_sdl)
set(QUAGMORE_WITHOUT_SDL_TARGETS quag_picture quag_engine quag_game quag_format quag_solver quag_app
    quag_sim_script quagmore-sim quag_platform_common quag_platform_headless quagmore-level quagmore-assets)
set(QUAGMORE_WITHOUT_SDL_DIRS engine game format solver app sim platform/common platform/headless tools)

foreach(target ${QUAGMORE_WITHOUT_SDL_TARGETS})
  if(NOT TARGET ${target})
    continue()
  endif()
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current IN_LIST QUAGMORE_SDL_TARGETS)
      message(FATAL_ERROR "${target} links ${current}: only platform/sdl may use SDL")
    endif()
    if(TARGET ${current})
      foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(links ${current} ${property})
        foreach(link ${links})
          if(link AND NOT link MATCHES "NOTFOUND$" AND NOT link MATCHES "^\\$<")
            list(APPEND pending ${link})
          endif()
        endforeach()
      endforeach()
    endif()
  endwhile()
endforeach()

foreach(dir ${QUAGMORE_WITHOUT_SDL_DIRS})
  file(GLOB_RECURSE sources ${PROJECT_SOURCE_DIR}/${dir}/*.h ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](SDL|SDL2/)")
    if(includes)
      message(FATAL_ERROR "${source} includes SDL (${includes}): only platform/sdl may use SDL")
    endif()
  endforeach()
endforeach()
