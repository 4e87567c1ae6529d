# DawnQuill.exe with its resources (the bell drawn from the tray's pixel description, the version
# record, the manifest), and the release zip named by version.
set(win32_dir ${CMAKE_CURRENT_SOURCE_DIR}/app/win32)
set(make_icon ${CMAKE_CURRENT_BINARY_DIR}/make_icon)
set(icon ${CMAKE_CURRENT_BINARY_DIR}/dawnquill.ico)
# A tool for the build machine, made with its own compiler.
add_custom_command(OUTPUT ${make_icon}
                   COMMAND c++ -std=c++20 -O1 -I${CMAKE_CURRENT_SOURCE_DIR} ${win32_dir}/make_icon.cpp
                           ${CMAKE_CURRENT_SOURCE_DIR}/tray/tray_pictures.cpp -o ${make_icon}
                   DEPENDS ${win32_dir}/make_icon.cpp ${CMAKE_CURRENT_SOURCE_DIR}/tray/tray_pictures.cpp
                   VERBATIM)
add_custom_command(OUTPUT ${icon} COMMAND ${make_icon} ${icon} DEPENDS ${make_icon} VERBATIM)
set_source_files_properties(${win32_dir}/dawnquill.rc PROPERTIES
                            OBJECT_DEPENDS "${icon};${win32_dir}/dawnquill.manifest")

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
