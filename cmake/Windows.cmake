# DawnQuill.exe with its resources (the bell drawn at each icon size from the tray pictures, the
# alarm's own tone, the catalogues, the version record, the manifest), the release zip named by
# version, and beside it the installer.
set(win32_dir ${CMAKE_CURRENT_SOURCE_DIR}/app/win32)
set(make_icon ${CMAKE_CURRENT_BINARY_DIR}/make_icon)
set(icon ${CMAKE_CURRENT_BINARY_DIR}/dawnquill.ico)
set(welcome ${CMAKE_CURRENT_BINARY_DIR}/welcome.bmp)
# A tool for the build machine, made with its own compiler.
add_custom_command(OUTPUT ${make_icon}
                   COMMAND c++ -std=c++20 -O1 -I${CMAKE_CURRENT_SOURCE_DIR} ${win32_dir}/make_icon.cpp
                           ${CMAKE_CURRENT_SOURCE_DIR}/tray/tray_pictures.cpp -lz -o ${make_icon}
                   DEPENDS ${win32_dir}/make_icon.cpp ${CMAKE_CURRENT_SOURCE_DIR}/tray/tray_pictures.cpp
                   VERBATIM)
add_custom_command(OUTPUT ${icon} ${welcome} COMMAND ${make_icon} ${icon} ${welcome}
                   DEPENDS ${make_icon} VERBATIM)
set(make_alarm_tone ${CMAKE_CURRENT_BINARY_DIR}/make_alarm_tone)
set(alarm_tone ${CMAKE_CURRENT_BINARY_DIR}/alarm-tone.wav)
add_custom_command(OUTPUT ${make_alarm_tone}
                   COMMAND c++ -std=c++20 -O1 ${CMAKE_CURRENT_SOURCE_DIR}/app/sound/make_alarm_tone.cpp
                           -o ${make_alarm_tone}
                   DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/sound/make_alarm_tone.cpp VERBATIM)
add_custom_command(OUTPUT ${alarm_tone} COMMAND ${make_alarm_tone} ${alarm_tone}
                   DEPENDS ${make_alarm_tone} VERBATIM)
# Each catalogue a resource named by its language, for the program to pick the user's.
include(cmake/Texts.cmake)
set(catalogue_resources "")
foreach(language IN LISTS DAWNQUILL_LANGUAGES)
  string(APPEND catalogue_resources
         "${language} RCDATA \"locale/${language}/LC_MESSAGES/dawnquill.mo\"\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/catalogues.rc CONTENT "${catalogue_resources}")
set_source_files_properties(${win32_dir}/dawnquill.rc PROPERTIES OBJECT_DEPENDS
  "${icon};${alarm_tone};${win32_dir}/dawnquill.manifest;${catalogues}")

add_executable(DawnQuill WIN32 app/win32/win32_main.cpp ${win32_dir}/dawnquill.rc)
target_include_directories(DawnQuill PRIVATE ${CMAKE_CURRENT_BINARY_DIR} ${win32_dir})
target_link_libraries(DawnQuill PRIVATE dawnquill_win32)
# Small: no symbols in what ships, and only the code and data something uses.
target_link_options(DawnQuill PRIVATE -s -Wl,--gc-sections)

set(release DawnQuill-${PROJECT_VERSION}-windows-x86_64)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${release}.zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${release}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${release}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:DawnQuill> ${win32_dir}/README-Windows.txt
          ${release}/
  COMMAND ${CMAKE_COMMAND} -E tar cf ${release}.zip --format=zip ${release}
  DEPENDS DawnQuill ${win32_dir}/README-Windows.txt
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_custom_target(release_zip ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${release}.zip)

# The installer packs the zip's folder (no install step of its own, which would build the whole
# tree again from inside the build), with the template in cmake/nsis.
set(installer ${CMAKE_CURRENT_BINARY_DIR}/DawnQuill-${PROJECT_VERSION}-windows-x86_64-setup.exe)
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME DawnQuill)
set(CPACK_PACKAGE_VENDOR "The DawnQuill developers")
set(CPACK_PACKAGE_FILE_NAME DawnQuill-${PROJECT_VERSION}-windows-x86_64-setup)
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALLED_DIRECTORIES "${CMAKE_CURRENT_BINARY_DIR}/${release};.")
set(CPACK_NSIS_MUI_ICON ${icon})
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${welcome})
set(CPACK_NSIS_DAWNQUILL_TEXTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/nsis/installer_texts.nsh)
set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackInstallerConfig.cmake)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/cmake/nsis)
include(CPack)
find_program(MAKENSIS makensis REQUIRED)
add_custom_command(
  OUTPUT ${installer}
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CPACK_OUTPUT_CONFIG_FILE} -B ${CMAKE_CURRENT_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_CURRENT_BINARY_DIR}/_CPack_Packages
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${release}.zip ${welcome} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/nsis/NSIS.template.in
          ${CPACK_NSIS_DAWNQUILL_TEXTS}
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_custom_target(installer ALL DEPENDS ${installer})
