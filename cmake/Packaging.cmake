# The Debian package: `cmake --build --preset release --target package` writes
# framewright_<version>_amd64.deb (program, framecalc, libraries, desktop entry, icon, man pages)
# and framewright-dev_<version>_amd64.deb (Framecore's headers and CMake package).

set(FRAMEWRIGHT_PACKAGE_CONTACT "Framewright developers <developers@framewright.example.org>"
  CACHE STRING "Maintainer of the Debian package (name <address>)")

# --- Man pages, gzipped as Debian wants them -----------------------------------------------
find_program(HELP2MAN_EXECUTABLE help2man)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
if(NOT HELP2MAN_EXECUTABLE)
  message(FATAL_ERROR "help2man is missing: install the Debian package help2man "
                      "(scripts/install-deps.sh installs everything the build needs).")
endif()

set(man_dir ${CMAKE_BINARY_DIR}/man)
set(doc_dir ${CMAKE_BINARY_DIR}/package-doc)
# framecalc's page is made from its own --help and --version, so the two never disagree. The
# date is the changelog's, so the page does not change from one build to the next.
add_custom_command(OUTPUT ${man_dir}/framecalc.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
  COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=1796644800 ASAN_OPTIONS=detect_leaks=0
    ${HELP2MAN_EXECUTABLE} --no-info --section=1
    "--name=timecode, frame and film-footage conversion and arithmetic"
    --output=${man_dir}/framecalc.1 $<TARGET_FILE:framecalc>
  COMMAND ${GZIP_EXECUTABLE} -9nf ${man_dir}/framecalc.1
  DEPENDS framecalc
  COMMENT "Writing the framecalc(1) man page from framecalc --help"
  VERBATIM)

set(MAINTAINER ${FRAMEWRIGHT_PACKAGE_CONTACT})
set(VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/packaging/Framewright.1 ${man_dir}/Framewright.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${doc_dir}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright ${doc_dir}/copyright @ONLY)
add_custom_command(OUTPUT ${man_dir}/Framewright.1.gz ${doc_dir}/changelog.gz
  COMMAND ${GZIP_EXECUTABLE} -9nkf ${man_dir}/Framewright.1
  COMMAND ${GZIP_EXECUTABLE} -9nkf ${doc_dir}/changelog
  DEPENDS ${man_dir}/Framewright.1 ${doc_dir}/changelog
  VERBATIM)
add_custom_target(FramewrightPackageFiles ALL
  DEPENDS ${man_dir}/framecalc.1.gz ${man_dir}/Framewright.1.gz ${doc_dir}/changelog.gz)

install(FILES ${man_dir}/framecalc.1.gz ${man_dir}/Framewright.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/framewright COMPONENT Runtime)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/framewright-dev COMPONENT Development)

# --- CPack -------------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME framewright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${FRAMEWRIGHT_PACKAGE_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEB_COMPONENT_INSTALL ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package's own libraries, so dpkg-shlibdeps can tell they come with it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
# Each description's first line is its synopsis (no shared summary is prepended).

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME framewright)
# What the window loads by name at run time, which dpkg-shlibdeps cannot see. The Latin faces
# are compiled into the program.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
  "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-dialogs, qml6-module-qt-labs-folderlistmodel, qml6-module-qtqml-workerscript, qml6-module-qtqml, qml6-module-qtqml-models")
# Qt's own translations (file dialog, standard buttons) and a face with the Japanese glyphs the
# embedded faces lack: IPA Gothic (12 MB) rather than Noto Sans CJK (91 MB), which also serves.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS
  "qt6-gtk-platformtheme, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
# The first line is the synopsis; CPack indents the rest and turns the empty line into " .".
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION [=[timecode, frame and film-footage calculator
Framewright adds, subtracts, multiplies and divides durations written as SMPTE
timecode at 22 frame rates (29.97 and 59.94 drop-frame included), as frame
counts, or as film footage on eight gauges. Three more slots show the typed
value converted live into other formats, and every operand and result is kept
in a history that can be saved as CSV or shared as plain-text tables.

The package also holds framecalc, the same conversions and arithmetic on the
command line, and the shared libraries Framecore and Kitbase.]=])

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME framewright-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "framewright (= ${PROJECT_VERSION}), nlohmann-json3-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION [=[timecode arithmetic library Framecore - development files
Headers and the CMake package (find_package(Framecore)) of Framecore, the
timecode, frame and film-footage arithmetic that Framewright is built on.]=])

include(CPack)

# Builds both packages, unpacks them and runs the programs from there (label "package", so a
# quick run can leave it out with `ctest -LE package`).
if(BUILD_TESTING)
  add_test(NAME FramewrightDebianPackage
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/tests/package-test.sh ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(FramewrightDebianPackage PROPERTIES LABELS package TIMEOUT 900 RUN_SERIAL TRUE
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/Framewright/Shell/tests/window/lsan.supp:print_suppressions=0")
endif()
