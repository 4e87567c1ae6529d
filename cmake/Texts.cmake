# The program's catalogues: each language of po/LINGUAS built into the build tree's locale/, where
# the program finds them when it runs from there, and installed beside the system's. The same
# catalogues are merged into the desktop entry, the AppStream metadata and the sign-in entry,
# since those are read by the desktop in every language at once.
include(GNUInstallDirs)
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGGREP msggrep REQUIRED)
set(po ${CMAKE_CURRENT_SOURCE_DIR}/po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${po}/LINGUAS)
file(STRINGS ${po}/LINGUAS DAWNQUILL_LANGUAGES)
set(catalogues)
set(po_files ${po}/LINGUAS)
foreach(language IN LISTS DAWNQUILL_LANGUAGES)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/locale/${language}/LC_MESSAGES)
  set(source ${po}/${language}.po)
  if(WIN32)
    # The Windows program carries its catalogues inside itself, without the texts of the Linux
    # desktop's files (the *.in templates), which would only weigh.
    set(source ${folder}/dawnquill.po)
    set(only_the_program COMMAND ${MSGGREP} --invert-match --location=*/*/*.in -o ${source}
                                 ${po}/${language}.po)
  endif()
  add_custom_command(OUTPUT ${folder}/dawnquill.mo
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     ${only_the_program}
                     COMMAND ${MSGFMT} --check -o ${folder}/dawnquill.mo ${source}
                     DEPENDS ${po}/${language}.po VERBATIM)
  list(APPEND catalogues ${folder}/dawnquill.mo)
  list(APPEND po_files ${po}/${language}.po)
  if(NOT WIN32)
    install(FILES ${folder}/dawnquill.mo
            DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
  endif()
endforeach()
add_custom_target(catalogues ALL DEPENDS ${catalogues})
# The rest is the Linux desktop's.
if(WIN32)
  return()
endif()

# OUTPUT: TEMPLATE (NAME.in) with every language's translations of its texts beside the English,
# by msgfmt's rules for KIND, desktop or xml.
function(dawnquill_merge_texts kind template output)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${MSGFMT} --${kind} --template=${template} -d ${po} -o ${output}
                     DEPENDS ${template} ${po_files} VERBATIM)
endfunction()

set(DAWNQUILL_DESKTOP_FILES ${CMAKE_CURRENT_BINARY_DIR}/desktop)
dawnquill_merge_texts(desktop
                      ${CMAKE_CURRENT_SOURCE_DIR}/app/desktop/${DAWNQUILL_APP_ID}.desktop.in
                      ${DAWNQUILL_DESKTOP_FILES}/${DAWNQUILL_APP_ID}.desktop)
dawnquill_merge_texts(xml
                      ${CMAKE_CURRENT_SOURCE_DIR}/app/desktop/${DAWNQUILL_APP_ID}.metainfo.xml.in
                      ${DAWNQUILL_DESKTOP_FILES}/${DAWNQUILL_APP_ID}.metainfo.xml)
add_custom_target(desktop_files ALL
                  DEPENDS ${DAWNQUILL_DESKTOP_FILES}/${DAWNQUILL_APP_ID}.desktop
                          ${DAWNQUILL_DESKTOP_FILES}/${DAWNQUILL_APP_ID}.metainfo.xml)

# The program writes its sign-in entry in all languages, which no one locale's gettext can give:
# the merged entry is compiled in, as the constant kSignInEntry.
set(sign_in ${CMAKE_CURRENT_BINARY_DIR}/xdg_sign_in_entry)
dawnquill_merge_texts(desktop ${CMAKE_CURRENT_SOURCE_DIR}/backends/qt/xdg_sign_in_entry.desktop.in
                      ${sign_in}.desktop)
add_custom_command(OUTPUT ${sign_in}.h
                   COMMAND ${CMAKE_COMMAND} -DTEXT=${sign_in}.desktop -DHEADER=${sign_in}.h
                           -DNAME=kSignInEntry -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/TextHeader.cmake
                   DEPENDS ${sign_in}.desktop ${CMAKE_CURRENT_SOURCE_DIR}/cmake/TextHeader.cmake
                   VERBATIM)
target_sources(dawnquill_qt PRIVATE ${sign_in}.h)
