# The installed layout keeps the shape of the staged folders, since the program loads its
# libraries, RES/ and locale/ from beside its executable:
#   <prefix>/lib/hushwave/hw/    the real processor and board, with the register helper
#   <prefix>/lib/hushwave/sim/   the simulated ones
#   <prefix>/bin/                symbolic links to the executables in those folders
# The links are relative, so the tree can be moved as a whole (a package's staging folder).

set(HUSHWAVE_INSTALL_DIR lib/hushwave)
file(GLOB HUSHWAVE_INSTALL_BAR_FRAMES ${CMAKE_SOURCE_DIR}/app/skin/bar_*.bmp)

foreach(stage IN LISTS HUSHWAVE_STAGES)
    set(folder ${HUSHWAVE_INSTALL_DIR}/${stage})
    install(TARGETS hushwave hushwave-msg RUNTIME DESTINATION ${folder})
    install(TARGETS ReDedizEviz LIBRARY DESTINATION ${folder})
    install(FILES ${HUSHWAVE_INSTALL_BAR_FRAMES} DESTINATION ${folder}/RES)
    install(DIRECTORY ${CMAKE_BINARY_DIR}/drivers/ReDedizEviz/locale DESTINATION ${folder}
        FILES_MATCHING PATTERN "*.mo")
endforeach()
install(TARGETS zvsim_core zuda_sim zoverclk_sim LIBRARY DESTINATION ${HUSHWAVE_INSTALL_DIR}/sim)
install(TARGETS zuda_hw zoverclk_hw LIBRARY DESTINATION ${HUSHWAVE_INSTALL_DIR}/hw)
# The helper that alone reads the processor's register and the firmware's table; the package
# gives it its capabilities when it is installed.
install(TARGETS hushwave-msr RUNTIME DESTINATION ${HUSHWAVE_INSTALL_DIR}/hw)

# hushwave_install_command(NAME STAGE EXECUTABLE)
# <prefix>/bin/NAME as a link to EXECUTABLE in the STAGE folder.
function(hushwave_install_command name stage executable)
    set(link ${CMAKE_BINARY_DIR}/install-links/${name})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
    file(CREATE_LINK ../${HUSHWAVE_INSTALL_DIR}/${stage}/${executable} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION bin)
endfunction()

hushwave_install_command(hushwave hw hushwave)
hushwave_install_command(hushwave-sim sim hushwave)
hushwave_install_command(hushwave-msg sim hushwave-msg)
# The component gallery shows the skinned controls on the simulated set, when it is built.
if(TARGET hushwave-gallery)
    install(TARGETS hushwave-gallery RUNTIME DESTINATION ${HUSHWAVE_INSTALL_DIR}/sim)
    hushwave_install_command(hushwave-gallery sim hushwave-gallery)
endif()

# Desktop integration and documentation, in the places a desktop and man look for them.
set(HUSHWAVE_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(HUSHWAVE_DIST_BUILD_DIR ${CMAKE_BINARY_DIR}/dist)
install(FILES ${HUSHWAVE_DIST_DIR}/org.hushwave.Hushwave.desktop
    ${HUSHWAVE_DIST_DIR}/org.hushwave.Hushwave.Simulated.desktop
    DESTINATION share/applications)
install(FILES ${HUSHWAVE_DIST_DIR}/org.hushwave.Hushwave.metainfo.xml DESTINATION share/metainfo)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES ${HUSHWAVE_DIST_DIR}/icons/${size}x${size}/hushwave.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${HUSHWAVE_DIST_DIR}/debian/copyright DESTINATION share/doc/hushwave)

# Manual pages and the changelog are installed compressed, without a time stamp in the file.
set(compressed)
foreach(source IN ITEMS man/hushwave.1 man/hushwave-msg.1 debian/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${HUSHWAVE_DIST_BUILD_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${HUSHWAVE_DIST_BUILD_DIR}
        COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${HUSHWAVE_DIST_DIR}/${source} ${output}
        DEPENDS ${HUSHWAVE_DIST_DIR}/${source}
        VERBATIM)
    list(APPEND compressed ${output})
endforeach()
add_custom_target(hushwave_dist ALL DEPENDS ${compressed})
install(FILES ${HUSHWAVE_DIST_BUILD_DIR}/hushwave.1.gz ${HUSHWAVE_DIST_BUILD_DIR}/hushwave-msg.1.gz
    DESTINATION share/man/man1)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK hushwave.1.gz ${CMAKE_BINARY_DIR}/install-links/hushwave-sim.1.gz SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-links/hushwave-sim.1.gz DESTINATION share/man/man1)
install(FILES ${HUSHWAVE_DIST_BUILD_DIR}/changelog.gz DESTINATION share/doc/hushwave)
install(FILES ${HUSHWAVE_DIST_DIR}/debian/lintian-overrides DESTINATION share/lintian/overrides
    RENAME hushwave)
