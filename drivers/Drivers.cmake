# Both builds of a stand-in library carry the same file name, so the simulated set and the
# hardware set each have an output folder of their own, staged as stage/sim and stage/hw.
set(HUSHWAVE_DRIVERS_SIM_DIR ${CMAKE_BINARY_DIR}/drivers/sim)
set(HUSHWAVE_DRIVERS_HW_DIR ${CMAKE_BINARY_DIR}/drivers/hw)

# hushwave_driver(target OUTPUT name FOLDER dir SOURCES ... [LIBS ...])
# A library loaded by name at run time that exports only its C entry points.
function(hushwave_driver target)
    cmake_parse_arguments(D "" "OUTPUT;FOLDER" "SOURCES;LIBS" ${ARGN})
    add_library(${target} SHARED ${D_SOURCES})
    target_link_libraries(${target} PRIVATE ${D_LIBS})
    # Code linked in from static libraries stays private to the library as well.
    target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
    # The simulated libraries find the simulation library beside them, in the build tree as in
    # a staged folder.
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${D_OUTPUT}
        LIBRARY_OUTPUT_DIRECTORY ${D_FOLDER}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        BUILD_WITH_INSTALL_RPATH ON
        INSTALL_RPATH "$ORIGIN")
endfunction()
