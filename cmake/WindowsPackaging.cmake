# The Windows program as a folder that runs on its own (make windows): the program, the MinGW
# runtime, Qt's libraries and plugins, Qt's Japanese texts, the IPA fonts with their licence and
# the icon; then a portable zip of that folder and an NSIS installer.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)

install(FILES ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll
              ${qt_prefix}/bin/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)

foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}")
        find_file(runtime_path ${runtime} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH
                  NO_CMAKE_FIND_ROOT_PATH)
    endif()
    install(FILES ${runtime_path} DESTINATION .)
    unset(runtime_path CACHE)
endforeach()

# Where Qt looks for its plugins and translations: beside the program, not where it was built.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix=.\nPlugins=plugins\nTranslations=translations\n")
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION .)
# .qm files are the same on every platform: Debian's.
install(FILES /usr/share/qt6/translations/qtbase_ja.qm DESTINATION translations)
install(FILES /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
              /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
              /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf
              /usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf DESTINATION fonts)
install(FILES /usr/share/doc/fonts-ipafont-gothic/copyright DESTINATION fonts
        RENAME IPA_Font_License.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${RADIXTREK_ICO} DESTINATION . RENAME radixtrek.ico)

set(stage ${CMAKE_BINARY_DIR}/stage/Radixtrek)
set(zip ${CMAKE_BINARY_DIR}/radixtrek-${PROJECT_VERSION}-win64.zip)
set(setup ${CMAKE_BINARY_DIR}/radixtrek-${PROJECT_VERSION}-setup.exe)
add_custom_target(windows-package
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Radixtrek
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DOUT=${CMAKE_BINARY_DIR}/installed-files.nsh
            -P ${PROJECT_SOURCE_DIR}/app/windows/ListFiles.cmake
    COMMAND makensis -V2 -INPUTCHARSET UTF8 -DSTAGE=${stage} -DVERSION=${PROJECT_VERSION}
            -DFILES=${CMAKE_BINARY_DIR}/installed-files.nsh -DOUTFILE=${setup}
            ${PROJECT_SOURCE_DIR}/app/windows/installer.nsi
    DEPENDS radixtrek
    COMMENT "Packing radixtrek-${PROJECT_VERSION}-win64.zip and radixtrek-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
