# Our own targets build with warnings as errors; third-party sources do not.
function(launcher_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wimplicit-fallthrough
                                                 -Wnon-virtual-dtor -Werror)
    endif()
endfunction()
