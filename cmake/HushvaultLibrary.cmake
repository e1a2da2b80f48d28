# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# hv_add_library(NAME FOLDER SOURCES...): one folder of src/ as a static library. Its headers
# are included as "FOLDER/Header.h", by the library itself and by the targets that link it,
# and by no other: each library has an include root of its own that holds only its folder,
# so a file that includes a layer it does not depend on fails to build.
function(hv_add_library name folder)
    add_library(${name} STATIC ${ARGN})
    set(root "${CMAKE_BINARY_DIR}/include/${name}")
    file(MAKE_DIRECTORY "${root}")
    if(NOT EXISTS "${root}/${folder}")
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
    endif()
    target_include_directories(${name} PUBLIC "${root}")
endfunction()
