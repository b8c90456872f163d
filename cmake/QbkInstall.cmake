# The installed layout (FHS): the three programs, the desktop entries of the two window
# programs, the icon (SVG, and PNG sizes rendered from it here), the AppStream
# metainfo, the manual pages, the bash completion of qbk3-cli and the package's
# documents.
include(GNUInstallDirs)

# The date of this release, shown with the version in the metainfo, the manual pages
# and the package's changelog.
set(QBK_RELEASE_DATE 2026-12-07)
execute_process(COMMAND date -R -u -d ${QBK_RELEASE_DATE} OUTPUT_VARIABLE QBK_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(QBK_PACKAGE_MAINTAINER
    "Quillbank 3 maintainers <maintainers@users.noreply.c-seed-26b11398.example>"
    CACHE STRING "Name and address of the package's maintainer")
set(QBK_APP_ID com.brindlefold.Quillbank3)
set(QBK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillbank)

find_program(QBK_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QBK_GZIP gzip REQUIRED)

set(data ${PROJECT_SOURCE_DIR}/data)
set(generated ${PROJECT_BINARY_DIR}/install)

install(TARGETS qbk3 qbk3-cli qbk2to3 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${data}/${QBK_APP_ID}.desktop ${data}/${QBK_APP_ID}.Converter.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${data}/${QBK_APP_ID}.metainfo.xml.in ${generated}/${QBK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${QBK_TRANSLATION_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillbank/translations)
install(FILES ${generated}/${QBK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/completion/qbk3-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Icons: the drawing, and the bitmaps that menus and docks of every size look for.
set(icon_svg ${data}/icons/${QBK_APP_ID}.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(icon_pngs)
foreach(size 16 24 32 48 64 128 256)
    set(png ${generated}/icons/${size}/${QBK_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
        COMMAND ${QBK_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
        DEPENDS ${icon_svg} VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the changelog, compressed as Debian keeps them (gzip -9n: no name or
# time stamp inside, so a rebuild gives the same bytes).
set(gzipped)
foreach(page qbk3 qbk3-cli qbk2to3)
    configure_file(${data}/man/${page}.1.in ${generated}/man/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${generated}/man/${page}.1.gz
        COMMAND ${QBK_GZIP} -9nf -k ${generated}/man/${page}.1
        DEPENDS ${generated}/man/${page}.1 VERBATIM)
    list(APPEND gzipped ${generated}/man/${page}.1.gz)
    install(FILES ${generated}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# The pages of the two window programs in the languages their windows speak (qbk3-cli, a
# tool for scripts, keeps one English page).
foreach(language de fr es)
    foreach(page qbk3 qbk2to3)
        set(man ${generated}/man/${language}/${page}.1)
        configure_file(${data}/man/${language}/${page}.1.in ${man} @ONLY)
        add_custom_command(OUTPUT ${man}.gz COMMAND ${QBK_GZIP} -9nf -k ${man}
                           DEPENDS ${man} VERBATIM)
        list(APPEND gzipped ${man}.gz)
        install(FILES ${man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endforeach()
endforeach()
configure_file(${data}/debian/changelog.in ${generated}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/doc/changelog.gz
    COMMAND ${QBK_GZIP} -9nf -k ${generated}/doc/changelog
    DEPENDS ${generated}/doc/changelog VERBATIM)
list(APPEND gzipped ${generated}/doc/changelog.gz)
install(FILES ${generated}/doc/changelog.gz ${data}/debian/copyright DESTINATION ${QBK_DOC_DIR})

add_custom_target(install_data ALL DEPENDS ${icon_pngs} ${gzipped})
