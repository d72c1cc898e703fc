# What the Windows build takes from the host: the header-only libraries, seen through a
# folder of their own (the host's /usr/include must not reach the cross compiler), and
# GoogleTest built for the target from Debian's sources.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(dir CLI nlohmann)
    if(NOT EXISTS ${host_headers}/${dir})
        file(CREATE_LINK /usr/include/${dir} ${host_headers}/${dir} SYMBOLIC)
    endif()
endforeach()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${host_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${host_headers})

if(BRINEVANE_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
