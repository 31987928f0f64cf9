# Installation in the FHS places under CMAKE_INSTALL_PREFIX and the Debian package (`make package`).
# Included from the top level: CPack reads its variables from that scope.
include(GNUInstallDirs)

option(QUILLON_INSTALL_DEVSERVER "Install the development class server too" OFF)

set(QUILLON_APPS org.quillon.Brivane org.quillon.Cortelle)
set(QUILLON_ICON_SIZES 16 24 32 48 64 128 256)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS brivane cortelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The web view plugin sits in lib/quillon beside bin, where the programs look for it (not in the
# multiarch library directory: it is the programs' own, loaded by path).
install(TARGETS quillon_webview LIBRARY DESTINATION lib/quillon)
if(QUILLON_INSTALL_DEVSERVER)
  install(TARGETS quillon-devserver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The SVG icon is the source; the PNG sizes are rendered from it.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pngs)
foreach(app IN LISTS QUILLON_APPS)
  install(FILES ${packaging_dir}/${app}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging_dir}/${app}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${packaging_dir}/${app}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS QUILLON_ICON_SIZES)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${app}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${packaging_dir}/${app}.svg
      DEPENDS ${packaging_dir}/${app}.svg
      COMMENT "Rendering the ${size}x${size} icon of ${app}"
      VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endforeach()
add_custom_target(quillon_icons ALL DEPENDS ${icon_pngs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon-teacher)
set(CPACK_PACKAGE_VENDOR Quillon)
set(CPACK_PACKAGE_CONTACT "Quillon developers <dev@quillon.test>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teacher's programs for online classes: live-class console and course office")
set(CPACK_PACKAGE_DESCRIPTION
    "Brivane, the live-class console (chat with speech, whiteboard, classroom picture, class controls), and Cortelle, the course office (grade book, spreadsheet export, mail centre).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# What the programs load at run time, by name: the libraries they link, and the plugins and
# programs they only find when running (the web view plugin's engine, the X11 platform, the speech
# engine, xdg-open).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, libqt6network6, libqt6svg6, libqt6texttospeech6, libqt6webenginecore6, libqt6webenginewidgets6, qt6-qpa-plugins, qt6-speech-flite-plugin, libcurl4, libxlsxwriter4, libinih1, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-calc")
include(CPack)
