# Install rules and the Debian package. Debian's layout: programs in bin, the program's own files (what the
# program reads from its folder when installed, the screen saver "Zephane2000.scr", a program and so not
# architecture-free) in lib/zephane-folarium, desktop entry, icons, AppStream metainfo, man pages and the
# package's documents.
# Tests, benchmarks, fuzzers and the build's helper tools are not installed.
include(GNUInstallDirs)

target_compile_definitions(zephane_core PUBLIC ZEPHANE_VERSION="${PROJECT_VERSION}")

set(ZEPHANE_APP_ID org.zephane.Folarium)
# Fixed as lib/, not the multiarch library folder: the program finds it as ../lib/zephane-folarium.
set(ZEPHANE_PROGRAM_FILES_DIR lib/zephane-folarium)
set(pkg ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS zephane-folarium zephane-screensaver zephane-demo-media RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program folder's copy of the screen saver, the file "Install Screen saver" copies. Its presence also
# marks lib/zephane-folarium as an installed program folder (ProgramLocations). Installed as a file, not a
# target, so it is stripped here when the install strips (cmake --install --strip, the package).
install(PROGRAMS $<TARGET_FILE:zephane-screensaver> DESTINATION ${ZEPHANE_PROGRAM_FILES_DIR} RENAME Zephane2000.scr)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\"
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZEPHANE_PROGRAM_FILES_DIR}/Zephane2000.scr\"
                    RESULT_VARIABLE strip_result)
    if(NOT strip_result EQUAL 0)
      message(FATAL_ERROR \"cannot strip Zephane2000.scr: \${strip_result}\")
    endif()
  endif()")

install(FILES ${pkg}/${ZEPHANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${ZEPHANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons, painted by tools/iconpainter at the usual hicolor sizes.
set(ZEPHANE_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(icon_files)
foreach(size IN LISTS ZEPHANE_ICON_SIZES)
  list(APPEND icon_files ${CMAKE_BINARY_DIR}/icons/${size}/${ZEPHANE_APP_ID}.png)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}/${ZEPHANE_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:zephane-icon> ${CMAKE_BINARY_DIR}/icons
          ${ZEPHANE_ICON_SIZES}
  DEPENDS zephane-icon VERBATIM)

# Man pages and the package's documents, compressed as Debian wants them (gzip -n: no time stamp).
find_program(ZEPHANE_GZIP gzip REQUIRED)
set(doc_outputs)
foreach(page zephane-folarium zephane-screensaver zephane-demo-media)
  set(out ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "${ZEPHANE_GZIP} -9nc '${pkg}/man/${page}.1' > '${out}'"
    DEPENDS ${pkg}/man/${page}.1 VERBATIM)
  list(APPEND doc_outputs ${out})
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "${ZEPHANE_GZIP} -9nc '${pkg}/changelog' > '${changelog}'"
  DEPENDS ${pkg}/changelog VERBATIM)
list(APPEND doc_outputs ${changelog})
# A native package (no Debian revision in its version): its one changelog is changelog.gz.
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zephane-folarium)
install(FILES ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zephane-folarium)
add_custom_target(zephane-packaging-files ALL DEPENDS ${icon_files} ${doc_outputs})

# The Debian package: cpack -G DEB in the build folder. CPack over a debian/ folder because the build is
# CMake's already and the package needs nothing a debian/rules would add; dpkg-shlibdeps still finds the
# exact Qt libraries the programs link.
set(CPACK_PACKAGE_NAME zephane-folarium)
set(CPACK_PACKAGE_VENDOR "The Zephane Folarium developers")
set(CPACK_PACKAGE_CONTACT "The Zephane Folarium developers <zephane-folarium@users.noreply.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multimedia reference about the Zephane sports car")
# One string (separate quoted pieces would become a list joined by ";"), lines under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "The Zephane Folarium 2000 presents one sports-car marque model year by\n"
       "model year, from 1953 to 2000, and through 36 collections: photos,\n"
       "emblems, script badges, clip art, rich-text documents, advertisements,\n"
       "a slide show, sound effects, movies, printing and a screen saver.\n"
       "The content is read from the title's media tree on a disc or a copy on\n"
       "disk; zephane-demo-media writes a demo tree.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Media playback goes through Qt Multimedia's GStreamer backend: WAV, MJPEG/Indeo AVI and their decoders.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav")
# Disc images are mounted through udisks2 where it runs, else through fuseiso.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fuseiso | udisks2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

if(ZEPHANE_BUILD_TESTS)
  add_test(NAME package_check COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_check PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
endif()
