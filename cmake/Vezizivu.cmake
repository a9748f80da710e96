# Helpers shared by every subsystem: one static library per subsystem, its widget half in a
# second library, test executables grouped per subsystem and benchmarks.

# vz_add_library(<name> [WIDGETS] SOURCES ... [LIBS ...])
# Logic libraries link QtCore and QtGui only; WIDGETS marks a ui/ library.
function(vz_add_library name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui ${ARG_LIBS})
    if(ARG_WIDGETS)
        target_link_libraries(${name} PUBLIC Qt6::Widgets)
        target_precompile_headers(${name} REUSE_FROM vz_pch_widgets)
    else()
        target_precompile_headers(${name} REUSE_FROM vz_pch_core)
    endif()
endfunction()

# vz_add_executable(<name> [WIDGETS] SOURCES ... [LIBS ...])
function(vz_add_executable name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Core Qt6::Gui ${ARG_LIBS})
    if(ARG_WIDGETS)
        target_link_libraries(${name} PRIVATE Qt6::Widgets)
        target_precompile_headers(${name} REUSE_FROM vz_pch_widgets)
    else()
        target_precompile_headers(${name} REUSE_FROM vz_pch_core)
    endif()
endfunction()

# vz_add_test(<name> SOURCES ... [LIBS ...])
# One GoogleTest executable per subsystem; every case is registered with CTest and runs headless.
function(vz_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE vz_testmain ${ARG_LIBS})
    target_precompile_headers(${name} REUSE_FROM vz_pch_widgets)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VZ_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
                   TIMEOUT 300)
endfunction()

# vz_add_benchmark(<name> SOURCES ... [LIBS ...])
function(vz_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE vz_benchmain ${ARG_LIBS})
    target_precompile_headers(${name} REUSE_FROM vz_pch_widgets)
endfunction()

# Adds every listed subfolder that has a CMakeLists.txt, so subsystems can land one at a time.
function(vz_add_present_subdirectories)
    foreach(sub ${ARGN})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt)
            add_subdirectory(${sub})
        endif()
    endforeach()
endfunction()
