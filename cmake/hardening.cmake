# The protections Debian builds its packages with: checked string and memory
# functions (they need an optimised build, and the sanitizers check more) and
# a read-only table of the program's links to its libraries.
if(NOT TORVEL_SANITIZE)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
