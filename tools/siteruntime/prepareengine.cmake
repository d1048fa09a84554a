# Prepares Wine for the page tests, fresh for every test run: a new prefix and the
# locales whose code pages Wine takes as the server's ANSI code page.
# Usage: cmake -DFOLDER=<folder> -P prepareengine.cmake
find_program(WINE wine)
find_program(WINEBOOT wineboot)
find_program(LOCALEDEF localedef)
if(NOT WINE OR NOT WINEBOOT OR NOT LOCALEDEF)
    message(FATAL_ERROR "The page tests need Wine and localedef: run scripts/install-deps.sh wine wine64 locales")
endif()
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}/locale")
foreach(locale en_US ru_RU zh_CN)
    execute_process(COMMAND "${LOCALEDEF}" -i ${locale} -f UTF-8 "${FOLDER}/locale/${locale}.UTF-8"
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT IS_DIRECTORY "${FOLDER}/locale/${locale}.UTF-8")
        message(FATAL_ERROR "localedef failed for ${locale} (${status}): ${errors}")
    endif()
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        "WINEPREFIX=${FOLDER}/prefix" WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml="
                        "${WINEBOOT}" -i
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT EXISTS "${FOLDER}/prefix/drive_c/windows/system32/vbscript.dll")
    message(FATAL_ERROR "wineboot failed (${status}): ${output}")
endif()
