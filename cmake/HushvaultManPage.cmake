# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# hv_add_man_page(TARGET SUMMARY): the section 1 manual page of the program TARGET, made at
# build time by help2man from the program's own --help and --version, so that the two never
# drift apart, and installed with it.
find_program(HV_HELP2MAN help2man REQUIRED)

function(hv_add_man_page target summary)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                ${HV_HELP2MAN} --no-info --section=1 --name=${summary} --output=${page}
                $<TARGET_FILE:${target}>
        DEPENDS ${target}
        COMMENT "Making the manual page ${target}(1)"
        VERBATIM)
    add_custom_target(${target}_man_page ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION share/man/man1)
endfunction()
