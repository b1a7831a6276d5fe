# Installation (cmake --install BUILD --prefix PREFIX, or ./dev install PREFIX):
#   lib/almanix/almanix, lib/almanix/help.chm   the program with its help file beside it
#   bin/almanix -> ../lib/almanix/almanix        the program finds help.chm beside its real path
#   bin/almanix-cli
#   share/applications/almanix.desktop           the desktop menu entry, Exec with the prefix
#   share/icons/hicolor/<size>x<size>/apps/almanix.png
# The icons are rendered from the Moon picture at build time by tools/app_icon.cpp.

if(TARGET almanix-cli)
  install(TARGETS almanix-cli RUNTIME DESTINATION bin)
endif()
if(NOT TARGET almanix)
  return()
endif()

install(TARGETS almanix RUNTIME DESTINATION lib/almanix)
if(TARGET almanix_help)
  install(FILES ${PROJECT_BINARY_DIR}/help.chm DESTINATION lib/almanix)
endif()
install(CODE [[
  set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(MAKE_DIRECTORY "${bin}")
  message(STATUS "Installing: ${bin}/almanix -> ../lib/almanix/almanix")
  file(CREATE_LINK ../lib/almanix/almanix "${bin}/almanix" SYMBOLIC)
]])

# The application icon in every size the desktop's menus and launchers ask for.
add_executable(almanix_app_icon ${PROJECT_SOURCE_DIR}/tools/app_icon.cpp)
target_link_libraries(almanix_app_icon PRIVATE almanix_moondraw)
set(ALMANIX_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(ALMANIX_ICONS)
foreach(size 16 32 48 64 128 256)
  list(APPEND ALMANIX_ICONS ${ALMANIX_ICON_DIR}/hicolor/${size}x${size}/apps/almanix.png)
endforeach()
add_custom_command(OUTPUT ${ALMANIX_ICONS}
  COMMAND almanix_app_icon ${ALMANIX_ICON_DIR}
  DEPENDS almanix_app_icon
  COMMENT "Rendering the application icon"
  VERBATIM)
add_custom_target(almanix_icons ALL DEPENDS ${ALMANIX_ICONS})
install(DIRECTORY ${ALMANIX_ICON_DIR}/hicolor DESTINATION share/icons)

# The desktop entry names the program by its installed path, known only at install time.
install(CODE "set(ALMANIX_DESKTOP_TEMPLATE \"${CMAKE_CURRENT_LIST_DIR}/almanix.desktop.in\")")
install(CODE [[
  file(READ "${ALMANIX_DESKTOP_TEMPLATE}" entry)
  string(REPLACE "@BINDIR@" "${CMAKE_INSTALL_PREFIX}/bin" entry "${entry}")
  set(apps "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
  message(STATUS "Installing: ${apps}/almanix.desktop")
  file(MAKE_DIRECTORY "${apps}")
  file(WRITE "${apps}/almanix.desktop" "${entry}")
]])
