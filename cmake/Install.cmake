# Where `cmake --install` puts the program: the executables and, on
# freedesktop systems, the menu entry, the icon, the ".kzb" file type, the
# software-centre description and the package documents.
include(GNUInstallDirs)

set(RONDAXA_APP_ID nl.brelinq.Rondaxa)
set(RONDAXA_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS rondaxa-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(RONDAXA_BUILD_UI)
  install(TARGETS rondaxa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # rondaxa-cli's "print", in the folder where rondaxa-cli looks for it.
  install(TARGETS rondaxa-print RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/rondaxa)
endif()

if(WIN32)
  # Windows has no shared Qt translations: the program looks for Qt's Dutch
  # texts in "translations" beside itself.
  if(RONDAXA_BUILD_UI)
    find_file(RONDAXA_QTBASE_NL qtbase_nl.qm PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}"
              NO_DEFAULT_PATH)
    if(RONDAXA_QTBASE_NL)
      install(FILES ${RONDAXA_QTBASE_NL} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
    endif()
  endif()
  return()
endif()

# On Linux the program loads Qt's Dutch texts from the system's Qt
# translations folder, which the distribution keeps in step with its Qt
# (Debian: qt6-translations-l10n, a dependency of the package).

if(RONDAXA_BUILD_UI)
  install(FILES ${RONDAXA_DATA_DIR}/${RONDAXA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${RONDAXA_DATA_DIR}/icons/${RONDAXA_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${RONDAXA_DATA_DIR}/icons/${size}/${RONDAXA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  configure_file(${RONDAXA_DATA_DIR}/${RONDAXA_APP_ID}.metainfo.xml
                 ${PROJECT_BINARY_DIR}/data/${RONDAXA_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/data/${RONDAXA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(FILES ${RONDAXA_DATA_DIR}/${RONDAXA_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${RONDAXA_APP_ID}.xml)

# Manual pages and the package documents, compressed as Debian wants them.
set(RONDAXA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/rondaxa)
configure_file(${RONDAXA_DATA_DIR}/doc/changelog.in ${PROJECT_BINARY_DIR}/data/changelog @ONLY)
find_program(RONDAXA_GZIP gzip)
function(rondaxa_gzip source target)
  if(RONDAXA_GZIP)
    execute_process(COMMAND ${RONDAXA_GZIP} -9nc ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endfunction()
rondaxa_gzip(${PROJECT_BINARY_DIR}/data/changelog ${PROJECT_BINARY_DIR}/data/changelog.gz)
install(FILES ${RONDAXA_DATA_DIR}/doc/copyright ${PROJECT_BINARY_DIR}/data/changelog.gz DESTINATION ${RONDAXA_DOC_DIR})
set(RONDAXA_MAN_PAGES rondaxa-cli)
if(RONDAXA_BUILD_UI)
  list(APPEND RONDAXA_MAN_PAGES rondaxa)
endif()
foreach(page ${RONDAXA_MAN_PAGES})
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${RONDAXA_DATA_DIR}/man/${page}.1)
  rondaxa_gzip(${RONDAXA_DATA_DIR}/man/${page}.1 ${PROJECT_BINARY_DIR}/data/${page}.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/data/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The desktop files must pass the freedesktop validators where they are
# installed (Debian: desktop-file-utils, appstream).
if(RONDAXA_BUILD_TESTS AND RONDAXA_BUILD_UI)
  find_program(RONDAXA_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(RONDAXA_APPSTREAMCLI appstreamcli)
  if(RONDAXA_DESKTOP_FILE_VALIDATE)
    add_test(NAME data.desktop_entry COMMAND ${RONDAXA_DESKTOP_FILE_VALIDATE}
                                             ${RONDAXA_DATA_DIR}/${RONDAXA_APP_ID}.desktop)
  endif()
  if(RONDAXA_APPSTREAMCLI)
    add_test(NAME data.metainfo COMMAND ${RONDAXA_APPSTREAMCLI} validate --no-net
                                        ${PROJECT_BINARY_DIR}/data/${RONDAXA_APP_ID}.metainfo.xml)
  endif()
endif()
