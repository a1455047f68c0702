# cmake --install BUILD --prefix DIR: the game as a Linux desktop installs it.
#
#   DIR/bin/amberwick                               the game
#   DIR/share/amberwick/Data                        the data set (found from bin/ by the game)
#   DIR/share/applications/<app id>.desktop         the menu entry
#   DIR/share/icons/hicolor/<n>x<n>/apps/<app id>.png, .../scalable/apps/<app id>.svg
#   DIR/share/metainfo/<app id>.metainfo.xml        the software-centre description
#
# bin and share are fixed names: the game looks for its data at
# <executable's directory>/../share/amberwick/Data.

# Where the metadata's homepage and screenshots are published; whoever
# publishes the game sets it.
set(AW_PROJECT_URL "https://amberwick.example.org" CACHE STRING "Homepage named by the AppStream metadata")

set(desktop_dir ${CMAKE_BINARY_DIR}/desktop)
configure_file(${CMAKE_SOURCE_DIR}/data/desktop/amberwick.desktop.in ${desktop_dir}/${AW_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/desktop/amberwick.metainfo.xml.in
               ${desktop_dir}/${AW_APP_ID}.metainfo.xml @ONLY)

install(TARGETS amberwick RUNTIME DESTINATION bin)
install(DIRECTORY ${AW_DATA_DIR}/ DESTINATION share/amberwick/Data)
install(FILES ${desktop_dir}/${AW_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop_dir}/${AW_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${AW_ICON_DIR}/hicolor DESTINATION share/icons FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_SOURCE_DIR}/data/art/icon.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${AW_APP_ID}.svg)
