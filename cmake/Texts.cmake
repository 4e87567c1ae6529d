# The program's catalogues: each po/<language>.po built into the build tree's locale/, where the
# program finds them when it runs from there, and installed beside the system's.
include(GNUInstallDirs)
find_program(MSGFMT msgfmt REQUIRED)
set(DAWNQUILL_LANGUAGES de fr es it nl pt_BR)
set(catalogues)
foreach(language IN LISTS DAWNQUILL_LANGUAGES)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/locale/${language}/LC_MESSAGES)
  add_custom_command(OUTPUT ${folder}/dawnquill.mo
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND ${MSGFMT} --check -o ${folder}/dawnquill.mo
                             ${CMAKE_CURRENT_SOURCE_DIR}/po/${language}.po
                     DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/po/${language}.po VERBATIM)
  list(APPEND catalogues ${folder}/dawnquill.mo)
  # The Windows program carries them inside itself.
  if(NOT WIN32)
    install(FILES ${folder}/dawnquill.mo
            DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
  endif()
endforeach()
add_custom_target(catalogues ALL DEPENDS ${catalogues})
