# Warning and sanitizer flags for every target of the project, in one place.
add_library(phx_flags INTERFACE)
target_compile_options(phx_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wcast-align
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual>)
if(PHX_WERROR)
  target_compile_options(phx_flags INTERFACE -Werror)
endif()

if(PHX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
