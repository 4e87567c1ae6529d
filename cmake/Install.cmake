# What `cmake --install` puts on a system, and the Debian package CPack makes of it.
include(GNUInstallDirs)

set(desktop ${CMAKE_CURRENT_SOURCE_DIR}/app/desktop)
install(TARGETS DawnQuill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS dawnquill_sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/dawnquill)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/alarm-tone.wav
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dawnquill)
install(FILES ${DAWNQUILL_DESKTOP_FILES}/${DAWNQUILL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DAWNQUILL_DESKTOP_FILES}/${DAWNQUILL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The bell drawn at each of the theme's sizes.
add_executable(render_icons app/desktop/render_icons.cpp)
target_link_libraries(render_icons PRIVATE dawnquill_qt)
set(icons ${CMAKE_CURRENT_BINARY_DIR}/icons)
add_custom_command(OUTPUT ${icons}/16x16/apps/${DAWNQUILL_APP_ID}.png
                   COMMAND render_icons ${icons} ${DAWNQUILL_APP_ID}
                   DEPENDS render_icons VERBATIM)
add_custom_target(icons ALL DEPENDS ${icons}/16x16/apps/${DAWNQUILL_APP_ID}.png)
install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
                   COMMAND gzip -9nc ${desktop}/changelog > ${changelog}
                   DEPENDS ${desktop}/changelog)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES ${desktop}/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dawnquill)

set(manual ${CMAKE_CURRENT_BINARY_DIR}/DawnQuill.1.gz)
add_custom_command(OUTPUT ${manual}
                   COMMAND gzip -9nc ${desktop}/DawnQuill.1 > ${manual}
                   DEPENDS ${desktop}/DawnQuill.1)
add_custom_target(manual ALL DEPENDS ${manual})
install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dawnquill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The DawnQuill developers <dawnquill@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alarm clock that wakes you with your own music")
set(CPACK_PACKAGE_DESCRIPTION
    "At the alarm minute DawnQuill tells the media player you already run
(any MPRIS player: mpv, Audacious, VLC, Rhythmbox) to play, and shows a
wake-up window with a large running clock, Snooze and Turn alarm off.
It lives in the notification area.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra0 only suggests the back end that reaches the sound server; Qt's own words for the
# boxes' buttons and the file dialog come apart from Qt.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra-pulse, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mpv, mpv-mpris, sound-theme-freedesktop")
include(CPack)
